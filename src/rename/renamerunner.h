#pragma once

#include "list/itemstore.h"
#include "platform/platform.h"

// Carries the proposed names over to the disk (Apply, Apply all) and throws them away
// (Restore all).
class RenameRunner {
public:
    RenameRunner(ItemStore& store, Platform& platform);

    // Renames the selected items (applyAll false) or every item (true). Nothing is
    // renamed when two items would get one target; those items are then selected and
    // an error is shown. A failed item stays as it was; one message follows the run.
    // A renamed item leaves the list when RemoveAfterRename is set, else its on-disk
    // name becomes the new one and its line is selected.
    void RenameFiles(bool applyAll);
    // Every proposed name goes back to the name on disk, spaces trimmed.
    void restoreAll();

    bool RemoveAfterRename = true;

    // The on-disk bytes an item's proposed name stands for. An unchanged name keeps the
    // exact on-disk bytes, so that a name which is not valid UTF-8 is not respelt.
    static QByteArray targetBytes(const Item& item);

private:
    ItemStore& m_store;
    Platform& m_platform;
};
