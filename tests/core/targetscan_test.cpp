#include "rename/targetscan.h"
#include "rowname.h"

#include <gtest/gtest.h>

namespace {

// The positions the scan paints as clashing.
std::vector<int> clashingIn(const TargetScan::Result& result)
{
    std::vector<int> out;
    for (size_t i = 0; i < result.clashing.size(); ++i)
        if (result.clashing[i])
            out.push_back(int(i));
    return out;
}

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
    for (const auto& [folder, proposed] : row.items) {
        const QString name = QStringLiteral("file%1").arg(store.ItemCount());
        const QString newName = QString::fromUtf8(proposed);
        store.append(Item{folder, name, ".txt", newName == "=" ? name : newName, ".txt", {}, {}});
    }
    const TargetScan::Result result = TargetScan::scan(store);
    EXPECT_EQ(clashingIn(result), row.clashing);
    EXPECT_EQ(result.clashes, int(row.clashing.size()));
    EXPECT_EQ(result.differing, row.differing);
}

// clang-format off
const ScanCase scanCases[] = {
    {"no clash and nothing changed", {{"/a", "="}, {"/a", "="}}, {}, 0},
    {"letter case ignored in one folder", {{"/a", "x"}, {"/a", "="}, {"/a", "X"}}, {0, 2}, 2},
    {"same name in two folders is no clash", {{"/a", "x"}, {"/b", "x"}}, {}, 2},
    {"folder letter case ignored as at apply", {{"/a", "x"}, {"/A", "x"}}, {0, 1}, 2},
    {"an item keeping its name clashes with one taking it", {{"/a", "="}, {"/a", "file0"}}, {0, 1}, 1},
    {"three of one target", {{"/a", "y"}, {"/a", "z"}, {"/a", "y"}, {"/a", "Y"}}, {0, 2, 3}, 4},
    {"letters beyond ASCII ignore case", {{"/ä", "Ärger"}, {"/Ä", "ärger"}}, {0, 1}, 2},
    {"upper case of sharp s is SS", {{"/a", "straße"}, {"/a", "STRASSE"}}, {0, 1}, 2},
    {"letters beyond U+FFFF ignore case (Deseret)", {{"/a", "\U00010400x"}, {"/a", "\U00010428x"}}, {0, 1}, 2},
    {"letters beyond U+FFFF ignore case (Adlam)", {{"/\U0001E922", "a"}, {"/\U0001E900", "a"}}, {0, 1}, 2},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, TargetScanTest, ::testing::ValuesIn(scanCases), rowName<ScanCase>);

} // namespace
