#include "list/listordering.h"

#include "listmarks.h"
#include "opstesthelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// An item whose OrigName is a unique tag, so that the order of items with equal keys
// shows in the result.
Item item(const QString& tag, const QString& path, const QString& name, const QString& ext)
{
    return Item{path, tag, ".orig", name, ext, path.toUtf8(), (tag + ".orig").toUtf8()};
}

// One item per "path|name|ext" text, tagged with its input position.
void fill(ItemStore& store, const QStringList& rows)
{
    for (const QString& row : rows) {
        const QStringList f = row.split(QLatin1Char('|'));
        store.append(item(QString::number(store.ItemCount()), f[0], f[1], f[2]));
    }
}

// The key as the menu table defines it: fields joined by the character of code 0.
QString sortKey(const Item& it, int key)
{
    const QString &p = it.ItemPath, &n = it.NewName, &e = it.NewExt;
    const QStringList fields[] = {{p, n, e}, {p, n}, {n, e}, {p}, {n}, {e}, {p, e}};
    return fields[key].join(QChar(0));
}

bool codeUnitsLess(const QString& a, const QString& b)
{
    return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(), b.utf16(),
                                        b.utf16() + b.size());
}

// The sort as users know it, one swap at a time through SwapItems, with its quadratic
// search for the first smallest key. Kept here only to check the fast sort against.
void literalSelectionSort(ItemStore& store, int key, bool selectedOnly)
{
    std::vector<int> position;
    std::vector<QString> keys;
    for (int i = 0; i < store.ItemCount(); ++i) {
        if (!selectedOnly || store.isSelected(i)) {
            position.push_back(i);
            keys.push_back(sortKey(store.item(i), key));
        }
    }
    for (size_t p = 0; p < keys.size(); ++p) {
        size_t q = p;
        for (size_t r = p + 1; r < keys.size(); ++r) {
            if (codeUnitsLess(keys[r], keys[q]))
                q = r;
        }
        if (q != p) {
            store.SwapItems(position[p], position[q]);
            keys[q] = keys[p];
        }
    }
}

// Every field a move carries, the view's line and the mark: one text per line.
QStringList summary(const ItemStore& store)
{
    const QStringList lines = storeLines(store);
    QStringList out;
    for (int i = 0; i < store.ItemCount(); ++i) {
        const Item& x = store.item(i);
        QStringList fields = {x.OrigName, x.ItemPath, x.NewName, x.NewExt, x.OrigExt};
        fields << QString::fromUtf8(x.diskFolder + '/' + x.diskName) << lines.at(i)
               << (store.isSelected(i) ? "marked" : "");
        out << fields.join(QLatin1Char('|'));
    }
    return out;
}

using L = ListOrdering;

} // namespace

TEST(SwapItems, exchangesEveryFieldRewritesBothLinesAndMovesMarks)
{
    ItemStore store;
    fill(store, {"/p0|n0|.e0", "/p1|n1|.e1", "/p2|n2|", "/p3|n3|.e3"});
    store.editItem(1).OrigExt = QStringLiteral(".o1");
    selectLines(store, {1, 2}); // line 2 is a bystander that keeps its mark
    store.SwapItems(1, 3);

    EXPECT_EQ(summary(store), QStringList({"0|/p0|n0|.e0|.orig|/p0/0.orig|n0.e0|",
                                           "3|/p3|n3|.e3|.orig|/p3/3.orig|n3.e3|",
                                           "2|/p2|n2||.orig|/p2/2.orig|n2|marked",
                                           "1|/p1|n1|.e1|.o1|/p1/1.orig|n1.e1|marked"}));
}

