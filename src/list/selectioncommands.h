#pragma once

#include "list/itemstore.h"
#include "platform/platform.h"

// The Select submenu: All, None, Invert, Containing..., Min. length, Max. length.
class SelectionCommands {
public:
    SelectionCommands(ItemStore& store, Platform& platform);

    void SelectAll();
    void selectNone();
    void invert();
    void containing(); // opens the find dialog in find mode
    void minLength();
    void maxLength();

private:
    ItemStore& m_store;
    Platform& m_platform;
};
