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
    // The undo's own reservations go on record as well, so that an undo after a kill in
    // the middle of one can tell the empty file it left from anybody's.
    int current = -1, recordError = 0;
    m_fileSystem.watchReservations([&](const std::optional<FileIdentity>& reservation) {
        if (recordError != 0)
            return 0; // only the first failure stops a rename: a parked file may go back
        recordError = journal->undoReserved(current, reservation);
        return recordError;
    });
    m_held.clear();
    for (int done = 0; done < total; ++done) {
        current = todo[size_t(done)];
        const RenameJournal::Entry& entry = content->entries[size_t(current)];
        if (result.stop == Result::Stop::Finished && keepGoing && !keepGoing(done, total))
            result.stop = Result::Stop::ByCaller;
        if (result.stop != Result::Stop::Finished) {
            report(entry, RenameOutcome::NotTried, 0, result);
            continue;
        }
        if (takeBack(entry, result) == Verdict::Failed)
            complete = false;
        else if (recordError == 0)
            recordError = journal->renamedBack(current);
        if (recordError != 0) {
            result.journalError = recordError;
            result.stop = Result::Stop::Journal;
            result.journalMidRun = true;
        }
    }
    m_fileSystem.watchReservations({});
    if (complete && result.stop == Result::Stop::Finished)
        result.journalError = journal->markUndone();
    return result;
}

RenameUndo::Verdict RenameUndo::takeBack(const RenameJournal::Entry& entry, Result& result)
{
    if (!entry.identity)
        return takeBackUnidentified(entry, result);
    std::optional<FileIdentity> atNew = m_fileSystem.identify(entry.folder, entry.newName);
    // An empty file that reserved the new name when the run was killed before the move:
    // proven ours by the identity the journal took of it, while the file is still at its
    // old name (an empty file moved onto it on FAT looks just like it).
    if (isReservationLeft(entry, atNew) &&
        isRecorded(entry, m_fileSystem.identify(entry.folder, entry.oldName)) &&
        m_fileSystem.removeLeftover(entry.folder, entry.newName, *atNew) == 0)
        atNew.reset();
    // Killed between the exclusive create and its record: nothing proves the empty file
    // ours, so it stays, and the user is told what it is.
    if (entry.reserving && !entry.reservation && isEmptyFile(atNew) && !isRecorded(entry, atNew))
        return holdUp(entry, entry.newName, result);
    int error = ENOENT;
    if (isRecorded(entry, atNew)) {
        error = m_fileSystem.renameFile(entry.folder, entry.newName, entry.oldName).error;
        if (error == EEXIST && removeUndoLeftover(entry))
            error = m_fileSystem.renameFile(entry.folder, entry.newName, entry.oldName).error;
        if (error == 0) {
            report(entry, RenameOutcome::Renamed, 0, result);
            return Verdict::Back;
        }
        if (error == EEXIST) {
            // Held by such an empty file, or by a file of ours that one kept in place.
            const auto held = m_held.constFind(FileSystem::join(entry.folder, entry.oldName));
            if (held != m_held.constEnd())
                return holdUp(entry, *held, result);
        }
    }
    // The recorded file at the old name: never renamed, or back already. When the new
    // name is a second name of it, a run was killed between link and unlink.
    const std::optional<FileIdentity> atOld = m_fileSystem.identify(entry.folder, entry.oldName);
    if (isRecorded(entry, atOld)) {
        const bool secondName =
            entry.state == RenameJournal::State::Attempted && atNew && atNew->sameInode(*atOld);
        if (!secondName || m_fileSystem.removeLeftover(entry.folder, entry.newName, *atNew) == 0)
            return Verdict::Back;
        error = EEXIST;
    } else if (error == EEXIST && entry.undoReserving && !entry.undoReservation &&
               isEmptyFile(atOld)) {
        return holdUp(entry, entry.oldName, result); // an undo killed as the run above
    }
    if (atNew && !isRecorded(entry, atNew))
        report(entry, RenameOutcome::NotTheSameFile, 0, result);
    else
        report(entry, RenameRunner::outcomeOf(entry.oldName, error), error, result);
    return Verdict::Failed;
}

bool RenameUndo::isRecorded(const RenameJournal::Entry& entry,
                            const std::optional<FileIdentity>& found)
{
    if (!found)
        return false;
    const FileIdentity& recorded = *entry.identity;
    if (found->sameFile(recorded))
        return true;
    // FAT under FUSE stamps a file moved onto a reservation with the time of the move
    // until it gets its own time back; a kill in between leaves it so. The move follows
    // the making of the reservation within moments (the allowance also covers FAT's
    // two-second steps), and a file that size stamped then at that name is the one moved.
    constexpr qint64 MoveAllowance = 10; // seconds
    const auto movedOnto = [&](const std::optional<FileIdentity>& reservation) {
        return reservation && !found->stableInode && found->regularFile &&
               found->size == recorded.size && found->mtimeSeconds >= reservation->mtimeSeconds &&
               found->mtimeSeconds <= reservation->mtimeSeconds + MoveAllowance;
    };
    return movedOnto(entry.reservation) || movedOnto(entry.undoReservation);
}

bool RenameUndo::isEmptyFile(const std::optional<FileIdentity>& found)
{
    return found && found->size == 0 && found->regularFile;
}

bool RenameUndo::isReservationLeft(const RenameJournal::Entry& entry,
                                   const std::optional<FileIdentity>& atNew)
{
    return entry.state == RenameJournal::State::Attempted && entry.reservation &&
           isEmptyFile(atNew) && atNew->sameFile(*entry.reservation);
}

bool RenameUndo::removeUndoLeftover(const RenameJournal::Entry& entry)
{
    if (!entry.undoReservation)
        return false;
    const std::optional<FileIdentity> atOld = m_fileSystem.identify(entry.folder, entry.oldName);
    return isEmptyFile(atOld) && atOld->sameFile(*entry.undoReservation) &&
           m_fileSystem.removeLeftover(entry.folder, entry.oldName, *atOld) == 0;
}

RenameUndo::Verdict RenameUndo::holdUp(const RenameJournal::Entry& entry, const QByteArray& holder,
                                       Result& result)
{
    // The file of this entry stays at its new name and keeps the entry before it (in
    // the order of the run) from going back.
    m_held.insert(FileSystem::join(entry.folder, entry.newName), holder);
    result.add({-1, entry.folder, entry.newName, entry.oldName, RenameOutcome::HeldByLeftover,
                EEXIST, holder});
    return Verdict::Failed;
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
