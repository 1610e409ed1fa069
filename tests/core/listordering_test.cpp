#include "list/listordering.h"
#include "list/selectionsortreplay.h"

#include "scriptedplatform.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// An item whose OrigName is a unique tag, so that the order of items with equal keys
// shows in the result.
Item item(const QString& tag, const QString& path, const QString& name, const QString& ext)
{
    Item it;
    it.ItemPath = path;
    it.OrigName = tag;
    it.OrigExt = QStringLiteral(".orig");
    it.NewName = name;
    it.NewExt = ext;
    it.diskFolder = path.toUtf8();
    it.diskName = (tag + QStringLiteral(".orig")).toUtf8();
    return it;
}

struct Row {
    QString path, name, ext;
};

void fill(ItemStore& store, const std::vector<Row>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i)
        store.append(item(QString::number(i), rows[i].path, rows[i].name, rows[i].ext));
}

void select(ItemStore& store, const std::vector<int>& lines)
{
    for (int line : lines)
        store.setSelected(line, true);
}

// The tags (input positions) in list order.
QStringList tags(const ItemStore& store)
{
    QStringList out;
    for (int i = 0; i < store.ItemCount(); ++i)
        out << store.item(i).OrigName;
    return out;
}

QStringList lines(const ItemStore& store)
{
    QStringList out;
    for (int i = 0; i < store.rowCount(); ++i)
        out << store.data(store.index(i)).toString();
    return out;
}

std::vector<int> marked(const ItemStore& store)
{
    std::vector<int> out;
    for (int i = 0; i < store.ItemCount(); ++i) {
        if (store.isSelected(i))
            out.push_back(i);
    }
    return out;
}

// The key as the menu table defines it: fields joined by the character of code 0.
QString sortKey(const Item& it, int key)
{
    const QChar join(0);
    const QStringList fields[] = {{it.ItemPath, it.NewName, it.NewExt},
                                  {it.ItemPath, it.NewName},
                                  {it.NewName, it.NewExt},
                                  {it.ItemPath},
                                  {it.NewName},
                                  {it.NewExt},
                                  {it.ItemPath, it.NewExt}};
    return fields[key].join(join);
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
    const int m = int(keys.size());
    for (int p = 0; p < m; ++p) {
        int q = p;
        for (int r = p + 1; r < m; ++r) {
            if (codeUnitsLess(keys[size_t(r)], keys[size_t(q)]))
                q = r;
        }
        if (q != p) {
            store.SwapItems(position[size_t(p)], position[size_t(q)]);
            keys[size_t(q)] = keys[size_t(p)];
        }
    }
}

void expectSameItems(const ItemStore& a, const ItemStore& b)
{
    ASSERT_EQ(a.ItemCount(), b.ItemCount());
    for (int i = 0; i < a.ItemCount(); ++i) {
        SCOPED_TRACE(i);
        const Item& x = a.item(i);
        const Item& y = b.item(i);
        EXPECT_EQ(x.OrigName, y.OrigName);
        EXPECT_EQ(x.ItemPath, y.ItemPath);
        EXPECT_EQ(x.NewName, y.NewName);
        EXPECT_EQ(x.NewExt, y.NewExt);
        EXPECT_EQ(x.diskName, y.diskName);
        EXPECT_EQ(a.isSelected(i), b.isSelected(i));
    }
    EXPECT_EQ(lines(a), lines(b));
}

} // namespace

// --- SwapItems -------------------------------------------------------------------------

struct SwapCase {
    const char* name;
    bool markA, markB;
};
void PrintTo(const SwapCase& c, std::ostream* os)
{
    *os << c.name;
}

class SwapItemsTest : public testing::TestWithParam<SwapCase> {};

