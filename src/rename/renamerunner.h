#pragma once

#include "list/itemstore.h"
#include "platform/filesystem.h"
#include "platform/userinteraction.h"
#include "rename/itemrenameresult.h"
#include "rename/journalfolder.h"

#include <functional>
#include <optional>
#include <vector>

// Carries the proposed names over to the disk (Apply, Apply all) and throws them away
// (Restore all).
class RenameRunner {
public:
    RenameRunner(ItemStore& store, FileSystem& fileSystem, UserInteraction& interaction);

    // Renames the selected items (applyAll false) or every item (true). Nothing is
    // renamed when two items would get one target; those items are then selected and
    // an error is shown. A failed item stays as it was; one message follows the run.
    // A renamed item leaves the list when RemoveAfterRename is set, else its on-disk
    // name becomes the new one and its line is selected.
    //
    // Answers one result per item the run tried, in the order tried (last position
    // first), or, when targets clash, one Duplicate result per clashing item in list
    // order. Items that did not take part have no result.
    //
    // With a journal folder set, the run writes its journal before the first rename; a
    // journal that cannot be written stops the run before any rename, with a message.
    // keepGoing(done, total) is asked before each item; false stops the run there, and
    // the items left get NotTried results. The failure message adds the count and one
    // detail line per item that was not renamed.
    using Progress = std::function<bool(int done, int total)>;
    std::vector<ItemRenameResult> RenameFiles(bool applyAll, const Progress& keepGoing = {});
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
    ItemStore& m_store;
    FileSystem& m_fileSystem;
    UserInteraction& m_interaction;
    std::optional<JournalFolder> m_journals;
};
