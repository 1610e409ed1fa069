#include "app/terminaljob.h"

#include "app/modulemetadatareader.h"
#include "list/itemstore.h"
#include "platform/posixfilesystem.h"
#include "routines/routinelibrary.h"
#include "routines/terminalrun.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// Custom generation in a routine reads the files' tags and dates; no template is asked.
class FileTemplates : public TemplateInteraction {
public:
    std::optional<QString> askTemplate(const ItemStore&) override { return std::nullopt; }
    MetadataReader& metadataReader() override { return m_reader; }

private:
    ModuleMetadataReader m_reader;
};

void write(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

TerminalRun::Output standardOutput()
{
    return {[](const QByteArray& bytes) { write(stdout, bytes); },
            [](const QByteArray& bytes) { write(stderr, bytes); }};
}

QByteArray line(const QString& text)
{
    return text.toUtf8() + '\n';
}

} // namespace

bool TerminalJob::wanted(const std::vector<QByteArray>& raw)
{
    return std::any_of(raw.begin() + (raw.empty() ? 0 : 1), raw.end(), [](const QByteArray& a) {
        return a == "--routine" || a.startsWith("--routine=") || a == "--undo" ||
               a == "--dry-run" || a == "--yes";
    });
}

int TerminalJob::run(const CommandLine::Result& command)
{
    const TerminalRun::Output output = standardOutput();
    PosixFileSystem fileSystem;
    const JournalFolder journals(JournalFolder::defaultPath());
    if (command.action == CommandLine::Action::Undo) {
        const std::vector<QByteArray> plan = TerminalRun::undoPlan(journals);
        if (plan.empty())
            return TerminalRun::undo(journals, fileSystem, output);
        QByteArray text = line(tr("Undo renames %n files back:", "", int(plan.size())));
        for (const QByteArray& entry : plan)
            text += "  " + entry + '\n';
        output.out(text);
        if (!command.yes) {
            if (!::isatty(STDIN_FILENO)) {
                output.err(line(tr("filevane: not undone: there is no terminal to ask; add --yes "
                                   "to undo without asking")));
                return CommandLine::BadArguments;
            }
            output.out(tr("Undo? [y/N] ").toUtf8());
            char answer[64] = {};
            if (!std::fgets(answer, sizeof answer, stdin) ||
                (answer[0] != 'y' && answer[0] != 'Y')) {
                output.out(line(tr("Nothing was undone.")));
                return 0;
            }
        }
        return TerminalRun::undo(journals, fileSystem, output);
    }

    // A routine file when the name is one; otherwise the saved routine of that name.
    const QFileInfo file(command.routine);
    const RoutineFile::Read read = file.isFile()
                                       ? RoutineLibrary::importFrom(file.absoluteFilePath())
                                       : RoutineLibrary().load(command.routine);
    if (!read.routine) {
        output.err(line(QStringLiteral("filevane: ") + read.error));
        return CommandLine::BadArguments;
    }
    FileTemplates templates;
    // Left to the end of the process, which main() ends without freeing: giving 32767
    // items back one by one would cost more than the job's own steps.
    auto* store = new ItemStore;
    return TerminalRun::runRoutine(*store, *read.routine, command.paths, command.dryRun, fileSystem,
                                   &templates, journals, output);
}
