#pragma once

#include "list/itemstore.h"
#include "platform/platform.h"

// Sorting, reversing, removing and the manual edit.
class ListOrdering {
public:
    ListOrdering(ItemStore& store, Platform& platform);

    // Sort keys 0 to 6: full name, path/filename, filename/extension, path, filename,
    // extension, path/extension.
    void sortList(int key);
    void sortSelected(int key);
    void reverseList();
    void reverseSelected();
    void removeSelected();
    void editManual();

private:
    ItemStore& m_store;
    Platform& m_platform;
};