TEST_P(SwapItemsTest, exchangesEveryFieldRewritesBothLinesAndMovesMarks)
{
    const SwapCase& c = GetParam();
    ItemStore store;
    fill(store,
         {{"/p0", "n0", ".e0"}, {"/p1", "n1", ".e1"}, {"/p2", "n2", ""}, {"/p3", "n3", ".e3"}});
    store.editItem(1).OrigExt = QStringLiteral(".o1");
    store.setSelected(1, c.markA);
    store.setSelected(3, c.markB);
    store.setSelected(2, true); // a bystander keeps its mark
    QSignalSpy changed(&store, &QAbstractItemModel::dataChanged);

    store.SwapItems(1, 3);

    EXPECT_EQ(tags(store), QStringList({"0", "3", "2", "1"}));
    const Item& moved = store.item(3);
    EXPECT_EQ(moved.ItemPath, QStringLiteral("/p1"));
    EXPECT_EQ(moved.NewName, QStringLiteral("n1"));
    EXPECT_EQ(moved.NewExt, QStringLiteral(".e1"));
    EXPECT_EQ(moved.OrigExt, QStringLiteral(".o1"));
    EXPECT_EQ(moved.diskFolder, QByteArray("/p1"));
    EXPECT_EQ(store.item(1).OrigExt, QStringLiteral(".orig"));
    EXPECT_EQ(lines(store), QStringList({"n0.e0", "n3.e3", "n2", "n1.e1"}));
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed[0][0].value<QModelIndex>().row(), 1);
    EXPECT_EQ(changed[1][0].value<QModelIndex>().row(), 3);
    EXPECT_EQ(store.isSelected(1), c.markB);
    EXPECT_EQ(store.isSelected(3), c.markA);
    EXPECT_TRUE(store.isSelected(2));
    EXPECT_EQ(store.selectedCount(), 1 + int(c.markA) + int(c.markB));
}

INSTANTIATE_TEST_SUITE_P(Marks, SwapItemsTest,
                         testing::Values(SwapCase{"neither_marked", false, false},
                                         SwapCase{"only_first_marked", true, false},
                                         SwapCase{"only_second_marked", false, true},
                                         SwapCase{"both_marked", true, true}),
                         [](const auto& row) { return std::string(row.param.name); });

// --- Sort keys and their order -----------------------------------------------------------

struct SortCase {
    const char* name;
    int key;
    std::vector<Row> rows;
    QStringList expected; // tags in list order
};
void PrintTo(const SortCase& c, std::ostream* os)
{
    *os << c.name;
}

class SortListTest : public testing::TestWithParam<SortCase> {};

