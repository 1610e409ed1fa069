#include "list/itemmover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

// Items named by their original line; marks: one character per line, 'x' selected, '.' not,
// '*' selected and focused. The marks follow `before` unmarked lines. The list first held 64
// more lines, marked as `tailMarked` says, so that the words of marks past its end hold
// known bits: a read there shows.
void fill(ItemStore& store, const char* marks, int before = 0, bool tailMarked = false)
{
    const int count = before + int(std::strlen(marks));
    for (int i = 0; i < count + 64; ++i) {
        Item item;
        item.OrigName = item.NewName = QString::number(i);
        store.append(item);
        store.setSelected(i, i >= count ? tailMarked : i >= before && marks[i - before] != '.');
        if (i >= before && i < count && marks[i - before] == '*')
            store.setCurrentLine(i);
    }
    store.removeWhere([count](int i) { return i >= count; });
}

// "0 1x 2" style: each line's item, 'x' after a selected one, '*' after the focus when
// the row placed it.
std::string describe(const ItemStore& store, bool showFocus, int from = 0)
{
    std::string out;
    for (int i = from; i < store.ItemCount(); ++i) {
        out += (i > from ? " " : "") + store.item(i).NewName.toStdString();
        out += store.isSelected(i) ? "x" : "";
        out += showFocus && store.currentLine() == i ? "*" : "";
    }
    return out;
}

TEST(ItemMover, movesTheSelectionOneLine)
{
    const struct {
        const char *name, *marks;
        bool up;
        int presses;
        const char* expected; // the original line numbers in list order, selected ones marked
        int before = 0;       // unmarked lines above the marks, not shown in expected
        bool tailMarked = false;
    } rows[] = {
        {"up: one item with the focus", "..*.", true, 1, "0 2x* 1 3"},
        {"up: a block moves as a whole", ".xx.", true, 1, "1x 2x 0 3"},
        {"up: block at the top stays", "xx.x", true, 1, "0x 1x 3x 2"},
        {"up: scattered selection gathers", ".x.x.x", true, 3, "1x 3x 5x 0 2 4"},
        {"down: block at the bottom stays", "x.xx", false, 1, "1 0x 2x 3x"},
        {"down: scattered selection gathers", "x.x.", false, 2, "1 3 0x 2x"},
        {"nothing selected changes nothing", "...", true, 1, "0 1 2"},
        {"empty list", "", true, 1, ""},
        // The marks are 64-line words: at these lengths the last line is a word's last bit.
        {"up: 64 lines, line 61 moves, the last stays", "x..", true, 1, "61x 60 62 63", 61, true},
        {"down: 64 lines, the last line stays", ".x", false, 1, "61 62 63x", 62},
        {"up: 128 lines, the last line moves", "..x", true, 1, "124 125 127x 126", 125, true},
        {"down: 128 lines, one moves behind the last", "x.x", false, 1, "124 126 125x 127x", 125},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ItemStore store;
        fill(store, row.marks, row.before, row.tailMarked);
        for (int n = 0; n < row.presses; ++n)
            row.up ? ItemMover::moveUp(store) : ItemMover::moveDown(store);
        const bool focus = std::strchr(row.marks, '*') != nullptr;
        EXPECT_EQ(describe(store, focus, std::max(0, row.before - 1)), row.expected);
    }
}

} // namespace
