#include "list/selectioncommands.h"
#include "ops/operationengine.h"

#include "listmarks.h"
#include "rowname.h"
#include "scriptedplatform.h"

#include <gtest/gtest.h>

namespace {

// Names of 2, 3, 4, 4 (with spaces), 0 and 8 characters; extensions must never count.
// Each text is "path|name|ext".
void fill(ItemStore& store)
{
    for (const char* row : {"/f|ab|.txt", "/f|abc|", "/f|abcd|.a", "/f| ab |.long", "/f||.hidden",
                            "/abcdef|xyzXYZ_b|.ab"}) {
        const QStringList f = QString::fromUtf8(row).split(QLatin1Char('|'));
        store.append(Item{f[0], f[1], f[2], f[1], f[2], {}, {}});
    }
}

QStringList lines(const ItemStore& store)
{
    QStringList out;
    for (int i = 0; i < store.ItemCount(); ++i)
        out << store.item(i).line();
    return out;
}

const std::vector<int> kBefore = {1, 4};

} // namespace

// --- Minimum and maximum length --------------------------------------------------------

struct LengthCase {
    const char* name;
    bool atLeast;
    const char* answer;
    std::vector<int> expected;
};

class LengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(LengthTest, marksExactlyTheLinesOfFittingLength)
{
    const LengthCase& c = GetParam();
    ItemStore store;
    ScriptedPlatform platform;
    fill(store);
    selectLines(store, kBefore);
    platform.inputAnswers.push_back(QString::fromUtf8(c.answer));
    FindReplaceValues findValues;
    SelectionCommands commands(store, platform, findValues);
    c.atLeast ? commands.minLength() : commands.maxLength();

    ASSERT_EQ(platform.prompts.size(), 1u);
    EXPECT_EQ(platform.prompts[0].prompt,
              c.atLeast ? QStringLiteral("Select all with at least x characters")
                        : QStringLiteral("Select all with at most x characters"));
    EXPECT_EQ(platform.prompts[0].title, QStringLiteral("Select..."));
    EXPECT_EQ(platform.prompts[0].preset, QString());
    EXPECT_EQ(markedLines(store), c.expected);
}

const LengthCase lengthCases[] = {
    {"min 3: whatever the extension, unmarks shorter", true, "3", {1, 2, 3, 5}},
    {"min 4.9 works as 4", true, "4.9", {2, 3, 5}},
    {"min minus 1 marks all", true, "-1", {0, 1, 2, 3, 4, 5}},
    {"min of letters reads 0 and changes nothing", true, "abc", kBefore},
    {"min beyond 16 bits changes nothing", true, "40000", kBefore},
    {"max 2: empty name qualifies", false, "2", {0, 4}},
    {"max minus 0.5 floors to minus 1 and unmarks all", false, "-0.5", {}},
    {"max 0 changes nothing though the empty name fits", false, "0", kBefore},
};
INSTANTIATE_TEST_SUITE_P(Answers, LengthTest, testing::ValuesIn(lengthCases), rowName<LengthCase>);

// --- All, None, Invert -----------------------------------------------------------------

TEST(SelectionCommands, allNoneAndInvertFromSomeMarkedLines)
{
    ItemStore store;
    ScriptedPlatform platform;
    fill(store);
    FindReplaceValues findValues;
    SelectionCommands commands(store, platform, findValues);
    const std::pair<void (SelectionCommands::*)(), std::vector<int>> steps[] = {
        {&SelectionCommands::SelectAll, {0, 1, 2, 3, 4, 5}},
        {&SelectionCommands::selectNone, {}},
        {&SelectionCommands::invert, {0, 2, 3, 5}}};
    for (const auto& [command, expected] : steps) {
        store.selectNone();
        selectLines(store, kBefore);
        (commands.*command)();
        EXPECT_EQ(markedLines(store), expected);
    }
}

TEST(SelectionCommands, emptyListStillShowsPromptsAndDialog)
{
    ItemStore store;
    ScriptedPlatform platform;
    FindReplaceValues findValues;
    SelectionCommands commands(store, platform, findValues);
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
// How the find text matches is the find dialog's own matter; here: the command opens it in
// find mode, and its answer marks the lines whose proposed name holds the text.

TEST(SelectionCommands, containingOpensFindModeAndMarksByProposedName)
{
    const struct {
        const char* name;
        const char* find;
        std::vector<int> expected;
    } rows[] = {
        {"name text marks, the rest is unmarked", "bc", {1, 2}},
        {"text only in the folder marks nothing", "def", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ItemStore store;
        ScriptedPlatform platform;
        EnumSwitches switches;
        FindReplaceValues findValues;
        OperationEngine engine(store, platform, switches, findValues);
        fill(store);
        selectLines(store, kBefore);
        findValues.ReplaceMode = true; // left over from an earlier Replace...
        bool findModeWhenShown = false;
        platform.onShowFindReplace = [&] {
            findModeWhenShown = !findValues.ReplaceMode;
            findValues.FindText = QString::fromUtf8(row.find);
            findValues.ReplaceWith = QStringLiteral("REPLACED");
            engine.ReturnFind();
        };

        SelectionCommands(store, platform, findValues).containing();

        EXPECT_EQ(platform.findReplaceShown, 1);
        EXPECT_TRUE(findModeWhenShown);
        EXPECT_EQ(markedLines(store), row.expected);
        EXPECT_EQ(lines(store), QStringList({"ab.txt", "abc", "abcd.a", " ab .long", ".hidden",
                                             "xyzXYZ_b.ab"})); // nothing replaced
    }
}
