#include "routines/terminalrun.h"

#include "list/fileloader.h"
#include "ops/operationengine.h"
#include "rename/duplicatecheck.h"
#include "rename/renamereport.h"
#include "rename/renamerunner.h"
#include "rename/renameundo.h"
#include "routines/routineplayer.h"
#include "text/bytename.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// The user side of a job without a window: nothing is asked. The loader and the engine show
// no message when nothing is asked, and the job prints its own report.
class TerminalInteraction : public UserInteraction {
public:
    QString inputBox(const QString&, const QString&, const QString&) override { return QString(); }
    void messageBox(const QString&, const QString&) override {}
    QString browseForFolder(const QString&) override { return QString(); }
    std::vector<QByteArray> chooseFiles(const QString&, const QString&) override { return {}; }
    void showFindReplace() override {}
    void processPendingEvents() override {}
};

QByteArray line(const QString& text)
{
    QString out = text;
    out.replace(QChar(13), QLatin1Char('\n'));
    return out.toUtf8() + '\n';
}

QByteArray joined(const QByteArray& folder, const QByteArray& name)
{
    return folder + '/' + name;
}

const char* const arrow = " \xe2\x86\x92 "; // " → "
constexpr qsizetype PrintChunk = qsizetype{64} * 1024;

QByteArray reasonOf(const ItemRenameResult& result)
{
    return RenameReport::reason(result).toUtf8();
}

} // namespace

namespace {

// Appends bytes to out as escaped() shows them. A std::string, as the one buffer of a
// long listing grows by three names a line.
void appendEscaped(std::string& out, QByteArrayView bytes)
{
    // Most names need no escape: one pass over the bytes, one copy. Each byte's class
    // comes from a table: 1 beyond ASCII, 2 to be escaped.
    static const auto classes = [] {
        std::array<uchar, 256> table{};
        for (int c = 0; c < 256; ++c)
            table[size_t(c)] = c < 0x20 || c == 0x7f || c == '\\' ? 2 : c >= 0x80 ? 1 : 0;
        return table;
    }();
    uchar found = 0;
    for (const char byte : bytes)
        found |= classes[uchar(byte)];
    if (found == 0 || (found == 1 && bytes.isValidUtf8())) {
        out.append(bytes.data(), size_t(bytes.size()));
        return;
    }
    const auto hex = [&out](uchar c) {
        static const char digits[] = "0123456789ABCDEF";
        const char code[] = {'\\', 'x', digits[c >> 4], digits[c & 15]};
        out.append(code, 4);
    };
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar c = uchar(bytes[i]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7f)
                hex(c);
            else if (c == '\\')
                out.append("\\\\", 2);
            else
                out += char(c);
            ++i;
            continue;
        }
        // The longest well-formed UTF-8 sequence starting here (1 to 4 bytes), or none.
        qsizetype length = 0;
        for (qsizetype k = 2; k <= 4 && i + k <= n && !length; ++k) {
            if (bytes.sliced(i, k).isValidUtf8())
                length = k;
        }
        if (!length) {
            hex(c);
            ++i;
            continue;
        }
        out.append(bytes.data() + i, size_t(length));
        i += length;
    }
}

