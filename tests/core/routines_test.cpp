// Routines: steps recorded by hand, saved, read back and replayed give the same names;
// files a newer version wrote or that are damaged run nothing and say which routine and
// which step.

#include "opstesthelpers.h"
#include "routines/routinefile.h"
#include "routines/routinelibrary.h"
#include "routines/routineplayer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// One command by hand: what the window sets and answers before running op.
struct HandStep {
    OpCode op;
    QStringList answers; // prompt answers in turn
    std::function<void(OpsBench&)> set = {};
};

OpsBench* newBench()
{
    auto* bench = new OpsBench;
    const char* names[] = {"01 - abba_gold - Dancing queen - live|.MP3",
                           "02 - acdc_back - hells bells - demo|.mp3",
                           "track 7 of 12 - x_y - z - w|.ogg"};
    for (const char* name : names)
        bench->add(QString::fromUtf8(name), QStringLiteral("/music/a"), true);
    bench->add(QStringLiteral("unselected_one - a - b|.txt"), QStringLiteral("/music/b"));
    return bench;
}

} // namespace

// Every kind of parameter once: none, text, count, position, extension, formation,
// counter, width, expression (with Match case), field order, enumerated, find values
// (pattern and plain) and template, with switches changed between steps.
TEST(Routine, recordSaveLoadReplayGivesTheNamesByHand)
{
    const std::vector<HandStep> hand = {
        {OpCode::ReplaceWithFindValues,
         {},
         [](OpsBench& b) {
             b.findValues = {true, "/(\\w+)_(\\w+)/", "\\2 \\1", false, false, true};
         }},
        {OpCode::SmartCase, {}},
        {OpCode::CutExtraInfo, {"3"}},
        {OpCode::SwapInfos, {"x", "3 1 2"}}, // the first answer is asked again
        {OpCode::ReformatNumbers, {"3"}},
        {OpCode::CutBeforeExpression,
         {"/\\d/"},
         [](OpsBench& b) { b.findValues.MatchCase = true; }},
        {OpCode::AddToEnd, {" (x)"}},
        {OpCode::ReplaceWithFindValues,
         {},
         [](OpsBench& b) { b.findValues = {true, "(x)", "[y]", false, false, false}; }},
        {OpCode::CutFirstChars, {"2.7"}},
        {OpCode::ChangeExtension, {" flac "}},
        {OpCode::AddNumbers,
         {"%%%-"},
         [](OpsBench& b) {
             b.switches = {false, true, false};
         }},
        {OpCode::CustomGeneration,
         {},
         [](OpsBench& b) { b.templates.answers = {QStringLiteral("[N]_[C:5,5]_[E]")}; }},
        {OpCode::EnumerateAsPath,
         {"$ %"},
         [](OpsBench& b) {
             b.switches = {true, false, true};
         }},
        {OpCode::EnumeratedFilename,
         {},
         [](OpsBench& b) {
             b.switches = {true, true, false};
         }},
    };

    std::unique_ptr<OpsBench> byHand(newBench());
    std::vector<OperationCall> recorded;
    byHand->engine.setStepObserver([&](const OperationCall& call) { recorded.push_back(call); });
    std::vector<QStringList> after;
    for (const HandStep& step : hand) {
        if (step.set)
            step.set(*byHand);
        byHand->answer(step.answers);
        const QStringList before = byHand->lines();
        byHand->engine.ModifyItems(step.op);
        SCOPED_TRACE(int(step.op));
        EXPECT_NE(byHand->lines(), before) << "each step changes a name";
        after.push_back(byHand->lines());
    }
    ASSERT_EQ(recorded.size(), hand.size());

    const QTemporaryDir folder;
    const RoutineLibrary library(folder.path());
    ASSERT_EQ(library.save({QStringLiteral("Every kind"), recorded}), QString());
    const RoutineFile::Read read = library.load(QStringLiteral("Every kind"));
    ASSERT_TRUE(read.routine) << read.error.toStdString();
    EXPECT_EQ(read.routine->steps, recorded);

    // The replay takes nothing from the window: its switches and find values differ and
    // no prompt has an answer.
    std::unique_ptr<OpsBench> replayed(newBench());
    replayed->switches = {true, false, false};
    replayed->findValues = {false, "zzz", "q", true, true, false};
    const FindReplaceValues windowValues = replayed->findValues;
    std::vector<QStringList> replayedAfter;
    for (const OperationCall& step : read.routine->steps) {
        replayed->engine.replay(step);
        replayedAfter.push_back(replayed->lines());
    }
    EXPECT_EQ(replayedAfter, after);
    EXPECT_EQ(replayed->findValues, windowValues);
    EXPECT_EQ(replayed->switches, (EnumSwitches{true, false, false}));
    EXPECT_TRUE(replayed->platform.prompts.empty());
    EXPECT_EQ(replayed->lines().last(), QStringLiteral("unselected_one - a - b.txt"));
}

