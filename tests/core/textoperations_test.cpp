#include "ops/textoperations.h"
#include "opstesthelpers.h"

#include <gtest/gtest.h>

// One selected item with the name `before`; the operation runs through ModifyItems, so
// the common finish is part of every row.
TEST(TextOperations, changeTheProposedName)
{
    const struct {
        const char* name;
        OpCode op;
        const char* answer; // nullptr: the operation shows no prompt
        const char *before, *after;
    } rows[] = {
        // Words: only the space separates them.
        {"cut_first_word", OpCode::CutFirstWord, nullptr, "The Best Of", "Best Of"},
        {"cut_last_word", OpCode::CutLastWord, nullptr, "The Best Of", "The Best"},
        {"cut_first_word_single_word_unchanged", OpCode::CutFirstWord, nullptr, "Single", "Single"},
        {"cut_first_word_double_space", OpCode::CutFirstWord, nullptr, "A  B", "B"},
        {"cut_last_word_double_space", OpCode::CutLastWord, nullptr, "A  B", "A"},
        {"cut_first_word_tab_is_no_separator", OpCode::CutFirstWord, nullptr, "A\tB C", "C"},
        // The text parameter as typed.
        {"insert_with_trailing_space", OpCode::InsertAtBeginning, "01 ", "Song", "01 Song"},
        {"insert_with_leading_space_trimmed", OpCode::InsertAtBeginning, " X", "Song", "XSong"},
        {"add_with_leading_space", OpCode::AddToEnd, " (live)", "Song", "Song (live)"},
        // Cut and crop x characters.
        {"cut_first_3", OpCode::CutFirstChars, "3", "abcdef", "def"},
        {"cut_first_answer_2_9_cuts_2", OpCode::CutFirstChars, "2.9", "abcdef", "cdef"},
        {"cut_last_2", OpCode::CutLastChars, "2", "abcdef", "abcd"},
        {"cut_last_len_keeps_name", OpCode::CutLastChars, "6", "abcdef", "abcdef"},
        {"cut_last_more_than_len_unchanged", OpCode::CutLastChars, "7", "abcdef", "abcdef"},
        {"cut_last_negative_unchanged", OpCode::CutLastChars, "-1", "abcdef", "abcdef"},
        {"crop_first_2", OpCode::CropFirstChars, "2", "abcdef", "ab"},
        {"crop_first_10_unchanged", OpCode::CropFirstChars, "10", "abcdef", "abcdef"},
        {"crop_first_0_keeps_name", OpCode::CropFirstChars, "0", "abcdef", "abcdef"},
        {"crop_last_2", OpCode::CropLastChars, "2", "abcdef", "ef"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpsBench bench({row.before});
        bench.select({0});
        if (row.answer)
            bench.platform.inputAnswers.push_back(QString::fromUtf8(row.answer));
        bench.engine.ModifyItems(row.op);
        EXPECT_EQ(bench.store.item(0).NewName, QString::fromUtf8(row.after));
        EXPECT_EQ(bench.platform.prompts.size(), row.answer ? 1u : 0u);
    }
}

// The replace operation with the find and replace values as the dialog leaves them.
TEST(TextOperations, replaceChangesTheNameOnly)
{
    const struct {
        const char* name;
        QString find, replacement;
        bool repeat;
        const char *before, *after;
    } rows[] = {
        {"repeat every occurrence", "_", "-", true, "a_b_c", "a-b-c"},
        {"empty result keeps name", "abc", "", false, "abc", "abc"},
        {"replacement with invalid char keeps name", "a", "*", false, "abc", "abc"},
        {"result trimmed", "x", " ", false, "ax", "a"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpsBench bench({row.before});
        bench.store.setNewExt(0, QStringLiteral(".a_b"));
        bench.select({0});
        bench.findValues.FindText = row.find;
        bench.findValues.ReplaceWith = row.replacement;
        bench.findValues.RepeatReplace = row.repeat;
        bench.engine.ModifyItems(OpCode::ReplaceWithFindValues);
        EXPECT_EQ(bench.lines(), QStringList{QString::fromUtf8(row.after) + ".a_b"});
        EXPECT_TRUE(bench.platform.prompts.empty());
    }
}

TEST(TextOperations, parameterIsReadOnceForAllItems)
{
    // One prompt, the same count for every selected item, visited last to first.
    OpsBench bench({"abcdef", "xyz", "12345"});
    bench.select({0, 1, 2});
    bench.platform.inputAnswers = {QStringLiteral("2"), QStringLiteral("5")};
    bench.engine.ModifyItems(OpCode::CutFirstChars);
    EXPECT_EQ(bench.lines(), (QStringList{"cdef", "z", "345"}));
    EXPECT_EQ(bench.platform.inputAnswers.size(), 1u); // one prompt
}
