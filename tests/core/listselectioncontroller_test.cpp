#include "list/listselectioncontroller.h"

#include "listmarks.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int LineCount = 40;
constexpr int PageLines = 5;

// "2,5-7" -> {2, 5, 6, 7}
std::vector<int> parseLines(const QString& text)
{
    std::vector<int> lines;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList range = part.split(QLatin1Char('-'));
        for (int i = range.first().toInt(); i <= range.last().toInt(); ++i)
            lines.push_back(i);
    }
    return lines;
}

// Plays one token of a row's input. Prefixes c and s hold Ctrl and Shift. A number clicks
// that line; "2>6>4" presses on 2, drags to 6 and then 4 and lets go; a word presses that
// key; "-0" removes line 0 from the list.
void play(ListSelectionController& controller, ItemStore& store, QString token)
{
    static const std::map<QString, ListKey> keys = {
        {"Up", ListKey::Up},         {"Down", ListKey::Down}, {"PgUp", ListKey::PageUp},
        {"PgDn", ListKey::PageDown}, {"Home", ListKey::Home}, {"End", ListKey::End},
        {"Space", ListKey::Space}};
    if (token.startsWith(QLatin1Char('-'))) {
        const int removed = token.mid(1).toInt();
        store.removeWhere([removed](int i) { return i == removed; });
        return;
    }
    ListModifiers modifiers;
    for (; token.startsWith('c') || token.startsWith('s'); token.remove(0, 1))
        (token.startsWith('c') ? modifiers.ctrl : modifiers.shift) = true;
    if (keys.count(token)) {
        controller.key(keys.at(token), modifiers, PageLines);
        return;
    }
    const QStringList lines = token.split(QLatin1Char('>'));
    controller.press(lines.first().toInt(), modifiers);
    for (const QString& line : lines.mid(1))
        controller.dragTo(line.toInt());
    controller.endDrag();
}

} // namespace

// A list of 40 lines, a page of 5 lines; the current line starts at 0 and no anchor is set.
TEST(ListSelectionControllerTest, rulesLeaveTheMarksCurrentLineAndAnchor)
{
    const struct {
        const char* name;
        const char* before; // lines selected first
        const char* input;  // tokens as play() reads them
        const char* selected;
        int current, anchor;
    } rows[] = {
        {"click selects only that line", "1,2", "3", "3", 3, 3},
        {"click below the last line changes nothing", "1", "40", "1", 0, -1},
        {"ctrl click toggles on and off", "", "2 c5 c2", "5", 2, 2},
        {"shift click selects range from anchor", "", "2 s5", "2-5", 5, 2},
        {"shift click clears other marks", "9", "2 c9 s4", "4-9", 4, 9},
        {"ctrl shift click adds the range", "", "0 c5 cs7", "0,5-7", 7, 5},
        {"shift click before any click starts at current line", "", "s2", "0-2", 2, 0},
        {"removing a line forgets the anchor", "", "5 cDown cDown -0 s10", "7-10", 10, 7},
        {"drag extends from the anchor and shrinks back", "", "2>6>4", "2-4", 4, 2},
        {"ctrl drag gives the range the first line's new state", "2-4,8", "c3>9>5", "2,8", 5, 3},
        {"shift drag extends the shift range", "", "2 s5>8>3", "2-3", 3, 2},
        {"down moves and selects just it", "0,7", "Down", "1", 1, 1},
        {"up at the top stays", "", "Up", "0", 0, 0},
        {"shift up shrinks the range shift down made", "", "Down sDown sDown sUp", "1-2", 2, 1},
        {"page up moves a page up", "", "End PgUp", "34", 34, 34},
        {"page up near the top stops at the first line", "", "3 PgUp", "0", 0, 0},
        {"down at the bottom stays", "", "End Down", "39", 39, 39},
        {"shift end selects to the last line", "", "Down sEnd", "1-39", 39, 1},
        {"space adds the current line", "0", "cDown Space", "0-1", 1, 1},
        {"ctrl space toggles on and off", "0", "cDown cSpace cSpace cDown cSpace", "0,2", 2, 2},
        {"shift space selects the range from the anchor", "0", "3 cDown cDown sSpace", "3-5", 5, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ItemStore store;
        for (int i = 0; i < LineCount; ++i)
            store.append(Item{"/f", QString::number(i), {}, QString::number(i), {}, "/f", {}});
        selectLines(store, parseLines(row.before));
        ListSelectionController controller(store);
        for (const QString& token : QString::fromUtf8(row.input).split(QLatin1Char(' ')))
            play(controller, store, token);
        EXPECT_EQ(markedLines(store), parseLines(row.selected));
        EXPECT_EQ(store.currentLine(), row.current);
        EXPECT_EQ(controller.anchorLine(), row.anchor);
    }
}

TEST(ListSelectionControllerTest, anEmptyListIgnoresKeysAndClicks)
{
    ItemStore store;
    ListSelectionController controller(store);
    for (ListKey key : {ListKey::Up, ListKey::PageDown, ListKey::End, ListKey::Space})
        EXPECT_EQ(controller.key(key, {true, false}, PageLines), -1);
    controller.press(0, {});
    controller.dragTo(0);
    EXPECT_EQ(store.currentLine(), -1);
}
