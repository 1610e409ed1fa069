#pragma once

#include "list/itemstore.h"
#include "platform/filesystem.h"
#include "platform/userinteraction.h"
#include "rename/itemrenameresult.h"

#include <vector>

#include <optional>

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
    std::vector<ItemRenameResult> RenameFiles(bool applyAll);
    // Every proposed name goes back to the name on disk, spaces trimmed.
    void restoreAll();

    bool RemoveAfterRename = true;

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
};
