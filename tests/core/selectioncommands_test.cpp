#include "list/selectioncommands.h"
#include "ops/globals.h"
#include "ops/operationengine.h"

#include "scriptedplatform.h"

#include <gtest/gtest.h>

namespace {

struct Named {
    QString path, name, ext;
};

// Names of 2, 3, 4, 4 (with spaces), 0 and 8 characters; extensions must never count.
const std::vector<Named> kItems = {
    {"/f", "ab", ".txt"},    {"/f", "abc", ""},     {"/f", "abcd", ".a"},
    {"/f", " ab ", ".long"}, {"/f", "", ".hidden"}, {"/abcdef", "xyzXYZ_b", ".ab"},
};

void fill(ItemStore& store, const std::vector<Named>& items)
{
    for (const Named& n : items) {
        Item it;
        it.ItemPath = n.path;
        it.OrigName = it.NewName = n.name;
        it.OrigExt = it.NewExt = n.ext;
        store.append(it);
    }
}

void select(ItemStore& store, const std::vector<int>& lines)
{
    for (int line : lines)
        store.setSelected(line, true);
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

QStringList names(const ItemStore& store)
{
    QStringList out;
    for (int i = 0; i < store.ItemCount(); ++i)
        out << store.item(i).NewName + store.item(i).NewExt;
    return out;
}

const std::vector<int> kBefore = {1, 4};

} // namespace

// --- Minimum and maximum length --------------------------------------------------------

struct LengthCase {
    const char* name;
    bool atLeast;
    const char* answer; // nullptr: the prompt is cancelled
    std::vector<int> expected;
};

void PrintTo(const LengthCase& c, std::ostream* os)
{
    *os << c.name;
}

class LengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(LengthTest, marksExactlyTheLinesOfFittingLength)
{
    const LengthCase& c = GetParam();
    ItemStore store;
    ScriptedPlatform platform;
    fill(store, kItems);
    select(store, kBefore);
    if (c.answer)
        platform.inputAnswers.push_back(QString::fromUtf8(c.answer));
    SelectionCommands commands(store, platform);
    c.atLeast ? commands.minLength() : commands.maxLength();

