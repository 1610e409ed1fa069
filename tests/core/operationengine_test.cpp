#include "listmarks.h"
#include "opstesthelpers.h"

#include <gtest/gtest.h>

// Every answer that means "no" leaves every item unchanged, even a name that the common
// finish alone would have trimmed; so does a count outside 16 bits.
TEST(ModifyItems, blankAnswersMeanNo)
{
    for (const OpCode op : {OpCode::InsertAtBeginning, OpCode::AddToEnd, OpCode::CutFirstChars,
                            OpCode::CutLastChars, OpCode::CropFirstChars, OpCode::CropLastChars}) {
        std::vector<const char*> answers = {nullptr, "", "   "}; // nullptr: cancel
        if (op >= OpCode::CutFirstChars)
            answers.insert(answers.end(), {"32768", "-32769"});
        for (const char* answer : answers) {
            SCOPED_TRACE(testing::Message() << int(op) << (answer ? answer : "cancel"));
            OpsBench bench({"abcdef", " padded "});
            bench.select({0, 1});
            if (answer)
                bench.platform.inputAnswers.push_back(QString::fromUtf8(answer));
            bench.engine.ModifyItems(op);
            EXPECT_EQ(bench.presets(), QStringList{"1"});
            EXPECT_EQ(bench.lines(), (QStringList{"abcdef", " padded "}));
            EXPECT_TRUE(bench.platform.messages.empty());
        }
    }
}

TEST(ModifyItems, rejectedNamesKeepTheirLineWhileOthersChange)
{
    // A name from disk may hold a grave accent; no operation gives it a new name, and the
    // other selected items are still processed.
    OpsBench bench({"one two", "my`song two", "three four|.ogg"});
    bench.select({0, 1, 2});
    bench.engine.ModifyItems(OpCode::CutLastWord);
    EXPECT_EQ(bench.lines(), (QStringList{"one", "my`song two", "three.ogg"}));
}

TEST(FindReplace, replaceCommandOpensTheDialogInReplaceMode)
{
    for (const bool confirmed : {false, true}) {
        SCOPED_TRACE(confirmed ? "confirmed" : "closed");
        OpsBench bench({"a_b_c", "x_y", "p_q|.r_s"});
        bench.select({0, 2});
        bench.findValues.ReplaceMode = false;
        bench.findValues.FindText = QStringLiteral("_");
        bench.findValues.ReplaceWith = QStringLiteral("-");
        bench.findValues.RepeatReplace = true;
        bench.platform.onShowFindReplace = [&] {
            EXPECT_TRUE(bench.findValues.ReplaceMode);
            if (confirmed)
                bench.engine.ReturnFind();
        };
        bench.engine.ModifyItems(OpCode::Replace);
        EXPECT_EQ(bench.platform.findReplaceShown, 1);
        EXPECT_EQ(bench.lines(), confirmed ? QStringList({"a-b-c", "x_y", "p-q.r_s"})
                                           : QStringList({"a_b_c", "x_y", "p_q.r_s"}));
    }
}

TEST(FindReplace, findModeReplacesTheMarksAndABlankTextChangesNothing)
{
    const struct {
        const char* name;
        bool replaceMode;
        QString findText;
        bool matchCase;
        std::vector<int> selected;
    } rows[] = {
        {"find: case off finds both", false, "ab", false, {0, 1}},
        {"find: case on finds exact", false, "ab", true, {1}},
        {"find: extension never searched", false, ".ab", false, {}},
        {"find: blank text keeps the marks", false, "  ", false, {2, 3}},
        {"replace: blank text replaces nothing", true, "  ", false, {2, 3}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpsBench bench({"Abc", "cab", "xyz", "q|.ab", "a b"});
        bench.select({2, 3});
        bench.findValues.ReplaceMode = row.replaceMode;
        bench.findValues.FindText = row.findText;
        bench.findValues.ReplaceWith = QStringLiteral("x");
        bench.findValues.MatchCase = row.matchCase;
        bench.engine.ReturnFind();
        EXPECT_EQ(markedLines(bench.store), row.selected);
        EXPECT_EQ(bench.lines(), (QStringList{"Abc", "cab", "xyz", "q.ab", "a b"}));
    }
}
