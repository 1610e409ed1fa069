#include "rename/renameundo.h"

#include "rename/renamerunner.h"

#include <cerrno>

RenameUndo::RenameUndo(JournalFolder folder, FileSystem& fileSystem)
    : m_folder(std::move(folder)), m_fileSystem(fileSystem)
{
}

std::vector<int> RenameUndo::renamedEntries(const std::vector<RenameJournal::Entry>& entries)
{
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
    return todo;
}

bool RenameUndo::canUndo() const
{
    return !m_folder.latestUndoable().isEmpty();
}

RenameUndo::Result RenameUndo::undoLast(const Progress& keepGoing)
{
    Result result;
    result.journalPath = m_folder.latestUndoable();
    if (result.journalPath.isEmpty())
        return result;
    const auto content = RenameJournal::read(result.journalPath);
    if (!content)
        return result;
    result.started = true;
    auto journal = RenameJournal::reopen(result.journalPath, result.journalError);
    if (!journal) {
        result.stop = Result::Stop::Journal;
        return result;
    }

    const auto& entries = content->entries;
    const std::vector<int> todo = renamedEntries(entries);
    const int total = int(todo.size());
    result.outcomes.reserve(todo.size());
    bool stopped = false;
    {
        const FileSystem::RenameRun run(m_fileSystem);
        for (int done = 0; done < total; ++done) {
            const int index = todo[size_t(done)];
            const RenameJournal::Entry& entry = entries[size_t(index)];
            if (!stopped && keepGoing && !keepGoing(done, total)) {
                stopped = true;
                result.stop = Result::Stop::ByCaller;
            }
            if (stopped) {
                result.add(
                    {-1, entry.folder, entry.newName, entry.oldName, RenameOutcome::NotTried, 0});
                continue;
            }
            const int error =
                m_fileSystem.renameFile(entry.folder, entry.newName, entry.oldName).error;
            result.add({-1, entry.folder, entry.newName, entry.oldName,
                        RenameRunner::outcomeOf(entry.oldName, error), error});
            if (error == 0 && (result.journalError = journal->renamedBack(index)) != 0) {
                stopped = true;
                result.stop = Result::Stop::Journal;
                result.journalMidRun = true;
            }
        }
    }
    if (!stopped)
        result.journalError = journal->markUndone();
    if (const int error = journal->finish(); result.journalError == 0)
        result.journalError = error;
    return result;
}
