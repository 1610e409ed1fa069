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
    Result result;
    result.journal = m_folder.latestUndoable();
    if (result.journal.isEmpty())
        return result;
    const auto content = RenameJournal::read(result.journal);
    if (!content)
        return result;
    result.started = true;
    auto journal = RenameJournal::reopen(result.journal, result.journalError);
    if (!journal)
        return result;

    const auto& entries = content->entries;
    std::vector<int> todo;
    for (int i = int(entries.size()) - 1; i >= 0; --i) {
        const RenameJournal::Entry& entry = entries[size_t(i)];
        if (entry.oldName == entry.newName)
            continue;
        if (entry.state == RenameJournal::State::Renamed) {
            todo.push_back(i);
        } else if (entry.state == RenameJournal::State::Attempted) {
            // Killed between the rename and its record: renamed when the new name is
            // there and the old one is not (the rename never replaces).
            const QByteArray base = entry.folder + '/';
            if (m_fileSystem.pathKind(base + entry.newName) &&
                !m_fileSystem.pathKind(base + entry.oldName))
                todo.push_back(i);
        }
    }

    const int total = int(todo.size());
    result.outcomes.reserve(todo.size());
    bool stopped = false;
    {
        const FileSystem::RenameRun run(m_fileSystem);
        for (int done = 0; done < total; ++done) {
            const int index = todo[size_t(done)];
            const RenameJournal::Entry& entry = entries[size_t(index)];
            stopped = stopped || (keepGoing && !keepGoing(done, total));
            if (stopped) {
                result.outcomes.push_back(
                    {-1, entry.folder, entry.newName, entry.oldName, RenameOutcome::NotTried, 0});
                continue;
            }
            const int error =
                m_fileSystem.renameFile(entry.folder, entry.newName, entry.oldName).error;
            result.outcomes.push_back({-1, entry.folder, entry.newName, entry.oldName,
                                       RenameRunner::outcomeOf(entry.oldName, error), error});
            if (error == 0)
                stopped = (result.journalError = journal->renamedBack(index)) != 0;
        }
    }
    if (!stopped)
        result.journalError = journal->markUndone();
    if (const int error = journal->finish(); result.journalError == 0)
        result.journalError = error;
    return result;
}
