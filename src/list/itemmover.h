#pragma once

#include "list/itemstore.h"

// Move up / Move down: every selected item moves one line with one SwapItems, so its mark
// travels with it. A selected block at the edge of the list stays, and so does every
// selected item directly behind it; repeated presses gather a scattered selection at that
// edge. The line with the focus follows its item. Linear in the list length.
class ItemMover {
public:
    static void moveUp(ItemStore& store);
    static void moveDown(ItemStore& store);

private:
    static void swapFollowingFocus(ItemStore& store, int a, int b);
};
