#include "app/renamesession.h"

#include "app/disknamesheader.h"
#include "app/filelistview.h"
#include "app/linedelegate.h"
#include "app/liststatus.h"
#include "app/runprogress.h"
#include "app/statusline.h"
#include "list/namesplit.h"
#include "rename/renamereport.h"
#include "resources/stringtable.h"
#include "text/bytename.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSet>

namespace {

QString shownName(const QByteArray& bytes)
{
    return ByteName::shown(ByteName::decode(bytes));
}

// A folder as the user knows it: the home folder as "~".
QString shownFolder(const QByteArray& folder)
{
    const QString path = folder.isEmpty() ? QStringLiteral("/") : shownName(folder);
    const QString home = QDir::homePath();
    if (path == home || path.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + path.mid(home.size());
    return path;
}

// The deepest folder that holds all of them.
QByteArray commonFolder(const std::vector<QByteArray>& folders)
{
    if (folders.empty())
        return QByteArray();
    QByteArray common = folders.front();
    for (const QByteArray& folder : folders) {
        while (!(folder == common || folder.startsWith(common + '/')) && !common.isEmpty())
            common.truncate(std::max<qsizetype>(common.lastIndexOf('/'), 0));
    }
    return common;
}

// "today 10:02", "yesterday 18:30", or the date and time.
QString runTime(qint64 ms)
{
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(ms);
    const QString time = at.toString(QStringLiteral("HH:mm"));
    const QDate today = QDate::currentDate();
    if (at.date() == today)
        return QCoreApplication::translate("RenameSession", "today %1").arg(time);
    if (at.date() == today.addDays(-1))
        return QCoreApplication::translate("RenameSession", "yesterday %1").arg(time);
    return QLocale().toString(at.date(), QLocale::ShortFormat) + QLatin1Char(' ') + time;
}

} // namespace

RenameSession::RenameSession(ItemStore& store, RenameRunner& runner, FileSystem& fileSystem,
                             UserInteraction& interaction, FileListView& list, StatusLine& status,
                             JournalFolder journals)
    : QObject(&list), m_store(store), m_runner(runner), m_interaction(interaction), m_list(list),
      m_status(status), m_fileSystem(fileSystem)
{
    m_runner.setJournalFolder(std::move(journals));
    new ListStatus(store, m_list.painter(), status, *m_list.viewport());

    m_header = new DiskNamesHeader(m_list.painter(), m_list);
    m_header->hide();
    // The header follows the list's size and the lines' width (a vertical scroll bar
    // coming or going).
    m_viewport = m_list.viewport();
    m_list.installEventFilter(this);
    m_viewport->installEventFilter(this);
    placeBands();
}

bool RenameSession::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && (watched == &m_list || watched == m_viewport))
        placeBands();
    return QObject::eventFilter(watched, event);
}

void RenameSession::placeBands()
{
    // The list keeps the size and place the window gives it; the header takes its room
    // from the lines.
    const int frame = m_list.frameWidth();
    const int top = m_header->isVisibleTo(&m_list) ? m_header->sizeHint().height() : 0;
    m_list.setBands(top, 0);
    m_header->setGeometry(frame, frame, m_list.viewport()->width(), top);
}

void RenameSession::setUndoActions(QList<QAction*> actions)
{
    m_undoActions = std::move(actions);
    refreshUndo();
}

void RenameSession::setJournals(JournalFolder journals)
{
    m_runner.setJournalFolder(std::move(journals));
    refreshUndo();
}

RenameUndo RenameSession::undoer() const
{
    return RenameUndo(*m_runner.journalFolder(), m_fileSystem);
}

bool RenameSession::canUndo()
{
    // Each menu asks as it opens; a journal of 32767 renames takes about 17 ms to read,
    // so the journals are read again only when one of them changed.
    const QByteArray stamp = m_runner.journalFolder()->stamp();
    if (stamp != m_undoStamp || stamp.isEmpty()) {
        m_canUndo = undoer().canUndo();
        m_undoStamp = stamp;
    }
    return m_canUndo;
}

void RenameSession::refreshUndo()
{
    const bool enabled = canUndo();
    for (QAction* action : m_undoActions)
        action->setEnabled(enabled);
}

void RenameSession::apply(bool applyAll)
{
    RenameRunner::Result result;
    {
        RunProgress progress(m_status, m_interaction, &StatusLine::renaming);
        const QScopedValueRollback running(m_run, &progress);
        result = m_runner.RenameFiles(applyAll, std::ref(progress));
    }
    // The journal just written holds a rename to undo: reading it back (about 20 ms for a
    // full list) would tell no more.
    if (RenameReport(result.outcomes).renamed() > 0) {
        m_undoStamp = m_runner.journalFolder()->stamp();
        m_canUndo = true;
    }
    if (result.renamed > 0 && m_runner.journalFolder())
        m_lastApplied = result.journalPath;
    showResult(result);
}

void RenameSession::undo()
{
    // A run made in an earlier session of the program, or one whose folders are not in
    // the list, is not what the user sees: it is named before it is undone.
    const QString path = m_runner.journalFolder()->latestUndoable();
    if (path.isEmpty() || (!isShownRun(path) && !askUndo(path, false)))
        return;
    runUndo(path);
}

