#include "rename/duplicatecheck.h"
#include "rename/targetscan.h"
#include "rowname.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct ScanCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> items; // folder, proposed name ("=" keeps)
    std::vector<int> clashing;
    int differing;
};

class TargetScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(TargetScanTest, findsTheItemsWhoseTargetsClash)
{
    const ScanCase& row = GetParam();
    ItemStore store;
    int n = 0;
    for (const auto& [folder, proposed] : row.items) {
        Item item;
        item.ItemPath = QString::fromUtf8(folder);
        item.OrigName = QStringLiteral("file%1").arg(n++);
        item.OrigExt = item.NewExt = QStringLiteral(".txt");
        item.NewName = QString::fromUtf8(proposed) == QStringLiteral("=")
                           ? item.OrigName
                           : QString::fromUtf8(proposed);
        store.append(item);
    }
    const TargetScan::Result result = TargetScan::scan(store);
    std::vector<int> clashing;
    for (int i = 0; i < int(result.clashing.size()); ++i)
        if (result.clashing[size_t(i)])
            clashing.push_back(i);
    EXPECT_EQ(clashing, row.clashing);
    EXPECT_EQ(result.clashes, int(row.clashing.size()));
    EXPECT_EQ(result.differing, row.differing);
}

const ScanCase scanCases[] = {
    {"no clash and nothing changed", {{"/a", "="}, {"/a", "="}}, {}, 0},
    {"letter case ignored in one folder", {{"/a", "x"}, {"/a", "="}, {"/a", "X"}}, {0, 2}, 2},
    {"same name in two folders is no clash", {{"/a", "x"}, {"/b", "x"}}, {}, 2},
    {"folder letter case ignored as at apply", {{"/a", "x"}, {"/A", "x"}}, {0, 1}, 2},
    {"an item keeping its name clashes with one taking it",
     {{"/a", "="}, {"/a", "file0"}},
     {0, 1},
     1},
    {"three of one target", {{"/a", "y"}, {"/a", "z"}, {"/a", "y"}, {"/a", "Y"}}, {0, 2, 3}, 4},
    {"letters beyond ASCII ignore case", {{"/ä", "Ärger"}, {"/Ä", "ärger"}}, {0, 1}, 2},
    {"upper case of sharp s is SS", {{"/a", "straße"}, {"/a", "STRASSE"}}, {0, 1}, 2},
};

INSTANTIATE_TEST_SUITE_P(Cases, TargetScanTest, ::testing::ValuesIn(scanCases), rowName<ScanCase>);

// The painted clashes are exactly the pairs the duplicate check at Apply all finds.
TEST(TargetScan, agreesWithTheDuplicateCheckOnRandomLists)
{
    std::mt19937 random(7);
    const QString names[] = {QStringLiteral("a"),  QStringLiteral("A"),  QStringLiteral("b"),
                             QStringLiteral("ä"),  QStringLiteral("Ä"),  QStringLiteral("ß"),
                             QStringLiteral("SS"), QStringLiteral("c.d")};
    for (int round = 0; round < 200; ++round) {
        ItemStore store;
        const int count = 1 + int(random() % 12);
        for (int i = 0; i < count; ++i) {
            Item item;
            item.ItemPath = random() % 2 ? QStringLiteral("/x") : QStringLiteral("/X");
            item.OrigName = QStringLiteral("o%1").arg(i);
            item.NewName = names[random() % std::size(names)];
            store.append(item);
        }
        const std::vector<int> expected =
            DuplicateCheck::findDuplicates(store, std::vector<char>(size_t(count), 1));
        const TargetScan::Result scan = TargetScan::scan(store);
        std::vector<int> found;
        for (int i = 0; i < count; ++i)
            if (scan.clashing[size_t(i)])
                found.push_back(i);
        ASSERT_EQ(found, expected) << "round " << round;
    }
}

} // namespace