TEST(SortReplay, matchesTheLiteralSelectionSortOnRandomLists)
{
    // Few distinct values so that keys are often equal, prefixes of one another, hold the
    // character of code 0, or differ only in case.
    const QChar zero(0);
    const QStringList paths = {"", "/a", "/a b", "/a/x", "/A", QStringLiteral("/a") + zero};
    QStringList names = {"", "b", "B", "ba", "b a", "b" + QString(zero), "file10", "file9"};
    names << QStringLiteral("\u00e9") << QStringLiteral("\uff21")
          << QString(QChar(0xD83D)) + QChar(0xDE00);
    const QStringList exts = {"", ".a", ".A", ".ab", "."};
    std::mt19937 random(2024);
    ScriptedPlatform platform;
    for (int round = 0; round < 700; ++round) {
        const int n = int(random() % (round < 50 ? 6 : 90));
        const int key = int(random() % ListOrdering::KeyCount);
        const bool selectedOnly = random() % 2;
        SCOPED_TRACE(testing::Message() << "round " << round << " n " << n << " key " << key
                                        << (selectedOnly ? " selected" : " list"));
        ItemStore fast, literal;
        for (int i = 0; i < n; ++i) {
            const Item it =
                item(QString::number(i), paths[int(random() % paths.size())],
                     names[int(random() % names.size())], exts[int(random() % exts.size())]);
            fast.append(it);
            literal.append(it);
            const bool mark = random() % 3 == 0;
            fast.setSelected(i, mark);
            literal.setSelected(i, mark);
        }
        literalSelectionSort(literal, key, selectedOnly);
        ListOrdering ordering(fast, platform);
        selectedOnly ? ordering.sortSelected(key) : ordering.sortList(key);
        ASSERT_EQ(summary(fast), summary(literal));
    }
}

TEST(ReverseAndRemove, moveOrDropTheLinesWithTheirMarksAndNeverTouchTheDisk)
{
    const struct {
        const char* name;
        void (ListOrdering::*command)();
        int count;
        std::vector<int> selected;
        const char* expected;
        std::vector<int> expectedMarks;
    } rows[] = {
        // clang-format off
        {"reverse empty list", &L::reverseList, 0, {}, "", {}},
        {"reverse list of four", &L::reverseList, 4, {0}, "3 2 1 0", {3}},
        {"reverse selected, even count", &L::reverseSelected, 6, {0, 2, 3, 5}, "5 1 3 2 4 0", {0, 2, 3, 5}},
        {"reverse selected, odd count: middle stays", &L::reverseSelected, 6, {1, 2, 4}, "0 4 2 3 1 5", {1, 2, 4}},
        {"remove everything", &L::removeSelected, 5, {0, 1, 2, 3, 4}, "", {}},
        {"remove the one selected line", &L::removeSelected, 3, {1}, "0 2", {}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ItemStore store;
        ScriptedPlatform platform;
        for (int i = 0; i < row.count; ++i)
            fill(store, {"/|" + QString::number(i) + "|"});
        selectLines(store, row.selected);
        ListOrdering ordering(store, platform);
        (ordering.*row.command)();
        EXPECT_EQ(storeLines(store).join(' '), row.expected);
        EXPECT_EQ(markedLines(store), row.expectedMarks);
        EXPECT_EQ(platform.renameCalls, 0);
    }
}

TEST(ManualEdit, editsTheFocusedNameWhenExactlyOneLineIsSelected)
{
    const char* const unchanged = "first.a/second.b/third";
    const struct {
        const char* name;
        std::vector<int> selected;
        int focus;
        QString answer;
        QStringList presets; // one per prompt shown
        const char* lines;
    } rows[] = {
        // clang-format off
        {"outer spaces trimmed, inner kept", {1}, 1, "  new  name  ", {"second"}, "first.a/new  name.b/third"},
        {"tab and forbidden characters kept", {1}, 1, "\ta:b*c", {"second"}, "first.a/\ta:b*c.b/third"},
        {"spaces only changes nothing", {1}, 1, "   ", {"second"}, unchanged},
        {"focus away from selection edits focused line", {1}, 2, "edited", {"third"}, "first.a/second.b/edited"},
        {"two selected lines do nothing", {0, 1}, 1, "x", {}, unchanged},
        {"nothing selected does nothing", {}, 1, "x", {}, unchanged},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ItemStore store;
        ScriptedPlatform platform;
        fill(store, {"/|first|.a", "/|second|.b", "/|third|"});
        selectLines(store, row.selected);
        store.setCurrentLine(row.focus);
        platform.inputAnswers.push_back(row.answer);
        ListOrdering(store, platform).editManual();
        EXPECT_EQ(promptPresets(platform), row.presets);
        EXPECT_EQ(storeLines(store).join('/'), row.lines);
        EXPECT_EQ(markedLines(store), row.selected);
    }
}
