#pragma once

#include "list/itemstore.h"

#include <vector>

// Marks the given lines of a list, leaving the other marks as they are.
inline void selectLines(ItemStore& store, const std::vector<int>& lines)
{
    for (int line : lines)
        store.setSelected(line, true);
}

// The marked lines, in list order.
inline std::vector<int> markedLines(const ItemStore& store)
{
    std::vector<int> out;
    for (int i = 0; i < store.ItemCount(); ++i) {
        if (store.isSelected(i))
            out.push_back(i);
    }
    return out;
}
