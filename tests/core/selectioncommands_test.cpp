#include "list/selectioncommands.h"

#include "listmarks.h"
#include "opstesthelpers.h"

#include <gtest/gtest.h>

namespace {

// Names of 2, 3, 4, 4 (with spaces), 0 and 8 characters; extensions must never count.
void fill(OpsBench& bench)
{
    for (const char* entry : {"ab|.txt", "abc", "abcd|.a", " ab |.long", "|.hidden"})
        bench.add(QString::fromUtf8(entry), QStringLiteral("/f"));
    bench.add(QStringLiteral("xyzXYZ_b|.ab"), QStringLiteral("/abcdef"));
}

const std::vector<int> kBefore = {1, 4};

} // namespace

TEST(SelectionCommands, lengthMarksExactlyTheLinesOfFittingLength)
{
    const struct {
        const char* name;
        bool atLeast;
        QString answer;
        std::vector<int> expected;
    } rows[] = {
        {"min 3: whatever the extension, unmarks shorter", true, "3", {1, 2, 3, 5}},
        {"min minus 1 marks all", true, "-1", {0, 1, 2, 3, 4, 5}},
        {"min of letters reads 0 and changes nothing", true, "abc", kBefore},
        {"min beyond 16 bits changes nothing", true, "40000", kBefore},
        {"max 2: empty name qualifies", false, "2", {0, 4}},
        {"max minus 0.5 floors to minus 1 and unmarks all", false, "-0.5", {}},
        {"max 0 changes nothing though the empty name fits", false, "0", kBefore},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpsBench bench;
        fill(bench);
        selectLines(bench.store, kBefore);
        bench.platform.inputAnswers.push_back(row.answer);
        SelectionCommands commands(bench.store, bench.platform, bench.findValues);
        row.atLeast ? commands.minLength() : commands.maxLength();
        EXPECT_EQ(bench.platform.prompts.size(), 1u);
        EXPECT_EQ(markedLines(bench.store), row.expected);
    }
}

TEST(SelectionCommands, emptyListStillShowsPromptsAndDialog)
{
    OpsBench bench;
    SelectionCommands commands(bench.store, bench.platform, bench.findValues);
    bench.answer({"3", "-1"});
    for (auto command : {&SelectionCommands::SelectAll, &SelectionCommands::invert,
                         &SelectionCommands::selectNone, &SelectionCommands::minLength,
                         &SelectionCommands::maxLength, &SelectionCommands::containing})
        (commands.*command)();
    EXPECT_EQ(bench.platform.prompts.size(), 2u);
    EXPECT_EQ(bench.platform.findReplaceShown, 1);
    EXPECT_EQ(bench.store.selectedCount(), 0);
}

// How the find text matches is the find dialog's own matter; here: the command opens it in
// find mode, and its answer marks the lines whose proposed name holds the text.
TEST(SelectionCommands, containingOpensFindModeAndMarksByProposedName)
{
    OpsBench bench;
    fill(bench);
    selectLines(bench.store, kBefore);
    bench.findValues.ReplaceMode = true; // left over from an earlier Replace...
    bench.platform.onShowFindReplace = [&] {
        EXPECT_FALSE(bench.findValues.ReplaceMode);
        bench.findValues.FindText = QStringLiteral("bc"); // also in a folder name
        bench.findValues.ReplaceWith = QStringLiteral("REPLACED");
        bench.engine.ReturnFind();
    };

    SelectionCommands(bench.store, bench.platform, bench.findValues).containing();

    EXPECT_EQ(markedLines(bench.store), std::vector<int>({1, 2}));
    EXPECT_EQ(bench.lines(), QStringList({"ab.txt", "abc", "abcd.a", " ab .long", ".hidden",
                                          "xyzXYZ_b.ab"})); // nothing replaced
}
