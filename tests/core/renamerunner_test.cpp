#include "list/clashkey.h"
#include "listmarks.h"
#include "rename/duplicatecheck.h"
#include "rename/renamerunner.h"
#include "renamefiles.h"
#include "resources/stringtable.h"
#include "rowname.h"
#include "scriptedplatform.h"

#include <gtest/gtest.h>

#include <QDir>

#include <algorithm>
#include <random>

namespace {

std::vector<QString> lines(const ItemStore& store)
{
    std::vector<QString> out;
    for (int i = 0; i < store.ItemCount(); ++i)
        out.push_back(store.item(i).line());
    return out;
}

size_t openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
        .size();
}

constexpr bool All = true, SelectedOnly = false; // Apply all / Apply
constexpr bool Remove = true, Keep = false;      // remove renamed items from the list

// One item per file ("name" or "folder/name", content = that text), proposed full names
// by position.
void addItems(TempTree& tree, ItemStore& store, const std::vector<const char*>& files,
              const std::vector<std::pair<int, QString>>& proposals)
{
    for (const char* file : files) {
        tree.addFile(file, file);
        const QByteArray path = tree.path(file);
        const qsizetype slash = path.lastIndexOf('/');
        store.append(diskItem(path.left(slash), path.mid(slash + 1)));
    }
    for (const auto& [index, full] : proposals) {
        const qsizetype dot = full.lastIndexOf(QLatin1Char('.'));
        store.setNewName(index, dot < 0 ? full : full.left(dot));
        store.setNewExt(index, dot < 0 ? QString() : full.mid(dot));
    }
}

struct ApplyCase {
    const char* name;
    std::vector<const char*> files;
    std::vector<std::pair<int, QString>> proposals;
    std::vector<int> selected;
    bool applyAll;
    bool removeAfterRename;
    // Every file on disk afterwards as "name<content"; "name" alone keeps its content.
    std::vector<QByteArray> filesAfter;
    std::vector<QString> linesAfter;
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
    addItems(tree, store, row.files, row.proposals);
    selectLines(store, row.selected);
    if (row.failing)
        platform.failRenameOf[row.failing] = EACCES;
    RenameRunner runner(store, platform);
    runner.RemoveAfterRename = row.removeAfterRename;
    const size_t openFiles = openDescriptors();
    const RenameRunner::Result result = runner.RenameFiles(row.applyAll);
    EXPECT_EQ(openDescriptors(), openFiles); // no folder is left open after the run

    std::vector<QByteArray> expectedFiles;
    for (const QByteArray& entry : row.filesAfter)
        expectedFiles.push_back(entry.contains('<') ? entry : entry + '<' + entry);
    std::sort(expectedFiles.begin(), expectedFiles.end());
    EXPECT_EQ(filesWithContent(tree), expectedFiles);
    EXPECT_EQ(lines(store), row.linesAfter);
    EXPECT_EQ(markedLines(store), row.selectedAfter);
    for (int i = 0; i < store.ItemCount(); ++i) { // each item still names a file on disk
        const Item& item = store.item(i);
        EXPECT_TRUE(platform.pathKind(PosixFileSystem::join(item.diskFolder, item.diskName)))
            << item.diskName.data();
    }
    // The result tells the caller which message to show: the duplicates, or the failures.
    std::vector<TextId> shown;
    if (result.stop == RenameRunner::Result::Stop::Duplicates)
        shown.push_back(TextId::DuplicatesFound);
    else if (result.failed > 0)
        shown.push_back(TextId::RenameFailed);
    EXPECT_EQ(shown, row.messageIds);
}

