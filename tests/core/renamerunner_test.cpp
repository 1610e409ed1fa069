#include "listmarks.h"
#include "rename/duplicatecheck.h"
#include "rename/renamerunner.h"
#include "renamefiles.h"
#include "resources/stringtable.h"
#include "rowname.h"
#include "scriptedplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// An item for the file at `relative` ("folder/name") in the tree.
Item itemFor(const TempTree& tree, const QByteArray& relative)
{
    const int slash = relative.lastIndexOf('/');
    return slash < 0 ? diskItem(tree.root(), relative)
                     : diskItem(tree.path(relative.left(slash)), relative.mid(slash + 1));
}

void propose(ItemStore& store, int i, const QString& full)
{
    const qsizetype dot = full.lastIndexOf(QLatin1Char('.'));
    store.setNewName(i, dot < 0 ? full : full.left(dot));
    store.setNewExt(i, dot < 0 ? QString() : full.mid(dot));
}

std::vector<QString> lines(const ItemStore& store)
{
    std::vector<QString> out;
    for (int i = 0; i < store.ItemCount(); ++i)
        out.push_back(store.item(i).line());
    return out;
}

constexpr bool All = true, SelectedOnly = false; // Apply all / Apply
constexpr bool Remove = true, Keep = false;      // remove renamed items from the list

struct ApplyCase {
    const char* name;
    std::vector<const char*> files; // one item per file, content = its path
    std::vector<std::pair<int, const char*>> proposals;
    std::vector<int> selected;
    bool applyAll;
    bool removeAfterRename;
    // Every file on disk afterwards as "path<content"; "path" alone keeps its content.
    std::vector<const char*> filesAfter;
    std::vector<const char*> linesAfter;
    std::vector<int> selectedAfter;
    std::vector<TextId> messageIds;
    const char* failing = nullptr; // the platform refuses to rename this file
};

class RenameFilesTest : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(RenameFilesTest, renamesAsProposed)
{
    const ApplyCase& row = GetParam();
    TempTree tree;
    ItemStore store;
    ScriptedPlatform platform;
    for (const char* file : row.files) {
        tree.addFile(file, file);
        store.append(itemFor(tree, file));
    }
    for (const auto& [index, full] : row.proposals)
        propose(store, index, QString::fromUtf8(full));
    for (int i : row.selected)
        store.setSelected(i, true);

    if (row.failing)
        platform.failRenameOf[row.failing] = EACCES;
    RenameRunner runner(store, platform, platform);
    runner.RemoveAfterRename = row.removeAfterRename;
    runner.RenameFiles(row.applyAll);

    std::vector<std::string> expectedFiles, actualFiles;
    for (const std::string entry : row.filesAfter)
        expectedFiles.push_back(entry.find('<') == std::string::npos ? entry + '<' + entry : entry);
    std::sort(expectedFiles.begin(), expectedFiles.end());
    for (const auto& [path, content] : filesUnder(tree))
        actualFiles.push_back((path + '<' + content).toStdString());
    EXPECT_EQ(actualFiles, expectedFiles);
    EXPECT_EQ(lines(store), std::vector<QString>(row.linesAfter.begin(), row.linesAfter.end()));
    EXPECT_EQ(markedLines(store), row.selectedAfter);
    for (int i = 0; i < store.ItemCount(); ++i) { // each item still names a file on disk
        const Item& item = store.item(i);
        EXPECT_TRUE(
            platform.fileSystem.pathKind(PosixFileSystem::join(item.diskFolder, item.diskName)))
            << item.diskName.data();
    }
    ASSERT_EQ(platform.messages.size(), row.messageIds.size());
    for (size_t m = 0; m < row.messageIds.size(); ++m) {
        EXPECT_EQ(platform.messages[m].text, LoadResString(row.messageIds[m]));
        EXPECT_EQ(platform.messages[m].title, QStringLiteral("Error..."));
    }
}

