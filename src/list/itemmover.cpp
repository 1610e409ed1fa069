#include "list/itemmover.h"

void ItemMover::moveUp(ItemStore& store)
{
    ItemStore::Batch batch(store);
    // After a swap line i is unselected, so the next selected line moves up behind it:
    // a selected block moves as a whole.
    for (int i = 1; i < store.ItemCount(); ++i) {
        if (store.isSelected(i) && !store.isSelected(i - 1))
            swapFollowingFocus(store, i - 1, i);
    }
}

void ItemMover::moveDown(ItemStore& store)
{
    ItemStore::Batch batch(store);
    for (int i = store.ItemCount() - 2; i >= 0; --i) {
        if (store.isSelected(i) && !store.isSelected(i + 1))
            swapFollowingFocus(store, i, i + 1);
    }
}

void ItemMover::swapFollowingFocus(ItemStore& store, int a, int b)
{
    store.SwapItems(a, b);
    const int current = store.currentLine();
    if (current == a)
        store.setCurrentLine(b);
    else if (current == b)
        store.setCurrentLine(a);
}
