#pragma once

#include "platform/filesystem.h"
#include "rename/itemrenameresult.h"
#include "rename/journalfolder.h"
#include "rename/renamerunresult.h"

#include <functional>
#include <vector>

// Takes back the renames of the newest journal that has any left, from its record alone:
// each file goes from its new name back to its old one, last rename first, with the same
// rename that never replaces anything. A file that is gone, or whose old name is taken
// now, is skipped and reported. Each call steps back one journal.
class RenameUndo {
public:
    // As an Apply's result; in each outcome oldName is the name now, newName the name
    // before the apply, and item is -1. journalPath is the journal undone.
    struct Result : RenameRunResult {
        bool started = false; // a journal was found and taken up
    };

    // keepGoing(done, total) is asked before each file; false stops the undo there, and
    // the next undo carries on with the files left.
    using Progress = std::function<bool(int done, int total)>;

    RenameUndo(JournalFolder folder, FileSystem& fileSystem);

    bool canUndo() const;
    Result undoLast(const Progress& keepGoing = {});

private:
    // The entries to take back, last rename first.
    std::vector<int> renamedEntries(const std::vector<RenameJournal::Entry>& entries);

    JournalFolder m_folder;
    FileSystem& m_fileSystem;
};