TEST_P(SortListTest, ordersByKey)
{
    const SortCase& c = GetParam();
    ItemStore store;
    ScriptedPlatform platform;
    fill(store, c.rows);
    ListOrdering(store, platform).sortList(c.key);
    EXPECT_EQ(tags(store), c.expected);
    QStringList expectedLines;
    for (const QString& tag : c.expected) {
        const Row& r = c.rows[size_t(tag.toInt())];
        expectedLines << r.name + r.ext;
    }
    EXPECT_EQ(lines(store), expectedLines);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SortListTest,
    testing::Values(
        SortCase{"filename_uppercase_before_lowercase_digits_as_characters",
                 ListOrdering::Name,
                 {{"/", "file9", ""}, {"/", "apple", ""}, {"/", "file10", ""}, {"/", "Zebra", ""}},
                 {"3", "1", "2", "0"}},
        SortCase{"filename_prefix_sorts_first",
                 ListOrdering::Name,
                 {{"/", "abc", ""}, {"/", "ab", ""}, {"/", "", ""}},
                 {"2", "1", "0"}},
        SortCase{"path_space_before_separator",
                 ListOrdering::Path,
                 {{"/a/x", "1", ""}, {"/a b", "2", ""}, {"/a", "3", ""}},
                 {"2", "1", "0"}},
        SortCase{"root_folder_empty_path_first",
                 ListOrdering::Path,
                 {{"/a", "1", ""}, {"", "2", ""}},
                 {"1", "0"}},
        SortCase{"extension_none_first",
                 ListOrdering::Extension,
                 {{"/", "a", ".txt"}, {"/", "b", ""}, {"/", "c", ".T"}},
                 {"1", "2", "0"}},
        SortCase{"equal_keys_b_b_a_ends_a_b2_b1",
                 ListOrdering::Name,
                 {{"/", "b", ""}, {"/", "b", ""}, {"/", "a", ""}},
                 {"2", "1", "0"}},
        SortCase{"full_name_path_decides_first",
                 ListOrdering::FullName,
                 {{"/b", "a", ".a"}, {"/a", "z", ".z"}, {"/a", "z", ".y"}},
                 {"2", "1", "0"}},
        SortCase{"path_filename_field_prefix_wins_over_what_follows",
                 ListOrdering::PathName,
                 {{"/a b", "a", ""}, {"/a", "z", ""}},
                 {"1", "0"}},
        SortCase{"filename_extension_joined_by_code_zero_not_concatenated",
                 ListOrdering::NameExtension,
                 {{"/", "a b", ".a"}, {"/", "a", ".z"}},
                 {"1", "0"}},
        SortCase{"path_extension_ignores_name",
                 ListOrdering::PathExtension,
                 {{"/a", "a", ".z"}, {"/a", "z", ".a"}, {"/", "m", ".m"}},
                 {"2", "1", "0"}},
        SortCase{"unknown_key_changes_nothing", 7, {{"/", "b", ""}, {"/", "a", ""}}, {"0", "1"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SortList, usesProposedNamesNotTheNamesOnDisk)
{
    ItemStore store;
    ScriptedPlatform platform;
    store.append(item(QStringLiteral("a-on-disk"), "/", "z", ""));
    store.append(item(QStringLiteral("z-on-disk"), "/", "a", ""));
    ListOrdering(store, platform).sortList(ListOrdering::Name);
    EXPECT_EQ(tags(store), QStringList({"z-on-disk", "a-on-disk"}));
}

TEST(SortList, alreadySortedListIsLeftAlone)
{
    ItemStore store;
    ScriptedPlatform platform;
    fill(store, {{"/", "a", ""}, {"/", "b", ""}, {"/", "b", ""}, {"/", "c", ""}});
    select(store, {1, 3});
    QSignalSpy changed(&store, &QAbstractItemModel::dataChanged);
    QSignalSpy marks(&store, &ItemStore::marksChanged);
    ListOrdering(store, platform).sortList(ListOrdering::Name);
    EXPECT_EQ(tags(store), QStringList({"0", "1", "2", "3"}));
    EXPECT_EQ(marked(store), std::vector<int>({1, 3}));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(marks.count(), 0);
}

// --- Sort selected ---------------------------------------------------------------------

struct SortSelectedCase {
    const char* name;
    std::vector<int> selected;
    QStringList expected;
};
void PrintTo(const SortSelectedCase& c, std::ostream* os)
{
    *os << c.name;
}

class SortSelectedTest : public testing::TestWithParam<SortSelectedCase> {};

TEST_P(SortSelectedTest, sortsOnlyTheSelectedLines)
{
    const SortSelectedCase& c = GetParam();
    ItemStore store;
    ScriptedPlatform platform;
    fill(store, {{"/", "f", ""},
                 {"/", "e", ""},
                 {"/", "d", ""},
                 {"/", "c", ""},
                 {"/", "b", ""},
                 {"/", "a", ""},
                 {"/", "0", ""}});
    select(store, c.selected);
    ListOrdering(store, platform).sortSelected(ListOrdering::Name);
    EXPECT_EQ(tags(store), c.expected);
    EXPECT_EQ(marked(store), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, SortSelectedTest,
    testing::Values(
        SortSelectedCase{"nothing_selected", {}, {"0", "1", "2", "3", "4", "5", "6"}},
        SortSelectedCase{"one_selected", {3}, {"0", "1", "2", "3", "4", "5", "6"}},
        SortSelectedCase{"lines_1_3_5_only", {1, 3, 5}, {"0", "5", "2", "3", "4", "1", "6"}},
        SortSelectedCase{"everything", {0, 1, 2, 3, 4, 5, 6}, {"6", "5", "4", "3", "2", "1", "0"}}),
    [](const auto& row) { return std::string(row.param.name); });

// --- The fast sort against the literal selection sort ------------------------------------

TEST(SortReplay, matchesTheLiteralSelectionSortOnRandomLists)
{
    // Few distinct values so that keys are often equal, prefixes of one another, hold the
    // character of code 0, or differ only in case.
    const QStringList paths = {"", "/a", "/a b", "/a/x", "/A", QStringLiteral("/a") + QChar(0)};
    const QStringList names = {"",
                               "b",
                               "B",
                               "ba",
                               "b a",
                               "b" + QString(QChar(0)),
                               "file10",
                               "file9",
                               QString(QChar(0xE9)),
                               QString(QChar(0xD83D)) + QChar(0xDE00),
                               QString(QChar(0xFF21))};
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
        if (selectedOnly)
            ordering.sortSelected(key);
        else
            ordering.sortList(key);
        expectSameItems(fast, literal);
        if (HasFailure())
            return;
    }
}

TEST(SortReplay, orderOfRanksMatchesTheSwapsOnLargeRandomRanks)
{
    std::mt19937 random(99);
    for (int n : {2, 3, 64, 65, 1000}) {
        SCOPED_TRACE(n);
        std::vector<int> ranks(static_cast<size_t>(n));
        for (int& r : ranks)
            r = int(random() % 7);
        std::vector<int> expected(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            expected[size_t(i)] = i;
        std::vector<int> literal = ranks;
        for (int p = 0; p < n; ++p) {
            int q = p;
            for (int r = p + 1; r < n; ++r) {
                if (literal[size_t(r)] < literal[size_t(q)])
                    q = r;
            }
            std::swap(literal[size_t(p)], literal[size_t(q)]);
            std::swap(expected[size_t(p)], expected[size_t(q)]);
        }
        EXPECT_EQ(SelectionSortReplay::orderOfRanks(ranks), expected);
    }
}

// --- Reverse ---------------------------------------------------------------------------

struct ReverseCase {
    const char* name;
    int count;
    bool selectedOnly;
    std::vector<int> selected;
    QStringList expected;
    std::vector<int> expectedMarks;
};
void PrintTo(const ReverseCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReverseTest : public testing::TestWithParam<ReverseCase> {};

TEST_P(ReverseTest, reverses)
{
    const ReverseCase& c = GetParam();
    ItemStore store;
    ScriptedPlatform platform;
    for (int i = 0; i < c.count; ++i)
        store.append(item(QString::number(i), "/", QString::number(i), ""));
    select(store, c.selected);
    ListOrdering ordering(store, platform);
    if (c.selectedOnly)
        ordering.reverseSelected();
    else
        ordering.reverseList();
    EXPECT_EQ(tags(store), c.expected);
    EXPECT_EQ(lines(store), c.expected);
    EXPECT_EQ(marked(store), c.expectedMarks);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ReverseTest,
    testing::Values(
        ReverseCase{"list_empty", 0, false, {}, {}, {}},
        ReverseCase{"list_of_one", 1, false, {0}, {"0"}, {0}},
        ReverseCase{"list_of_four", 4, false, {0}, {"3", "2", "1", "0"}, {3}},
        ReverseCase{
            "list_of_five_middle_stays", 5, false, {1, 2}, {"4", "3", "2", "1", "0"}, {2, 3}},
        ReverseCase{"selected_one", 4, true, {2}, {"0", "1", "2", "3"}, {2}},
        ReverseCase{"selected_even_count",
                    6,
                    true,
                    {0, 2, 3, 5},
                    {"5", "1", "3", "2", "4", "0"},
                    {0, 2, 3, 5}},
        ReverseCase{"selected_odd_count_middle_stays",
                    6,
                    true,
                    {1, 2, 4},
                    {"0", "4", "2", "3", "1", "5"},
                    {1, 2, 4}}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Remove ----------------------------------------------------------------------------

struct RemoveCase {
    const char* name;
    std::vector<int> selected;
    QStringList expected;
};
void PrintTo(const RemoveCase& c, std::ostream* os)
{
    *os << c.name;
}

class RemoveTest : public testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveTest, removesTheSelectedItemsOnly)
{
    const RemoveCase& c = GetParam();
    ItemStore store;
    ScriptedPlatform platform;
    for (int i = 0; i < 5; ++i)
        store.append(item(QString::number(i), "/", QString::number(i), ".x"));
    select(store, c.selected);
    ListOrdering(store, platform).removeSelected();
    EXPECT_EQ(store.ItemCount(), int(c.expected.size()));
    EXPECT_EQ(tags(store), c.expected);
    EXPECT_EQ(store.rowCount(), int(c.expected.size()));
    EXPECT_EQ(store.selectedCount(), 0);
    EXPECT_EQ(platform.renameCalls, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, RemoveTest,
    testing::Values(RemoveCase{"nothing_selected", {}, {"0", "1", "2", "3", "4"}},
                    RemoveCase{"everything_selected", {0, 1, 2, 3, 4}, {}},
                    RemoveCase{"scattered", {0, 2, 3}, {"1", "4"}},
                    RemoveCase{"last_only", {4}, {"0", "1", "2", "3"}}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Manual edit -----------------------------------------------------------------------

struct ManualCase {
    const char* name;
    std::vector<int> selected;
    int focus;
    std::vector<QString> answers; // none: the prompt is cancelled
    bool prompted;
    QStringList expectedNames;
};
void PrintTo(const ManualCase& c, std::ostream* os)
{
    *os << c.name;
}

class ManualEditTest : public testing::TestWithParam<ManualCase> {};

TEST_P(ManualEditTest, editsTheFocusedName)
{
    const ManualCase& c = GetParam();
    ItemStore store;
    ScriptedPlatform platform;
    fill(store, {{"/", "first", ".a"}, {"/", "second", ".b"}, {"/", "third", ""}});
    select(store, c.selected);
    store.setCurrentLine(c.focus);
    for (const QString& answer : c.answers)
        platform.inputAnswers.push_back(answer);

    ListOrdering(store, platform).editManual();

    ASSERT_EQ(platform.prompts.size(), c.prompted ? 1u : 0u);
    if (c.prompted) {
        EXPECT_EQ(platform.prompts[0].prompt, QStringLiteral("Enter new text (without extension)"));
        EXPECT_EQ(platform.prompts[0].title, QStringLiteral("Edit manual..."));
        EXPECT_EQ(platform.prompts[0].preset, store.item(c.focus).OrigName == "0"   ? "first"
                                              : store.item(c.focus).OrigName == "1" ? "second"
                                                                                    : "third");
    }
    QStringList names;
    for (int i = 0; i < store.ItemCount(); ++i)
        names << store.item(i).NewName;
    EXPECT_EQ(names, c.expectedNames);
    EXPECT_EQ(lines(store).at(1), names.at(1) + ".b"); // the extension stays
    EXPECT_EQ(store.item(1).NewExt, QStringLiteral(".b"));
    EXPECT_EQ(marked(store), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ManualEditTest,
    testing::Values(
        ManualCase{
            "inner_spaces_kept", {1}, 1, {"new  name"}, true, {"first", "new  name", "third"}},
        ManualCase{"leading_and_trailing_spaces_trimmed",
                   {1},
                   1,
                   {"  new name  "},
                   true,
                   {"first", "new name", "third"}},
        ManualCase{"tab_is_not_trimmed", {1}, 1, {"\tx"}, true, {"first", "\tx", "third"}},
        ManualCase{
            "spaces_only_changes_nothing", {1}, 1, {"   "}, true, {"first", "second", "third"}},
        ManualCase{"cancel_changes_nothing", {1}, 1, {}, true, {"first", "second", "third"}},
        ManualCase{
            "forbidden_characters_accepted", {1}, 1, {"a:b*c"}, true, {"first", "a:b*c", "third"}},
        ManualCase{"focus_away_from_selection_edits_focused_line",
                   {1},
                   2,
                   {"edited"},
                   true,
                   {"first", "second", "edited"}},
        ManualCase{
            "two_selected_lines_do_nothing", {0, 1}, 1, {"x"}, false, {"first", "second", "third"}},
        ManualCase{
            "nothing_selected_does_nothing", {}, 1, {"x"}, false, {"first", "second", "third"}}),
    [](const auto& row) { return std::string(row.param.name); });