    ASSERT_EQ(platform.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts[0].prompt,
              c.atLeast ? QStringLiteral("Select all with at least x characters")
                        : QStringLiteral("Select all with at most x characters"));
    EXPECT_EQ(platform.prompts[0].title, QStringLiteral("Select..."));
    EXPECT_EQ(platform.prompts[0].preset, QString());
    EXPECT_EQ(marked(store), c.expected);
    EXPECT_EQ(store.selectedCount(), int(c.expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, LengthTest,
    testing::Values(LengthCase{"min_3_whatever_extension_unmarks_shorter", true, "3", {1, 2, 3, 5}},
                    LengthCase{"min_leading_blanks_skipped", true, "  3", {1, 2, 3, 5}},
                    LengthCase{"min_4_9_works_as_4", true, "4.9", {2, 3, 5}},
                    LengthCase{"min_minus_1_marks_all", true, "-1", {0, 1, 2, 3, 4, 5}},
                    LengthCase{"min_8abc_reads_8", true, "8abc", {5}},
                    LengthCase{"min_abc_changes_nothing", true, "abc", kBefore},
                    LengthCase{"min_0_changes_nothing", true, "0", kBefore},
                    LengthCase{"min_0_9_floors_to_0_changes_nothing", true, "0.9", kBefore},
                    LengthCase{"min_cancel_changes_nothing", true, nullptr, kBefore},
                    LengthCase{"min_beyond_16_bits_changes_nothing", true, "40000", kBefore},
                    LengthCase{"max_2abc_reads_2_empty_name_qualifies", false, "2abc", {0, 4}},
                    LengthCase{"max_4_9_works_as_4", false, "4.9", {0, 1, 2, 3, 4}},
                    LengthCase{"max_minus_1_unmarks_all", false, "-1", {}},
                    LengthCase{"max_minus_0_5_floors_to_minus_1", false, "-0.5", {}},
                    LengthCase{"max_0_changes_nothing_though_empty_name_fits", false, "0", kBefore},
                    LengthCase{"max_below_16_bits_changes_nothing", false, "-40000", kBefore}),
    [](const auto& row) { return std::string(row.param.name); });

// --- All, None, Invert -----------------------------------------------------------------

TEST(SelectionCommands, allNoneAndInvertIgnoreOrUseThePreviousMarks)
{
    ItemStore store;
    ScriptedPlatform platform;
    fill(store, kItems);
    SelectionCommands commands(store, platform);
    const std::vector<std::vector<int>> starts = {{}, kBefore, {0, 1, 2, 3, 4, 5}};
    for (const auto& start : starts) {
        SCOPED_TRACE(testing::PrintToString(start));
        store.selectNone();
        select(store, start);
        commands.SelectAll();
        EXPECT_EQ(marked(store), std::vector<int>({0, 1, 2, 3, 4, 5}));

        store.selectNone();
        select(store, start);
        commands.selectNone();
        EXPECT_EQ(marked(store), std::vector<int>());

        store.selectNone();
        select(store, start);
        commands.invert();
        std::vector<int> inverse;
        for (int i = 0; i < 6; ++i) {
            if (std::find(start.begin(), start.end(), i) == start.end())
                inverse.push_back(i);
        }
        EXPECT_EQ(marked(store), inverse);
        commands.invert();
        EXPECT_EQ(marked(store), start);
    }
    EXPECT_EQ(names(store),
              QStringList({"ab.txt", "abc", "abcd.a", " ab .long", ".hidden", "xyzXYZ_b.ab"}));
}

TEST(SelectionCommands, emptyListStillShowsPromptsAndDialog)
{
    ItemStore store;
    ScriptedPlatform platform;
    SelectionCommands commands(store, platform);
    platform.inputAnswers = {"3", "-1"};
    commands.SelectAll();
    commands.invert();
    commands.selectNone();
    commands.minLength();
    commands.maxLength();
    commands.containing();
    EXPECT_EQ(platform.prompts.size(), 2u);
    EXPECT_EQ(platform.findReplaceShown, 1);
    EXPECT_EQ(store.ItemCount(), 0);
    EXPECT_EQ(store.selectedCount(), 0);
}

// --- Containing ------------------------------------------------------------------------

struct ContainingCase {
    const char* name;
    const char* find;
    bool matchCase;
    std::vector<int> expected;
};

void PrintTo(const ContainingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ContainingTest : public testing::TestWithParam<ContainingCase> {
protected:
    void TearDown() override { findReplace() = FindReplaceValues(); }
};

TEST_P(ContainingTest, marksTheLinesWhoseProposedNameHoldsTheText)
{
    const ContainingCase& c = GetParam();
    ItemStore store;
    ScriptedPlatform platform;
    EnumSwitches switches;
    OperationEngine engine(store, platform, switches);
    fill(store, kItems);
    select(store, kBefore);
    findReplace().ReplaceMode = true; // left over from an earlier Replace...
    bool findModeWhenShown = false;
    platform.onShowFindReplace = [&] {
        findModeWhenShown = !findReplace().ReplaceMode;
        findReplace().FindText = QString::fromUtf8(c.find);
        findReplace().ReplaceWith = QStringLiteral("REPLACED");
        findReplace().MatchCase = c.matchCase;
        engine.ReturnFind();
    };

    SelectionCommands(store, platform).containing();

    EXPECT_EQ(platform.findReplaceShown, 1);
    EXPECT_TRUE(findModeWhenShown);
    EXPECT_EQ(marked(store), c.expected);
    EXPECT_EQ(names(store),
              QStringList({"ab.txt", "abc", "abcd.a", " ab .long", ".hidden", "xyzXYZ_b.ab"}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ContainingTest,
    testing::Values(ContainingCase{"name_text_marks_and_unmarks_the_rest", "bc", false, {1, 2}},
                    ContainingCase{"text_only_in_extension_marks_nothing", "txt", false, {}},
                    ContainingCase{"text_only_in_folder_marks_nothing", "def", false, {}},
                    ContainingCase{"case_ignored_without_match_case", "XYZx", false, {5}},
                    ContainingCase{"case_kept_with_match_case", "xyzx", true, {}},
                    ContainingCase{"blank_text_changes_nothing", "   ", false, kBefore}),
    [](const auto& row) { return std::string(row.param.name); });