void RenameSession::offerInterruptedUndo()
{
    const QString path = m_runner.journalFolder()->interruptedRun();
    if (path.isEmpty())
        return;
    const bool yes = askUndo(path, true);
    {
        int error = 0;
        if (const auto journal = RenameJournal::reopen(path, error))
            journal->markReported();
    }
    if (yes)
        runUndo(path);
    refreshUndo();
}

void RenameSession::runUndo(const QString& journal)
{
    RenameUndo::Result result;
    {
        RunProgress progress(m_status, m_interaction, &StatusLine::undoing);
        const QScopedValueRollback running(m_run, &progress);
        result = undoer().undo(journal, std::ref(progress));
    }
    if (!result.started)
        return;
    followUndo(result.outcomes);
    showResult(result);
}

bool RenameSession::isShownRun(const QString& journal) const
{
    // The window's own last run, unless the list has moved on to other folders (an empty
    // list, cleared or emptied by the renames, has not).
    if (journal != m_lastApplied)
        return false;
    if (m_store.ItemCount() == 0)
        return true;
    const auto content = RenameJournal::read(journal);
    if (!content)
        return false;
    QSet<QByteArray> runFolders;
    for (int i : JournalFolder::entriesLeft(*content))
        runFolders.insert(content->entries[size_t(i)].folder);
    for (int i = 0; i < m_store.ItemCount(); ++i) {
        if (runFolders.contains(m_store.item(i).diskFolder))
            return true;
    }
    return false;
}

bool RenameSession::askUndo(const QString& journal, bool interrupted)
{
    const auto content = RenameJournal::read(journal);
    if (!content)
        return false;
    const std::vector<int> left = JournalFolder::entriesLeft(*content);
    std::vector<QByteArray> folders;
    QStringList names;
    for (int i : left) {
        const RenameJournal::Entry& entry = content->entries[size_t(i)];
        folders.push_back(entry.folder);
        names << QStringLiteral("%1: %2 → %3")
                     .arg(shownFolder(entry.folder), shownName(entry.newName),
                          shownName(entry.oldName));
    }
    const qint64 ms = content->startedMs != 0
                          ? content->startedMs
                          : QFileInfo(journal).lastModified().toMSecsSinceEpoch();
    const QString where = shownFolder(commonFolder(folders)), at = runTime(ms);
    const QString ask =
        left.size() == 1 ? QCoreApplication::translate("RenameSession",
                                                       "Undo the renaming of 1 file in %1 (%2)?")
                               .arg(where, at)
                         : QCoreApplication::translate("RenameSession",
                                                       "Undo the renaming of %1 files in %2 (%3)?")
                               .arg(QString::number(left.size()), where, at);
    const QString title = QCoreApplication::translate("RenameSession", "Undo");
    const QString details = names.join(QLatin1Char('\n'));
    if (!interrupted)
        return m_interaction.question(ask, title, QString(), details);
    return m_interaction.question(
        QCoreApplication::translate("RenameSession",
                                    "The renaming of files in %1 (%2) was interrupted before "
                                    "it ended.")
            .arg(where, at),
        title, ask, details);
}

void RenameSession::showResult(const RenameRunResult& result)
{
    if (result.stop == RenameRunResult::Stop::Duplicates) {
        m_interaction.messageBox(LoadResString(TextId::DuplicatesFound),
                                 LoadResString(TextId::ErrorTitle));
        return;
    }
    // A journal that could not be written stops the run: say why, then what was done.
    if (result.journalError != 0)
        m_interaction.messageBox(RenameReport::journalFailure(
                                     result.journalPath, result.journalError, result.journalMidRun),
                                 LoadResString(TextId::ErrorTitle));
    if (!result.outcomes.empty()) {
        const RenameReport report(result.outcomes);
        report.show(m_interaction);
        m_status.setMessage(report.summary());
    }
    refreshUndo();
}

void RenameSession::stop()
{
    if (m_run)
        m_run->stop();
}

void RenameSession::followUndo(const std::vector<ItemRenameResult>& outcomes)
{
    QHash<QByteArray, QByteArray> back; // folder/name now -> name again
    for (const ItemRenameResult& outcome : outcomes) {
        if (outcome.renamed())
            back.insert(outcome.folder + '/' + outcome.oldName, outcome.newName);
    }
    if (back.isEmpty())
        return;
    ItemStore::Batch batch(m_store);
    for (int i = 0; i < m_store.ItemCount(); ++i) {
        const Item& item = m_store.item(i);
        const auto found = back.constFind(item.diskFolder + '/' + item.diskName);
        if (found == back.constEnd())
            continue;
        // The disk name changes; the proposed name stays as the user left it.
        Item& edited = m_store.editItem(i);
        const QString newName = edited.NewName, newExt = edited.NewExt;
        NameSplit::fill(edited, ByteName::decode(found.value()));
        edited.diskName = found.value();
        edited.NewName = newName;
        edited.NewExt = newExt;
    }
}

void RenameSession::setShowDiskNames(bool on)
{
    m_list.painter().setShowDiskNames(on);
    m_header->setVisible(on);
    // The columns fit the list's width; the new name gets what the others leave.
    m_list.horizontalScrollBar()->setValue(0);
    m_list.setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    placeBands();
    m_list.viewport()->update();
}