TEST(Routine, callsThatEndBeforeTheItemsAreNotSteps)
{
    std::unique_ptr<OpsBench> bench(newBench());
    int told = 0;
    bench->engine.setStepObserver([&](const OperationCall&) { ++told; });
    bench->engine.ModifyItems(OpCode::AddToEnd); // cancelled
    bench->engine.ModifyItems(OpCode::Replace);  // only opens the dialog
    bench->findValues = {true, "/(/", "x", false, false, false};
    bench->engine.ModifyItems(OpCode::ReplaceWithFindValues); // invalid pattern
    bench->store.selectNone();
    bench->engine.ModifyItems(OpCode::SmartCase); // nothing selected
    EXPECT_EQ(told, 0);
    // A recorded answer no longer accepted ends the replayed step instead of asking again.
    bench->store.selectAll();
    OperationCall stale{OpCode::SwapInfos, QStringLiteral("x"), {}, {}, {}};
    EXPECT_FALSE(bench->engine.replay(stale));
}

TEST(RoutineFile, unreadableRoutinesSayWhichAndRunNothing)
{
    const struct {
        const char* name;
        const char* content;
        const char* message; // a part of the message
    } rows[] = {
        {"damaged JSON", "{\"format\": \"filevane-routine\", \"version\": 1, \"steps\": [",
         "The routine “Mine” cannot be read: it is damaged"},
        {"not a routine", "{\"steps\": []}", "“Mine” cannot be read: it is not a Filevane routine"},
        {"newer version, unknown operation",
         R"({"format":"filevane-routine","version":2,"name":"Tidy","steps":[{"operation":"cut-first-word"},{"operation":"translate","to":"de"}]})",
         "“Tidy” was written by a newer version of Filevane (routine format 2; this one reads "
         "format 1): step 2 (translate) cannot be run: the operation “translate” is unknown"},
        {"newer version, new key",
         R"({"format":"filevane-routine","version":3,"name":"Tidy","steps":[{"operation":"add-to-end","answer":"x","where":"end"}]})",
         "step 1 (add-to-end) cannot be run: “where” is not known to this version"},
        {"newer version, every step known",
         R"({"format":"filevane-routine","version":2,"name":"Tidy","steps":[]})",
         "(routine format 2; this one reads format 1) and cannot be run"},
        {"missing answer",
         R"({"format":"filevane-routine","version":1,"steps":[{"operation":"smart-case"},{"operation":"add-to-end"}]})",
         "“Mine” cannot be read: step 2 (add-to-end): “answer” is missing"},
        {"wrong type",
         R"({"format":"filevane-routine","version":1,"steps":[{"operation":"replace","find":"a","repeat":"yes"}]})",
         "step 1 (replace): “repeat” must be true or false"},
        {"invalid pattern",
         R"({"format":"filevane-routine","version":1,"steps":[{"operation":"replace","find":"/(a/"}]})",
         "step 1 (replace): the pattern “/(a/” is invalid: missing closing parenthesis"},
        {"the dialog is no step",
         R"({"format":"filevane-routine","version":1,"steps":[{"operation":"replace-dialog"}]})",
         "the operation “replace-dialog” is unknown"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const RoutineFile::Read read = RoutineFile::parse(row.content, QStringLiteral("Mine"));
        EXPECT_FALSE(read.routine);
        EXPECT_TRUE(read.error.contains(QString::fromUtf8(row.message)))
            << read.error.toStdString();
    }
}

TEST(RoutineFile, handWrittenFileTakesDefaults)
{
    const RoutineFile::Read read = RoutineFile::parse(
        R"({"format":"filevane-routine","version":1,"name":"Hand","steps":[
            {"operation":"replace","find":"_","replaceWith":" ","repeat":true},
            {"operation":"enumerated-filename"}]})",
        QStringLiteral("file"));
    ASSERT_TRUE(read.routine) << read.error.toStdString();
    EXPECT_EQ(read.routine->name, QStringLiteral("Hand"));
    const OperationCall replace{OpCode::ReplaceWithFindValues,
                                {},
                                {},
                                FindReplaceValues{false, "_", " ", false, false, true},
                                {}};
    const OperationCall enumerate{OpCode::EnumeratedFilename, {}, {}, {}, EnumSwitches{}};
    EXPECT_EQ(read.routine->steps, (std::vector<OperationCall>{replace, enumerate}));
}

TEST(RoutineLibrary, renameDeleteExportImport)
{
    const QTemporaryDir folder;
    const RoutineLibrary library(folder.path() + QStringLiteral("/routines"));
    const Routine routine{QStringLiteral("a/b: c"), {{OpCode::SmartCase, {}, {}, {}, {}}}};
    ASSERT_EQ(library.save(routine), QString());
    ASSERT_EQ(library.save({QStringLiteral("Other"), {}}), QString());
    EXPECT_EQ(library.rename(QStringLiteral("a/b: c"), QStringLiteral("Other")),
              QStringLiteral("There is already a routine called “Other”."));
    EXPECT_EQ(library.rename(QStringLiteral("a/b: c"), QStringLiteral("Tidy")), QString());
    const QString exported = folder.path() + QStringLiteral("/tidy.json");
    EXPECT_EQ(library.exportTo(QStringLiteral("Tidy"), exported), QString());
    EXPECT_EQ(library.remove(QStringLiteral("Tidy")), QString());
    EXPECT_EQ(library.list().size(), size_t(1));
    const RoutineFile::Read imported = RoutineLibrary::importFrom(exported);
    ASSERT_TRUE(imported.routine);
    EXPECT_EQ(*imported.routine, (Routine{QStringLiteral("Tidy"), routine.steps}));
}
