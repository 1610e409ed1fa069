#include "opstesthelpers.h"
#include "rowname.h"

#include <gtest/gtest.h>

namespace {

struct PromptCase {
    const char* name;
    OpCode op;
    const char* prompt;
    const char* title;
};

class OperationPrompts : public testing::TestWithParam<PromptCase> {};

// Every answer that means "no" leaves every item unchanged, even a name that the common
// finish alone would have trimmed; so does a count outside 16 bits.
TEST_P(OperationPrompts, showTextAndTreatBlankAnswersAsNo)
{
    const PromptCase& c = GetParam();
    std::vector<const char*> answers = {nullptr, "", "   "}; // nullptr: cancel
    if (c.op >= OpCode::CutFirstChars)
        answers.insert(answers.end(), {"32768", "-32769"});
    for (const char* answer : answers) {
        SCOPED_TRACE(answer ? answer : "cancel");
        OpsBench bench({"abcdef", " padded "});
        bench.select({0, 1});
        if (answer)
            bench.platform.inputAnswers.push_back(QString::fromUtf8(answer));
        bench.engine.ModifyItems(c.op);
        ASSERT_EQ(bench.platform.prompts.size(), 1u);
        EXPECT_EQ(bench.platform.prompts[0].prompt, QString::fromUtf8(c.prompt));
        EXPECT_EQ(bench.platform.prompts[0].title, QString::fromUtf8(c.title));
        EXPECT_EQ(bench.platform.prompts[0].preset, QStringLiteral("1"));
        EXPECT_EQ(bench.newNames(), (QStringList{"abcdef", " padded "}));
        EXPECT_TRUE(bench.platform.messages.empty());
    }
}

const PromptCase promptCases[] = {
    {"insert", OpCode::InsertAtBeginning, "Expression to add at beginning", "Add..."},
    {"add", OpCode::AddToEnd, "Expression to add at end", "Add..."},
    {"cut_first", OpCode::CutFirstChars, "Leading characters to cut", "Cut..."},
    {"cut_last", OpCode::CutLastChars, "Ending characters to cut", "Cut..."},
    {"crop_first", OpCode::CropFirstChars, "Leading characters to crop", "Crop..."},
    {"crop_last", OpCode::CropLastChars, "Ending characters to crop", "Crop..."},
};

INSTANTIATE_TEST_SUITE_P(Codes, OperationPrompts, testing::ValuesIn(promptCases),
                         rowName<PromptCase>);

TEST(ModifyItems, promptStillShownWithNothingSelected)
{
    OpsBench bench({"Song", "Other"});
    bench.platform.inputAnswers.push_back(QStringLiteral("X"));
    bench.engine.ModifyItems(OpCode::InsertAtBeginning);
    EXPECT_EQ(bench.platform.prompts.size(), 1u);
    EXPECT_EQ(bench.newNames(), (QStringList{"Song", "Other"}));
    EXPECT_TRUE(bench.platform.messages.empty());
}

TEST(ModifyItems, onlySelectedLinesChangeAndMarksStay)
{
    OpsBench bench({"a|.mp3", "b|.mp3", "c", "d|.txt", "e"});
    bench.select({0, 3, 4});
    const std::vector<bool> marksBefore = bench.marks();
    bench.platform.inputAnswers.push_back(QStringLiteral(" x"));
    bench.engine.ModifyItems(OpCode::AddToEnd);
    EXPECT_EQ(bench.newNames(), (QStringList{"a x", "b", "c", "d x", "e x"}));
    EXPECT_EQ(bench.lines(), (QStringList{"a x.mp3", "b.mp3", "c", "d x.txt", "e x"}));
    EXPECT_EQ(bench.marks(), marksBefore);
}

TEST(ModifyItems, rejectedNamesKeepTheirLineWhileOthersChange)
{
    // A name from disk may hold a grave accent; no operation gives it a new name, and the
    // other selected items are still processed.
    OpsBench bench({"one two", "my`song two", "three four|.ogg"});
    bench.select({0, 1, 2});
    bench.engine.ModifyItems(OpCode::CutLastWord);
    EXPECT_EQ(bench.newNames(), (QStringList{"one", "my`song two", "three"}));
    EXPECT_EQ(bench.lines(), (QStringList{"one", "my`song two", "three.ogg"}));
}

TEST(ModifyItems, codesWithoutOperationOnlyRunTheFinish)
{
    for (OpCode op : {OpCode(1), OpCode(255)}) {
        SCOPED_TRACE(int(op));
        OpsBench bench({"  spaced\t ", "plain", "bad:name ", " other "});
        bench.select({0, 1, 2});
        bench.engine.ModifyItems(op);
        EXPECT_EQ(bench.newNames(), (QStringList{"spaced\t", "plain", "bad:name ", " other "}));
        EXPECT_TRUE(bench.platform.prompts.empty());
        EXPECT_EQ(bench.platform.findReplaceShown, 0);
    }
}

TEST(FindReplace, replaceCommandOpensTheDialogAndTouchesNothing)
{
    OpsBench bench({"a_b"});
    bench.select({0});
    bench.findValues.ReplaceMode = false;
    bench.findValues.FindText = QStringLiteral("_");
    bench.engine.ModifyItems(OpCode::Replace);
    EXPECT_TRUE(bench.findValues.ReplaceMode);
    EXPECT_EQ(bench.platform.findReplaceShown, 1);
    EXPECT_TRUE(bench.platform.prompts.empty());
    EXPECT_EQ(bench.newNames(), (QStringList{"a_b"}));
}

TEST(FindReplace, confirmedReplaceDialogReplacesInSelectedItems)
{
    OpsBench bench({"a_b_c", "x_y", "p_q|.r_s"});
    bench.select({0, 2});
    bench.platform.onShowFindReplace = [&bench] {
        FindReplaceValues& values = bench.findValues;
        values.FindText = QStringLiteral("_");
        values.ReplaceWith = QStringLiteral("-");
        values.RepeatReplace = true;
        bench.engine.ReturnFind();
    };
    bench.engine.ModifyItems(OpCode::Replace);
    EXPECT_EQ(bench.newNames(), (QStringList{"a-b-c", "x_y", "p-q"}));
    EXPECT_EQ(bench.lines(), (QStringList{"a-b-c", "x_y", "p-q.r_s"}));
}

TEST(FindReplace, blankFindTextDoesNothingInEitherMode)
{
    for (bool replaceMode : {true, false}) {
        SCOPED_TRACE(replaceMode);
        OpsBench bench({"a b", "c"});
        bench.select({1});
        bench.findValues.ReplaceMode = replaceMode;
        bench.findValues.FindText = QStringLiteral("  ");
        bench.findValues.ReplaceWith = QStringLiteral("x");
        bench.engine.ReturnFind();
        EXPECT_EQ(bench.newNames(), (QStringList{"a b", "c"}));
        EXPECT_EQ(bench.marks(), (std::vector<bool>{false, true}));
    }
}

struct FindModeCase {
    const char* name;
    const char* findText;
    bool matchCase;
    std::vector<bool> selected;
};

class FindModeCases : public testing::TestWithParam<FindModeCase> {};

TEST_P(FindModeCases, selectionIsReplacedByTheMatchingLines)
{
    const FindModeCase& c = GetParam();
    OpsBench bench({"Abc", "cab", "xyz", "q|.ab", "a b"});
    bench.select({2, 3});
    bench.findValues.ReplaceMode = false;
    bench.findValues.FindText = QString::fromUtf8(c.findText);
    bench.findValues.MatchCase = c.matchCase;
    bench.engine.ReturnFind();
    EXPECT_EQ(bench.marks(), c.selected);
    EXPECT_EQ(bench.newNames(), (QStringList{"Abc", "cab", "xyz", "q", "a b"}));
}

const FindModeCase findModeCases[] = {
    {"case_off_finds_both", "ab", false, {true, true, false, false, false}},
    {"case_on_finds_exact", "ab", true, {false, true, false, false, false}},
    {"extension_never_searched", ".ab", false, {false, false, false, false, false}},
    {"spaces_around_word_are_searched", " b", false, {false, false, false, false, true}},
};

INSTANTIATE_TEST_SUITE_P(Texts, FindModeCases, testing::ValuesIn(findModeCases),
                         rowName<FindModeCase>);

} // namespace
