#pragma once

#include "list/itemstore.h"
#include "platform/platform.h"

// Carries the proposed names over to the disk (Apply, Apply all) and throws them away
// (Restore all).
class RenameRunner {
public:
    RenameRunner(ItemStore& store, Platform& platform);

    void RenameFiles(bool applyAll);
    void restoreAll();

    bool RemoveAfterRename = true;

private:
    ItemStore& m_store;
    Platform& m_platform;
};
