#pragma once

#include "list/itemstore.h"
#include "list/selectionsortreplay.h"
#include "platform/userinteraction.h"

#include <vector>

// Sorting, reversing, removing and the manual edit.
//
// Every reordering gives exactly the arrangement that exchanging items one pair at a time
// with ItemStore::SwapItems would give (selection marks travel with their items), but
// applies it in one step, so the views are told once.
class ListOrdering {
public:
    // Sort keys, in menu order.
    enum Key {
        FullName = 0,      // path, name, extension
        PathName = 1,      // path, name
        NameExtension = 2, // name, extension
        Path = 3,
        Name = 4,
        Extension = 5,
        PathExtension = 6, // path, extension
    };
    static constexpr int KeyCount = 7;

    ListOrdering(ItemStore& store, UserInteraction& interaction);

    // Sorts the whole list, or only the selected items over the lines they hold, in
    // ascending key order. Keys outside 0 to 6 do nothing.
    void sortList(int key);
    void sortSelected(int key);
    // Reverses the list, or the selected items over their lines.
    void reverseList();
    void reverseSelected();
    // Removes the selected items; the others keep their order, and nothing is selected
    // afterwards. Nothing on disk is touched.
    void removeSelected();
    // With exactly one selected line, asks for a new proposed name for the item on the
    // focused line. The answer is trimmed of spaces; an empty one changes nothing. The
    // name is not checked for characters a file name cannot hold: renaming refuses those.
    void editManual();

    // The selected lines, top to bottom.
    static std::vector<int> selectedLinesOf(const ItemStore& store);
    // Rearranges the items on the given lines among those lines: line lines[j] gets the
    // item that was on line lines[slotOrder[j]]. Marks travel with their items, and the
    // views are told once.
    static void placeAmong(ItemStore& store, const std::vector<int>& lines,
                           const std::vector<int>& slotOrder);

private:
    // The sort key of an item: its fields (path, proposed name, proposed extension as the
    // key asks) joined by the character of code 0, so that the first field decides and a
    // field that is a prefix of another sorts first. The names on disk play no part.
    static void addSortKey(SortKeyList& keys, const Item& item, int key);
    void sortLines(const std::vector<int>& lines, int key);
    std::vector<int> selectedLines() const { return selectedLinesOf(m_store); }
    void placeAmong(const std::vector<int>& lines, const std::vector<int>& slotOrder)
    {
        placeAmong(m_store, lines, slotOrder);
    }

    ItemStore& m_store;
    UserInteraction& m_interaction;
};