// Columns: files, proposals, selected, which items, removal;
//          files after, lines after, selected after, message ids[, refused file].
// clang-format off
const ApplyCase applyCases[] = {
    {"empty list: nothing happens", {}, {}, {}, All, Remove, {}, {}, {}, {}},
    {"apply with nothing selected: no change, no message", {"a.txt", "b.txt"}, {{0, "x.txt"}, {1, "y.txt"}}, {}, SelectedOnly, Remove,
     {"a.txt", "b.txt"}, {"x.txt", "y.txt"}, {}, {}},
    {"apply renames the selected items only", {"a.txt", "b.txt", "c.txt"}, {{0, "x.txt"}, {1, "y.txt"}, {2, "z.txt"}}, {0, 2}, SelectedOnly, Remove,
     {"x.txt<a.txt", "b.txt", "z.txt<c.txt"}, {"y.txt"}, {}, {}},
    {"apply all renames every item", {"a.txt", "b.txt", "c"}, {{0, "x.txt"}, {1, "y"}, {2, "z.dat"}}, {1}, All, Remove,
     {"x.txt<a.txt", "y<b.txt", "z.dat<c"}, {}, {}, {}},
    {"names differing only in case are duplicates, nothing renamed", {"a.txt", "b.txt", "c.txt"}, {{0, "Same.txt"}, {2, "SAME.TXT"}}, {}, All, Remove,
     {"a.txt", "b.txt", "c.txt"}, {"Same.txt", "b.txt", "SAME.TXT"}, {0, 2}, {TextId::DuplicatesFound}},
    {"names differing only in the case of letters beyond U+FFFF are duplicates", {"a.txt", "b.txt"}, {{0, "\U00010400.txt"}, {1, "\U00010428.txt"}}, {}, All, Remove,
     {"a.txt", "b.txt"}, {"\U00010400.txt", "\U00010428.txt"}, {0, 1}, {TextId::DuplicatesFound}},
    {"a later unselected item counts as duplicate", {"a.txt", "b.txt", "c.txt"}, {{0, "k.txt"}, {2, "k.txt"}}, {0}, SelectedOnly, Remove,
     {"a.txt", "b.txt", "c.txt"}, {"k.txt", "b.txt", "k.txt"}, {0, 2}, {TextId::DuplicatesFound}},
    {"an earlier unselected item is not found; the rename fails", {"a.txt", "b.txt"}, {{1, "a.txt"}}, {1}, SelectedOnly, Remove,
     {"a.txt", "b.txt"}, {"a.txt", "a.txt"}, {1}, {TextId::RenameFailed}},
    {"swapping two names fails both with one message", {"a.txt", "b.txt"}, {{0, "b.txt"}, {1, "a.txt"}}, {}, All, Remove,
     {"a.txt", "b.txt"}, {"b.txt", "a.txt"}, {}, {TextId::RenameFailed}},
    {"removing items 2 and 5 of 7 keeps the rest in order", {"f0", "f1", "f2", "f3", "f4", "f5", "f6"}, {{0, "n0"}, {2, "n2"}, {5, "n5"}, {6, "n6"}}, {2, 5}, SelectedOnly, Remove,
     {"n2<f2", "n5<f5", "f0", "f1", "f3", "f4", "f6"}, {"n0", "f1", "f3", "f4", "n6"}, {}, {}},
    {"without removal renamed lines are selected, failed ones not", {"a.txt", "b.txt", "c.txt"}, {{1, "x.txt"}, {2, "b.txt"}}, {}, All, Keep,
     {"a.txt", "x.txt<b.txt", "c.txt"}, {"a.txt", "x.txt", "b.txt"}, {0, 1}, {TextId::RenameFailed}},
    {"an invalid proposed name fails that item only", {"a.txt", "b.txt", "c.txt"}, {{0, "../up.txt"}, {1, ".."}, {2, "ok.txt"}}, {}, All, Remove,
     {"a.txt", "b.txt", "ok.txt<c.txt"}, {"../up.txt", ".."}, {}, {TextId::RenameFailed}},
    {"files of several folders are renamed each in its own", {"p/a.txt", "q/a.txt", "p/b.txt"}, {{0, "x.txt"}, {1, "y.txt"}, {2, "z.txt"}}, {}, All, Remove,
     {"p/x.txt<p/a.txt", "q/y.txt<q/a.txt", "p/z.txt<p/b.txt"}, {}, {}, {}},
    {"a rename the system refuses leaves that item as it was", {"a.txt", "b.txt"}, {{0, "x.txt"}, {1, "y.txt"}}, {0, 1}, SelectedOnly, Remove,
     {"a.txt", "y.txt<b.txt"}, {"x.txt"}, {0}, {TextId::RenameFailed}, "a.txt"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, RenameFilesTest, ::testing::ValuesIn(applyCases),
                         rowName<ApplyCase>);

TEST(RestoreAll, trimsNamesAndExtensionsKeepingMarks)
{
    const char* const rows[][3] = {
        // name on disk, extension on disk, line after Restore all
        {"  a b  ", ".  txt ", "a b.txt"},
        {"name", "", "name"},
        {"name", ".", "name."},
        {"\tname ", ". t\tx ", "\tname.t\tx"},
    };
    ItemStore store;
    ScriptedPlatform platform;
    std::vector<QString> expected;
    for (const auto& row : rows) {
        store.append(Item{{}, row[0], row[1], "proposed", ".new", {}, {}});
        expected.push_back(row[2]);
    }
    store.setSelected(1, true);
    RenameRunner(store, platform).restoreAll();
    EXPECT_EQ(lines(store), expected);
    EXPECT_EQ(markedLines(store), std::vector<int>{1});
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
        const QString key = ClashKey::of(store.item(i));
        for (int j = i + 1; j <= n - 1; ++j) {
            if (key == ClashKey::of(store.item(j))) {
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
