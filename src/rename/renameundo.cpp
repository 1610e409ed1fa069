#include "rename/renameundo.h"

#include "rename/renamerunner.h"

#include <cerrno>

RenameUndo::RenameUndo(JournalFolder folder, FileSystem& fileSystem)
    : m_folder(std::move(folder)), m_fileSystem(fileSystem)
{
}

bool RenameUndo::canUndo() const
{
    return !m_folder.latestUndoable().isEmpty();
}

RenameUndo::Result RenameUndo::undoLast(const Progress& keepGoing)
{
    const QString journal = m_folder.latestUndoable();
    return journal.isEmpty() ? Result() : undo(journal, keepGoing);
}

RenameUndo::Result RenameUndo::undo(const QString& path, const Progress& keepGoing)
{
    Result result;
    result.journalPath = path;
    const auto content = RenameJournal::read(path);
    if (!content)
        return result;
    result.started = true;
    auto journal = RenameJournal::reopen(path, result.journalError);
    if (!journal) {
        result.stop = Result::Stop::Journal;
        return result;
    }
    const std::vector<int> todo = JournalFolder::entriesLeft(*content);
    const int total = int(todo.size());
    bool complete = true;
    const FileSystem::RenameRun run(m_fileSystem);
    for (int done = 0; done < total; ++done) {
        const RenameJournal::Entry& entry = content->entries[size_t(todo[size_t(done)])];
        if (result.stop == Result::Stop::Finished && keepGoing && !keepGoing(done, total))
            result.stop = Result::Stop::ByCaller;
        if (result.stop != Result::Stop::Finished) {
            report(entry, RenameOutcome::NotTried, 0, result);
            continue;
        }
        if (takeBack(entry, result) == Verdict::Failed) {
            complete = false;
        } else if ((result.journalError = journal->renamedBack(todo[size_t(done)])) != 0) {
            result.stop = Result::Stop::Journal;
            result.journalMidRun = true;
        }
    }
    if (complete && result.stop == Result::Stop::Finished)
        result.journalError = journal->markUndone();
    return result;
}

RenameUndo::Verdict RenameUndo::takeBack(const RenameJournal::Entry& entry, Result& result)
{
    if (!entry.identity)
        return takeBackUnidentified(entry, result);
    const FileIdentity& recorded = *entry.identity;
    std::optional<FileIdentity> atNew = m_fileSystem.identify(entry.folder, entry.newName);
    // An empty file that reserved the new name when the run was killed: proven ours by
    // the identity the journal took of it.
    if (isReservationLeft(entry, atNew) &&
        m_fileSystem.removeLeftover(entry.folder, entry.newName, *atNew) == 0)
        atNew.reset();
    int error = ENOENT;
    if (atNew && atNew->sameFile(recorded)) {
        error = m_fileSystem.renameFile(entry.folder, entry.newName, entry.oldName).error;
        if (error == 0) {
            report(entry, RenameOutcome::Renamed, 0, result);
            return Verdict::Back;
        }
    }
    // The recorded file at the old name: never renamed, or back already. When the new
    // name is a second name of it, a run was killed between link and unlink.
    const std::optional<FileIdentity> atOld = m_fileSystem.identify(entry.folder, entry.oldName);
    if (atOld && atOld->sameFile(recorded)) {
        const bool secondName =
            entry.state == RenameJournal::State::Attempted && atNew && atNew->sameInode(*atOld);
        if (!secondName || m_fileSystem.removeLeftover(entry.folder, entry.newName, *atNew) == 0)
            return Verdict::Back;
        error = EEXIST;
    }
    if (atNew && !atNew->sameFile(recorded))
        report(entry, RenameOutcome::NotTheSameFile, 0, result);
    else
        report(entry, RenameRunner::outcomeOf(entry.oldName, error), error, result);
    return Verdict::Failed;
}

bool RenameUndo::isReservationLeft(const RenameJournal::Entry& entry,
                                   const std::optional<FileIdentity>& atNew)
{
    return entry.state == RenameJournal::State::Attempted && entry.reservation && atNew &&
           atNew->size == 0 && atNew->sameFile(*entry.reservation);
}

RenameUndo::Verdict RenameUndo::takeBackUnidentified(const RenameJournal::Entry& entry,
                                                     Result& result)
{
    if (entry.state == RenameJournal::State::Attempted) {
        // Killed between the rename and its record: renamed when the new name is there and
        // the old one is not (the rename never replaces).
        const QByteArray base = entry.folder + '/';
        if (!m_fileSystem.pathKind(base + entry.newName) ||
            m_fileSystem.pathKind(base + entry.oldName))
            return Verdict::Back;
    }
    return renameBack(entry, result);
}

RenameUndo::Verdict RenameUndo::renameBack(const RenameJournal::Entry& entry, Result& result)
{
    const int error = m_fileSystem.renameFile(entry.folder, entry.newName, entry.oldName).error;
    report(entry, RenameRunner::outcomeOf(entry.oldName, error), error, result);
    return error == 0 ? Verdict::Back : Verdict::Failed;
}

void RenameUndo::report(const RenameJournal::Entry& entry, RenameOutcome outcome, int error,
                        Result& result)
{
    result.add({-1, entry.folder, entry.newName, entry.oldName, outcome, error});
}
