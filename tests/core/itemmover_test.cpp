#include "list/itemmover.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Items named by their original line; marks: one character per line, 'x' selected, '.' not,
// '*' selected and focused.
void fill(ItemStore& store, const char* marks)
{
    for (int i = 0; marks[i]; ++i) {
        Item item;
        item.OrigName = item.NewName = QString::number(i);
        store.append(item);
        store.setSelected(i, marks[i] != '.');
        if (marks[i] == '*')
            store.setCurrentLine(i);
    }
}

// "0 1x 2" style: each line's item, 'x' after a selected one, '*' after the focus when
// the row placed it.
std::string describe(const ItemStore& store, bool showFocus)
{
    std::string out;
    for (int i = 0; i < store.ItemCount(); ++i) {
        out += (i > 0 ? " " : "") + store.item(i).NewName.toStdString();
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
    } rows[] = {
        {"up: one item with the focus", "..*.", true, 1, "0 2x* 1 3"},
        {"up: a block moves as a whole", ".xx.", true, 1, "1x 2x 0 3"},
        {"up: block at the top stays", "xx.x", true, 1, "0x 1x 3x 2"},
        {"up: scattered selection gathers", ".x.x.x", true, 3, "1x 3x 5x 0 2 4"},
        {"down: block at the bottom stays", "x.xx", false, 1, "1 0x 2x 3x"},
        {"down: scattered selection gathers", "x.x.", false, 2, "1 3 0x 2x"},
        {"nothing selected changes nothing", "...", true, 1, "0 1 2"},
        {"empty list", "", true, 1, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ItemStore store;
        fill(store, row.marks);
        for (int n = 0; n < row.presses; ++n)
            row.up ? ItemMover::moveUp(store) : ItemMover::moveDown(store);
        EXPECT_EQ(describe(store, std::strchr(row.marks, '*') != nullptr), row.expected);
    }
}

} // namespace
