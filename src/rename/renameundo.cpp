#include "rename/renameundo.h"

#include <cerrno>

RenameUndo::RenameUndo(JournalFolder folder, Platform& platform)
    : m_folder(std::move(folder)), m_platform(platform)
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
            if (m_platform.pathKind(base + entry.newName) &&
                !m_platform.pathKind(base + entry.oldName))
                todo.push_back(i);
        }
    }

    const int total = int(todo.size());
    result.outcomes.reserve(todo.size());
    for (int done = 0; done < total; ++done) {
        if (keepGoing && !keepGoing(done, total)) {
            result.leftOver = total - done;
            break;
        }
        const int index = todo[size_t(done)];
        const RenameJournal::Entry& entry = entries[size_t(index)];
        RenameOutcome outcome{entry.folder, entry.newName, entry.oldName, 0};
        outcome.error = m_platform.renameFile(entry.folder, entry.newName, entry.oldName).error;
        result.outcomes.push_back(outcome);
        if (outcome.ok()) {
            if ((result.journalError = journal->renamedBack(index)) != 0) {
                result.leftOver = total - done - 1;
                break;
            }
        }
    }
    if (result.journalError == 0 && result.leftOver == 0)
        result.journalError = journal->markUndone();
    if (const int error = journal->finish(); result.journalError == 0)
        result.journalError = error;
    return result;
}
