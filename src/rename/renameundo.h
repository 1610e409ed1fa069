#pragma once

#include "platform/filesystem.h"
#include "rename/itemrenameresult.h"
#include "rename/journalfolder.h"

#include <functional>
#include <vector>

// Takes back the renames of the newest journal that has any left, from its record alone:
// each file goes from its new name back to its old one, last rename first, with the same
// rename that never replaces anything. A file that is gone, or whose old name is taken
// now, is skipped and reported. Each call steps back one journal.
class RenameUndo {
public:
    struct Result {
        bool started = false; // a journal was found and taken up
        int journalError = 0; // errno when the journal could not be written to
        QString journal;      // its path
        // oldName = the name now, newName = the name before the apply; item is -1.
        // Files a stop left untouched are NotTried.
        std::vector<ItemRenameResult> outcomes;
    };

    // keepGoing(done, total) is asked before each file; false stops the undo there, and
    // the next undo carries on with the files left.
    using Progress = std::function<bool(int done, int total)>;

    RenameUndo(JournalFolder folder, FileSystem& fileSystem);

    bool canUndo() const;
    Result undoLast(const Progress& keepGoing = {});

private:
    JournalFolder m_folder;
    FileSystem& m_fileSystem;
};