// Columns: files, proposals, selected, which items, removal;
//          files after, lines after, selected after, message ids[, refused file].
// clang-format off
const ApplyCase applyCases[] = {
    {"empty list: nothing happens", {}, {}, {}, All, Remove, {}, {}, {}, {}},
    {"apply with nothing selected: no change, no message",
     {"a.txt", "b.txt"}, {{0, "x.txt"}, {1, "y.txt"}}, {}, SelectedOnly, Remove,
     {"a.txt", "b.txt"}, {"x.txt", "y.txt"}, {}, {}},
    {"apply renames the selected items only",
     {"a.txt", "b.txt", "c.txt"}, {{0, "x.txt"}, {1, "y.txt"}, {2, "z.txt"}}, {0, 2}, SelectedOnly, Remove,
     {"x.txt<a.txt", "b.txt", "z.txt<c.txt"}, {"y.txt"}, {}, {}},
    {"apply all renames every item",
     {"a.txt", "b.txt", "c"}, {{0, "x.txt"}, {1, "y"}, {2, "z.dat"}}, {1}, All, Remove,
     {"x.txt<a.txt", "y<b.txt", "z.dat<c"}, {}, {}, {}},
    {"same new name in two folders is no duplicate",
     {"d1/a.txt", "d2/b.txt"}, {{0, "same.txt"}, {1, "same.txt"}}, {}, All, Remove,
     {"d1/same.txt<d1/a.txt", "d2/same.txt<d2/b.txt"}, {}, {}, {}},
    {"names differing only in case are duplicates, nothing renamed",
     {"a.txt", "b.txt", "c.txt"}, {{0, "Same.txt"}, {2, "SAME.TXT"}}, {}, All, Remove,
     {"a.txt", "b.txt", "c.txt"}, {"Same.txt", "b.txt", "SAME.TXT"}, {0, 2}, {TextId::DuplicatesFound}},
    {"a later unselected item counts as duplicate",
     {"a.txt", "b.txt", "c.txt"}, {{0, "k.txt"}, {2, "k.txt"}}, {0}, SelectedOnly, Remove,
     {"a.txt", "b.txt", "c.txt"}, {"k.txt", "b.txt", "k.txt"}, {0, 2}, {TextId::DuplicatesFound}},
    {"an earlier unselected item is not found; the rename fails",
     {"a.txt", "b.txt"}, {{1, "a.txt"}}, {1}, SelectedOnly, Remove,
     {"a.txt", "b.txt"}, {"a.txt", "a.txt"}, {1}, {TextId::RenameFailed}},
    {"swapping two names fails both with one message",
     {"a.txt", "b.txt"}, {{0, "b.txt"}, {1, "a.txt"}}, {}, All, Remove,
     {"a.txt", "b.txt"}, {"b.txt", "a.txt"}, {}, {TextId::RenameFailed}},
    {"removing items 2 and 5 of 7 keeps the rest in order",
     {"f0", "f1", "f2", "f3", "f4", "f5", "f6"}, {{0, "n0"}, {2, "n2"}, {5, "n5"}, {6, "n6"}}, {2, 5}, SelectedOnly, Remove,
     {"n2<f2", "n5<f5", "f0", "f1", "f3", "f4", "f6"}, {"n0", "f1", "f3", "f4", "n6"}, {}, {}},
    {"without removal renamed lines are selected, failed ones not",
     {"a.txt", "b.txt", "c.txt"}, {{1, "x.txt"}, {2, "b.txt"}}, {}, All, Keep,
     {"a.txt", "x.txt<b.txt", "c.txt"}, {"a.txt", "x.txt", "b.txt"}, {0, 1}, {TextId::RenameFailed}},
    {"unchanged names under apply all are no failure",
     {"a.txt", "b"}, {}, {}, All, Remove,
     {"a.txt", "b"}, {}, {}, {}},
    {"an invalid proposed name fails that item only",
     {"a.txt", "b.txt", "c.txt"}, {{0, "../up.txt"}, {1, ".."}, {2, "ok.txt"}}, {}, All, Remove,
     {"a.txt", "b.txt", "ok.txt<c.txt"}, {"../up.txt", ".."}, {}, {TextId::RenameFailed}},
    {"a rename the system refuses leaves that item as it was",
     {"a.txt", "b.txt"}, {{0, "x.txt"}, {1, "y.txt"}}, {0, 1}, SelectedOnly, Remove,
     {"a.txt", "y.txt<b.txt"}, {"x.txt"}, {0}, {TextId::RenameFailed}, "a.txt"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, RenameFilesTest, ::testing::ValuesIn(applyCases),
                         rowName<ApplyCase>);

TEST(RenameFiles, carriedOverNamesAreTheNextRunsSource)
{
    // After a run without removal the item must point at the renamed file, so that
    // Restore all shows the new name and a second apply moves the file again.
    TempTree tree;
    tree.addFile("a.txt", "A");
    ItemStore store;
    ScriptedPlatform platform;
    store.append(itemFor(tree, "a.txt"));
    RenameRunner runner(store, platform, platform);
    runner.RemoveAfterRename = false;

    propose(store, 0, QStringLiteral("b.TXT"));
    runner.RenameFiles(true);
    propose(store, 0, QStringLiteral("junk"));
    runner.restoreAll();
    EXPECT_EQ(store.item(0).line(), QStringLiteral("b.TXT"));

    propose(store, 0, QStringLiteral("c.txt"));
    runner.RenameFiles(true);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(tree.list(), std::vector<QByteArray>{"c.txt"});
    EXPECT_EQ(tree.content("c.txt"), "A");
    EXPECT_EQ(store.item(0).OrigName, QStringLiteral("c"));
    EXPECT_EQ(store.item(0).OrigExt, QStringLiteral(".txt"));
}

std::string describe(const ItemRenameResult& r)
{
    static const char* const outcomes[] = {"renamed",      "failed",   "empty name",
                                           "invalid name", "too long", "duplicate"};
    return std::to_string(r.item) + ' ' + r.oldName.toStdString() + '>' + r.newName.toStdString() +
           ' ' + outcomes[int(r.outcome)] + ' ' + std::to_string(r.error);
}

TEST(RenameFiles, answersEachItemWithItsReason)
{
    // A failure report and an undo journal are built from these results: each tried item
    // with its folder, both names and why it failed, in the order tried.
    TempTree tree;
    ItemStore store;
    ScriptedPlatform platform;
    const char* files[] = {"a.txt", "b", "c.txt", "d.txt", "e.txt", "f.txt", "g.txt"};
    const QString proposals[] = {"x.txt", "",      "../up.txt", QString(300, 'n'),
                                 "a.txt", "y.txt", "g.txt"};
    for (int i = 0; i < 7; ++i) {
        tree.addFile(files[i]);
        store.append(itemFor(tree, files[i]));
        propose(store, i, proposals[i]);
    }
    store.setSelected(6, true);
    platform.failRenameOf["f.txt"] = EACCES;
    RenameRunner runner(store, platform, platform);
    const std::vector<ItemRenameResult> results = runner.RenameFiles(true);

    std::vector<std::string> described;
    for (const ItemRenameResult& r : results) {
        EXPECT_EQ(r.folder, tree.root());
        described.push_back(describe(r));
    }
    const std::string tooLong =
        "3 d.txt>" + std::string(300, 'n') + " too long " + std::to_string(ENAMETOOLONG);
    EXPECT_EQ(described, (std::vector<std::string>{
                             "6 g.txt>g.txt renamed 0",
                             "5 f.txt>y.txt failed " + std::to_string(EACCES),
                             "4 e.txt>a.txt failed " + std::to_string(EEXIST),
                             tooLong,
                             "2 c.txt>../up.txt invalid name " + std::to_string(EINVAL),
                             "1 b> empty name " + std::to_string(EINVAL),
                             "0 a.txt>x.txt renamed 0",
                         }));
    ASSERT_EQ(platform.messages.size(), 1u); // one message for the whole run
    EXPECT_EQ(platform.messages[0].text, LoadResString(TextId::RenameFailed));
}

TEST(RenameFiles, clashingItemsAreItsResultsAndNothingIsTried)
{
    TempTree tree;
    ItemStore store;
    ScriptedPlatform platform;
    for (const char* file : {"a.txt", "b.txt", "c.txt", "d.txt"}) {
        tree.addFile(file);
        store.append(itemFor(tree, file));
    }
    propose(store, 1, QStringLiteral("D.TXT"));
    store.setSelected(1, true);
    const std::vector<ItemRenameResult> results =
        RenameRunner(store, platform, platform).RenameFiles(false);

    std::vector<std::string> described;
    for (const ItemRenameResult& r : results)
        described.push_back(describe(r));
    EXPECT_EQ(described,
              (std::vector<std::string>{"1 b.txt>D.TXT duplicate 0", "3 d.txt>d.txt duplicate 0"}));
    EXPECT_EQ(platform.renameCalls, 0);
    EXPECT_EQ(markedLines(store), (std::vector<int>{1, 3}));
}

TEST(RestoreAll, trimsNamesAndExtensionsKeepingMarks)
{
    struct Row {
        const char* origName;
        const char* origExt;
        const char* newLine;
    };
    const Row rows[] = {
        {"  a b  ", ".  txt ", "a b.txt"},
        {"name", "", "name"},
        {"name", ".", "name."},
        {"\tname ", ". t\tx ", "\tname.t\tx"},
    };
    ItemStore store;
    ScriptedPlatform platform;
    RenameRunner runner(store, platform, platform);
    runner.restoreAll(); // an empty list is fine
    for (const Row& row : rows) {
        Item item;
        item.OrigName = QString::fromUtf8(row.origName);
        item.OrigExt = QString::fromUtf8(row.origExt);
        item.NewName = QStringLiteral("proposed");
        item.NewExt = QStringLiteral(".new");
        store.append(item);
    }
    store.setSelected(1, true);
    runner.restoreAll();
    for (int i = 0; i < store.ItemCount(); ++i) {
        SCOPED_TRACE(rows[i].origName);
        EXPECT_EQ(store.item(i).line(), QString::fromUtf8(rows[i].newLine));
    }
    EXPECT_EQ(markedLines(store), std::vector<int>{1});
    EXPECT_TRUE(platform.messages.empty());
}

// The check as first described: every taking-part item below the last against every
// later item, the first equal one only, marks applied afterwards. Answers the positions
// that are part of a pair.
std::vector<int> quadraticMarks(ItemStore& store, const std::vector<char>& takesPart)
{
    const int n = store.ItemCount();
    std::vector<std::pair<int, int>> pairs;
    std::vector<int> examined;
    for (int i = 0; i <= n - 2; ++i) {
        if (!takesPart[size_t(i)])
            continue;
        examined.push_back(i);
        const QString key = DuplicateCheck::targetKey(store.item(i));
        for (int j = i + 1; j <= n - 1; ++j) {
            if (key == DuplicateCheck::targetKey(store.item(j))) {
                pairs.push_back({i, j});
                break;
            }
        }
    }
    if (pairs.empty())
        return {};
    for (int i : examined)
        store.setSelected(i, std::any_of(pairs.begin(), pairs.end(),
                                         [i](const auto& p) { return p.first == i; }));
    std::vector<int> inPairs;
    for (const auto& p : pairs) {
        store.setSelected(p.second, true);
        inPairs.insert(inPairs.end(), {p.first, p.second});
    }
    std::sort(inPairs.begin(), inPairs.end());
    inPairs.erase(std::unique(inPairs.begin(), inPairs.end()), inPairs.end());
    return inPairs;
}

TEST(DuplicateCheck, matchesThePairwiseCheckOnRandomLists)
{
    const QString names[] = {"a", "A", "b", "ß", "SS", "c d", "\u00e9a", "\u00c9A"};
    const QString exts[] = {QString(), ".txt", ".TXT"};
    const QString folders[] = {"/x", "/X", QString(), "/\u00e9", "/\u00c9"};
    std::mt19937 rng(20240611);
    for (int round = 0; round < 400; ++round) {
        const int n = int(rng() % 40);
        ItemStore fast, slow;
        std::vector<char> takesPart(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            Item item;
            item.ItemPath = folders[rng() % 5];
            item.NewName = names[rng() % 8];
            item.NewExt = exts[rng() % 3];
            fast.append(item);
            slow.append(item);
            const bool selected = rng() % 2;
            fast.setSelected(i, selected);
            slow.setSelected(i, selected);
            takesPart[size_t(i)] = round % 3 == 0 || rng() % 2;
        }
        SCOPED_TRACE(round);
        const std::vector<int> marksBefore = markedLines(fast);
        const std::vector<int> clashing = quadraticMarks(slow, takesPart);
        EXPECT_EQ(DuplicateCheck::findDuplicates(fast, takesPart), clashing);
        EXPECT_EQ(markedLines(fast), marksBefore); // the query leaves the marks alone
        EXPECT_EQ(DuplicateCheck::markDuplicates(fast, takesPart), !clashing.empty());
        EXPECT_EQ(markedLines(fast), markedLines(slow));
    }
}

} // namespace
