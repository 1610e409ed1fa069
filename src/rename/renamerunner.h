#pragma once

#include "list/itemstore.h"
#include "platform/filesystem.h"
#include "rename/itemrenameresult.h"
#include "rename/journalfolder.h"
#include "rename/renamerunresult.h"

#include <functional>
#include <optional>
#include <vector>

// Carries the proposed names over to the disk (Apply, Apply all) and throws them away
// (Restore all). A run is plan -> journal -> loop -> result: the plan lists the items to
// rename in the order tried, the journal records it, the loop walks it, and the result
// says what happened. The runner shows nothing; the caller reports the result.
class RenameRunner {
public:
    // One item of a run, in the order the run tries them (last list position first).
    struct PlannedRename {
        int item = -1; // position in the list when the run started
        QByteArray folder;
        QByteArray oldName;
        // The target's on-disk bytes; none when no bytes can stand for the proposed name
        // (a lone surrogate), which is refused without touching the disk.
        std::optional<QByteArray> newName;

        // A rename the journal records: one that gives the file another name.
        bool changesName() const { return newName && *newName != oldName; }
    };
    using Plan = std::vector<PlannedRename>;
    using Result = RenameRunResult;
    // Asked before each planned item; false stops the run there.
    using Progress = std::function<bool(int done, int total)>;

    RenameRunner(ItemStore& store, FileSystem& fileSystem);

    // Renames the selected items (applyAll false) or every item (true).
    //
    // When two items would get one target (same folder, letter case ignored), nothing is
    // renamed: the clashing items are selected and the result's stop is Duplicates, with
    // one Duplicate outcome each; the caller shows "One or more dublicate filenames
    // found" titled "Error...".
    //
    // Otherwise the plan is tried item by item. A failed item stays as it was. A renamed
    // item leaves the list when RemoveAfterRename is set, else its on-disk name becomes
    // the new one and its line is selected. With a journal folder set, the journal is
    // written before the first rename; when it cannot be, nothing is renamed (stop
    // Journal, no outcomes), and when it fails later the run stops there.
    // keepGoing(done, total) is asked before each rename that changes a name (total counts
    // those); false leaves the rest NotTried.
    Result RenameFiles(bool applyAll, const Progress& keepGoing = {});
    // The items that take part, in the order a run tries them.
    Plan plan(bool applyAll) const;
    // Every proposed name goes back to the name on disk, spaces trimmed.
    void restoreAll();

    bool RemoveAfterRename = true;

    // Where runs keep their journals; none keeps no journal (the default).
    void setJournalFolder(std::optional<JournalFolder> folder) { m_journals = std::move(folder); }
    const std::optional<JournalFolder>& journalFolder() const { return m_journals; }

    // The on-disk bytes an item's proposed name stands for (see ByteName): the bytes of
    // an unchanged name, and every byte outside the edited part, are those on disk.
    // Empty when the name holds a lone surrogate that no byte string can carry.
    static std::optional<QByteArray> targetBytes(const Item& item);
    // Names the reason of a rename to newName that ended with errno error (0: success).
    static RenameOutcome outcomeOf(const QByteArray& newName, int error);

private:
    std::vector<char> takingPart(bool applyAll) const;
    bool refuseDuplicates(bool applyAll, Result& result);
    std::unique_ptr<RenameJournal> startJournal(Result& result) const;
    void runPlan(const Plan& plan, RenameJournal* journal, const Progress& keepGoing,
                 Result& result);
    // Renames one planned item, with its journal records around it; the errno, or
    // NotRecorded when the journal could not take the record and nothing was tried.
    static constexpr int NotRecorded = -1;
    int tryStep(const PlannedRename& step, RenameJournal* journal, Result& result);
    void failJournal(int error, Result& result) const;
    void keepRenamed(int item, const QByteArray& newName);
    void closeJournal(RenameJournal& journal, Result& result) const;

    ItemStore& m_store;
    FileSystem& m_fileSystem;
    std::optional<JournalFolder> m_journals;
    int m_reservationError = 0; // of the journal record of the last reservation
};
