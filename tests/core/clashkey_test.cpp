#include "rename/duplicatecheck.h"
#include "rename/targetscan.h"
#include "rowname.h"
#include "scriptedmetadatareader.h"
#include "templates/templatepreview.h"
#include "text/bytename.h"
#include "text/caseless.h"

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

// The positions the template preview marks as clashing when every item keeps its name.
std::vector<int> clashingInPreview(const ItemStore& store)
{
    ScriptedMetadataReader reader;
    TemplatePreview preview(store);
    preview.setTemplate(NameTemplate::parse(QStringLiteral("[N]")), reader);
    preview.countMore([] { return true; });
    std::vector<int> out;
    for (int n = 0; n < preview.lineCount(); ++n)
        if (preview.line(n).status == TemplatePreview::Status::Clash)
            out.push_back(n);
    return out;
}

struct ScanCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>>
        items; // folder, proposed name bytes ("=" keeps)
    std::vector<int> clashing;
    int differing;
};

class ClashTest : public ::testing::TestWithParam<ScanCase> {};

// The clash marks of the list, the duplicate check at Apply and the template preview
// answer the same question and must agree.
TEST_P(ClashTest, findsTheItemsWhoseTargetsClash)
{
    const ScanCase& row = GetParam();
    ItemStore store;
    for (const auto& [folder, proposed] : row.items) {
        const QString name = QStringLiteral("file%1").arg(store.ItemCount());
        const QString newName = ByteName::decode(QByteArray(proposed));
        store.append(Item{folder, name, ".txt", newName == "=" ? name : newName, ".txt", {}, {}});
        store.setSelected(store.ItemCount() - 1, true);
    }
    const TargetScan::Result result = TargetScan::scan(store);
    EXPECT_EQ(clashingIn(result), row.clashing);
    EXPECT_EQ(result.clashes, int(row.clashing.size()));
    EXPECT_EQ(result.differing, row.differing);
    EXPECT_EQ(DuplicateCheck::findDuplicates(store, std::vector<char>(row.items.size(), 1)),
              row.clashing);
    EXPECT_EQ(clashingInPreview(store), row.clashing);
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
    {"Deseret letters beyond U+FFFF ignore case", {{"/a", "\U00010428x"}, {"/a", "\U00010400X"}, {"/a", "\U00010429x"}}, {0, 1}, 3},
    {"Adlam letters ignore case", {{"/a", "\U0001E922"}, {"/a", "\U0001E900"}}, {0, 1}, 2},
    {"Adlam folder names ignore case", {{"/\U0001E922", "a"}, {"/\U0001E900", "a"}}, {0, 1}, 2},
    {"escaped bytes differ as bytes", {{"/a", "caf\xe9"}, {"/a", "caf\xe8"}, {"/a", "CAF\xe8"}}, {1, 2}, 3},
    {"escaped byte beside a pair", {{"/a", "\xff\U00010428"}, {"/a", "\xfe\U00010400"}}, {}, 2},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, ClashTest, ::testing::ValuesIn(scanCases), rowName<ScanCase>);

struct CaselessCase {
    const char* name;
    const char* a; // bytes of a name
    const char* b;
    bool equal;
};

class CaselessTest : public ::testing::TestWithParam<CaselessCase> {};

TEST_P(CaselessTest, comparesWithLetterCaseIgnored)
{
    const CaselessCase& row = GetParam();
    const QString a = ByteName::decode(QByteArray(row.a));
    const QString b = ByteName::decode(QByteArray(row.b));
    EXPECT_EQ(Caseless::equal(a, b), row.equal);
    EXPECT_EQ(Caseless::equal(b, a), row.equal);
    EXPECT_EQ(Caseless::upper(a) == Caseless::upper(b), row.equal);
    if (row.equal) {
        EXPECT_EQ(Caseless::hash(a), Caseless::hash(b));
    }
}

const CaselessCase caselessCases[] = {
    {"ASCII letters", "Mp3", "mP3", true},
    {"a longer text is not equal", "mp", "mp3", false},
    {"digits and signs stay", "a-1", "A_1", false},
    {"accented letters", "Ärger", "äRGER", true},
    {"sharp s is SS after an ASCII start", "Strasse", "straße", true},
    {"Deseret", "\U00010428", "\U00010400", true},
    {"two Deseret letters differ", "\U00010428", "\U00010429", false},
    {"escaped bytes kept", "caf\xe9", "CAF\xe9", true},
    {"different escaped bytes", "caf\xe9", "caf\xe8", false},
};

INSTANTIATE_TEST_SUITE_P(Rows, CaselessTest, ::testing::ValuesIn(caselessCases),
                         rowName<CaselessCase>);

} // namespace