QByteArray bytesOf(const std::string& text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

QByteArray TerminalRun::escaped(const QByteArray& bytes)
{
    std::string out;
    appendEscaped(out, bytes);
    return bytesOf(out);
}

bool TerminalRun::canOpenAll(const std::vector<QByteArray>& paths, FileSystem& fileSystem,
                             const Output& output)
{
    std::vector<FolderEntry> entries;
    bool all = true;
    for (const QByteArray& path : paths) {
        const std::optional<PathKind> kind = fileSystem.pathKind(path);
        entries.clear();
        if (kind && (*kind == PathKind::File || fileSystem.listFolder(path, entries)))
            continue;
        output.err("filevane: " + escaped(path) + ": " + tr("cannot be opened").toUtf8() + '\n');
        all = false;
    }
    return all;
}

TerminalRun::Changes TerminalRun::printChanges(ItemStore& store, const Output& output)
{
    // Printed in pieces, so that a long list neither waits nor grows one large buffer.
    Changes found;
    found.refused.assign(size_t(store.ItemCount()), 0);
    std::string changes;
    changes.reserve(PrintChunk + 4096);
    QByteArray folder;
    std::string folderShown;
    ItemStore::Batch batch(store);
    for (int i = 0; i < store.ItemCount(); ++i) {
        const Item& item = store.item(i);
        const std::optional<QByteArray> target = RenameRunner::targetBytes(item);
        const bool differs = !target || *target != item.diskName;
        store.setSelected(i, differs);
        if (!differs)
            continue;
        ++found.count;
        found.refused[size_t(i)] = !target;
        // The lines of one folder follow each other: its path is escaped once.
        if (item.diskFolder != folder || folderShown.empty()) {
            folder = item.diskFolder;
            folderShown.clear();
            appendEscaped(folderShown, folder);
            folderShown += '/';
        }
        changes += folderShown;
        appendEscaped(changes, item.diskName);
        changes += arrow;
        if (target)
            appendEscaped(changes, *target);
        else
            changes += ByteName::shown(item.line()).toStdString();
        changes += '\n';
        if (changes.size() >= size_t(PrintChunk)) {
            output.out(QByteArray::fromRawData(changes.data(), qsizetype(changes.size())));
            changes.clear();
        }
    }
    output.out(QByteArray::fromRawData(changes.data(), qsizetype(changes.size())));
    return found;
}

int TerminalRun::printProblems(const ItemStore& store, const Changes& changes,
                               const std::vector<int>& clashing, const Output& output)
{
    QByteArray problems;
    for (int i : clashing) {
        const Item& item = store.item(i);
        problems += tr("clash:").toUtf8() + ' ' + escaped(joined(item.diskFolder, item.diskName)) +
                    arrow + escaped(RenameRunner::targetBytes(item).value_or(QByteArray())) + '\n';
    }
    for (int i = 0; i < store.ItemCount(); ++i) {
        if (changes.refused[size_t(i)])
            problems += tr("refused:").toUtf8() + ' ' +
                        escaped(joined(store.item(i).diskFolder, store.item(i).diskName)) + ": " +
                        tr("no bytes can stand for the new name").toUtf8() + '\n';
    }
    if (problems.isEmpty())
        return 0;
    output.out(problems);
    return 1;
}

int TerminalRun::runRoutine(ItemStore& store, const Routine& routine,
                            const std::vector<QByteArray>& paths, bool dryRun,
                            FileSystem& fileSystem, TemplateInteraction* templates,
                            const JournalFolder& journals, const Output& output)
{
    if (!canOpenAll(paths, fileSystem, output))
        return 2;
    TerminalInteraction interaction;
    FileLoader loader(store, fileSystem, interaction);
    loader.dropPaths(paths);
    if (loader.notAdded() > 0)
        output.err(line(tr("filevane: %n files were not added: the list holds at most 32767", "",
                           loader.notAdded())));
    store.selectAll();
    EnumSwitches switches;
    FindReplaceValues findValues;
    OperationEngine engine(store, interaction, switches, findValues, templates);
    RoutinePlayer::play(routine, engine);

    // The changed names, in list order; only they take part in the rename.
    const Changes changes = printChanges(store, output);
    // Every line takes part in the check, as in Apply all: a changed name may clash with
    // one that stays.
    const std::vector<int> clashing =
        DuplicateCheck::findDuplicates(store, std::vector<char>(size_t(store.ItemCount()), 1));
    const int status = printProblems(store, changes, clashing, output);
    if (!clashing.empty()) {
        output.out(line(tr("Nothing was renamed: %n names clash with another name in their "
                           "folder.",
                           "", int(clashing.size()))));
        return 1;
    }
    if (dryRun || changes.count == 0) {
        if (changes.count == 0)
            output.out(line(tr("Nothing to rename.")));
        return status;
    }
    RenameRunner runner(store, fileSystem);
    runner.setJournalFolder(journals);
    const RenameRunner::Result result = runner.RenameFiles(false);
    return qMax(status, report(result, output));
}

int TerminalRun::report(const RenameRunResult& run, const Output& output)
{
    if (run.journalError != 0)
        output.err(line(
            QStringLiteral("filevane: ") +
            RenameReport::journalFailure(run.journalPath, run.journalError, run.journalMidRun)));
    const std::vector<ItemRenameResult>& results = run.outcomes;
    QByteArray failures;
    int renamed = 0;
    int tried = 0;
    for (const ItemRenameResult& result : results) {
        if (result.renamed()) {
            ++renamed;
            ++tried;
            continue;
        }
        ++tried;
        if (result.outcome == RenameOutcome::UnencodableName)
            continue; // listed as refused before the run
        failures += tr("not renamed:").toUtf8() + ' ' +
                    escaped(joined(result.folder, result.oldName)) + arrow +
                    escaped(result.newName) + ": " + reasonOf(result) + '\n';
    }
    if (!failures.isEmpty())
        output.err(failures);
    output.out(line(tr("%1 renamed, %2 not renamed").arg(renamed).arg(tried - renamed)));
    return renamed == tried && run.journalError == 0 ? 0 : 1;
}

std::vector<QByteArray> TerminalRun::undoPlan(const JournalFolder& journals)
{
    std::vector<QByteArray> lines;
    const QString path = journals.latestUndoable();
    if (path.isEmpty())
        return lines;
    const std::optional<RenameJournal::Content> content = RenameJournal::read(path);
    if (!content)
        return lines;
    for (auto it = content->entries.rbegin(); it != content->entries.rend(); ++it) {
        if (it->state != RenameJournal::State::Renamed &&
            it->state != RenameJournal::State::Attempted)
            continue;
        lines.push_back(escaped(joined(it->folder, it->newName)) + arrow + escaped(it->oldName));
    }
    return lines;
}

int TerminalRun::undo(const JournalFolder& journals, FileSystem& fileSystem, const Output& output)
{
    RenameUndo undoer(journals, fileSystem);
    if (!undoer.canUndo()) {
        output.out(line(tr("Nothing to undo.")));
        return 0;
    }
    return report(undoer.undoLast(), output);
}
