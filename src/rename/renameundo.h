#pragma once

#include "platform/filesystem.h"
#include "rename/itemrenameresult.h"
#include "rename/journalfolder.h"
#include "rename/renamerunresult.h"

#include <QHash>

#include <functional>
#include <vector>

// Takes back the renames of a journal, from its record alone, last rename first. Each
// entry is decided at the moment it is taken back, by the identity of the file the
// journal recorded just before the rename:
//   - the recorded file is at the old name: it was never renamed (or is back already);
//   - it is at the new name: it goes back with the rename that never replaces anything;
//   - neither: it is reported, and nothing is touched.
// A file whose identity does not match is never touched. Leftovers of a run killed in
// the middle of a rename are removed only when proven its own: the second name of the
// file left between link and unlink, and an empty reservation whose identity the journal
// holds, and the one an undo made for itself. An empty file that a kill between its
// exclusive create and its record left is not proven; it stays, and the entries it
// holds up are reported so that the user can remove it. An entry is marked back only
// when it is; an undo that could not take back
// everything can be run again. Journals of version 1 (no identity) are undone as
// before: a rename whose outcome is missing counts as made when its new name is there
// and its old one is not.
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
    // Undoes the newest journal with work left.
    Result undoLast(const Progress& keepGoing = {});
    // Undoes the journal at path.
    Result undo(const QString& journal, const Progress& keepGoing = {});

private:
    // What became of one entry.
    enum class Verdict { Back, Failed };
    Verdict takeBack(const RenameJournal::Entry& entry, Result& result);
    Verdict takeBackUnidentified(const RenameJournal::Entry& entry, Result& result);
    Verdict renameBack(const RenameJournal::Entry& entry, Result& result);
    // Whether found is the file the entry recorded.
    static bool isRecorded(const RenameJournal::Entry& entry,
                           const std::optional<FileIdentity>& found);
    static bool isEmptyFile(const std::optional<FileIdentity>& found);
    static bool isReservationLeft(const RenameJournal::Entry& entry,
                                  const std::optional<FileIdentity>& atNew);
    // Removes the empty file an earlier undo made at the old name and left; true when
    // it did.
    bool removeUndoLeftover(const RenameJournal::Entry& entry);
    // Reports an entry kept from going back by the empty file at holder.
    Verdict holdUp(const RenameJournal::Entry& entry, const QByteArray& holder, Result& result);
    void report(const RenameJournal::Entry& entry, RenameOutcome outcome, int error,
                Result& result);

    JournalFolder m_folder;
    FileSystem& m_fileSystem;
    // Paths kept taken in this undo by an unproven empty file, or by a file of ours that
    // such a file holds up -> the name of that empty file.
    QHash<QByteArray, QByteArray> m_held;
};
