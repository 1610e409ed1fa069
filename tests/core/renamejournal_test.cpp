#include "rename/journalfolder.h"
#include "rename/renamereport.h"
#include "rename/renamerunner.h"
#include "rename/renameundo.h"
#include "renamefiles.h"
#include "rowname.h"
#include "scriptedplatform.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Move {
    QByteArray from, to;
};

enum class Moment { BeforeRename, AfterRename };

// The real file system; at(i, moment) runs right before and right after the i-th rename.
class HookedFileSystem : public ScriptedFileSystem {
public:
    std::function<void(int, Moment)> at;
    int count = 0;

    RenameResult renameFile(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName) override
    {
        const int i = count++;
        at(i, Moment::BeforeRename);
        const RenameResult result = ScriptedFileSystem::renameFile(folder, oldName, newName);
        at(i, Moment::AfterRename);
        return result;
    }
};

// Apply all over one item per move, tried in the order of the moves, with the journal.
RenameRunner::Result applyWithJournal(const JournalFolder& journals, const TempTree& tree,
                                      const std::vector<Move>& moves,
                                      const std::function<void(int, Moment)>& at = {},
                                      const RenameRunner::Progress& keepGoing = {})
{
    ItemStore store;
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        Item item = diskItem(tree.root(), move->from);
        item.NewName = QFile::decodeName(move->to);
        item.NewExt.clear();
        store.append(item);
    }
    HookedFileSystem fileSystem;
    fileSystem.at = at ? at : [](int, Moment) {};
    RenameRunner runner(store, fileSystem);
    runner.setJournalFolder(journals);
    return runner.RenameFiles(true, keepGoing);
}

JournalFolder journalsIn(const TempTree& tree)
{
    return JournalFolder(QString::fromUtf8(tree.path("journals")));
}

struct UndoCase {
    const char* name;
    std::vector<const char*> files; // content = the name
    std::vector<Move> moves;
    std::function<void(TempTree&)> meanwhile; // what happens between Apply and Undo
    std::vector<QByteArray> filesAfterUndo;   // "name<content"
    std::vector<QString> reportLines;         // "old → new: reason" without the folder
};

class UndoTest : public ::testing::TestWithParam<UndoCase> {};

TEST_P(UndoTest, takesBackTheLastApply)
{
    const UndoCase& row = GetParam();
    TempTree tree, store;
    for (const char* file : row.files)
        tree.addFile(file, file);
    const JournalFolder journals = journalsIn(store);
    applyWithJournal(journals, tree, row.moves);
    if (row.meanwhile)
        row.meanwhile(tree);

    ScriptedFileSystem fileSystem;
    RenameUndo undo(journals, fileSystem); // a new object: works from the journal alone
    ASSERT_TRUE(undo.canUndo());
    const RenameUndo::Result result = undo.undoLast();
    EXPECT_EQ(filesWithContent(tree), row.filesAfterUndo);
    QStringList lines = RenameReport(result.outcomes).detailLines();
    for (QString& line : lines)
        line.remove(0, QFile::decodeName(tree.root()).size() + 2);
    EXPECT_EQ(lines, QStringList(row.reportLines.begin(), row.reportLines.end()));
    // A file not put back leaves the run to undo again, once the user has made room.
    EXPECT_EQ(undo.canUndo(), !row.reportLines.empty());
}

// clang-format off
const UndoCase undoCases[] = {
    {"a chain of renames goes back in reverse order", {"a", "b"}, {{"b", "c"}, {"a", "b"}}, {}, {"a<a", "b<b"}, {}},
    {"a rename that failed at apply is left alone", {"a", "b"}, {{"a", "b"}, {"b", "c"}}, {}, {"a<a", "b<b"}, {}},
    {"a file gone since is reported, the rest go back", {"a", "b"}, {{"a", "x"}, {"b", "y"}},
     [](TempTree& tree) { ::unlink(tree.path("x").constData()); }, {"b<b"}, {"x → a: the file is no longer there"}},
    {"an old name taken since is skipped and both files kept", {"a", "b"}, {{"a", "x"}, {"b", "y"}}, [](TempTree& tree) { tree.addFile("a", "new"); },
     {"a<new", "b<b", "x<a"}, {"x → a: a file with that name exists"}},
    {"names the journal escapes come back byte for byte", {"\xff\xfe", "100%", "a b\n"}, {{"\xff\xfe", "x"}, {"100%", "y"}, {"a b\n", "z"}}, {},
     {"100%<100%", "a b\n<a b\n", "\xff\xfe<\xff\xfe"}, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, UndoTest, ::testing::ValuesIn(undoCases), rowName<UndoCase>);

// What the start of the program asks of the newest journal, which is read from its end
// where that tells and whole where it does not: the answers must be those of the records.
struct StartCase {
    const char* name;
    QByteArray records; // after the header
    // Without and with 3000 renames before the records, which puts them far from the start.
    bool interrupted[2]; // offered to undo at start
    bool undoable[2];
    QByteArray header = "filevane rename journal 2 1700000000000 boot\n";
};

class StartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartTest, newestJournalOfferedAndUndoable)
{
    const StartCase& row = GetParam();
    QByteArray more;
    for (int i = 0; i < 3000; ++i)
        more += "T /f x" + QByteArray::number(i) + " y" + QByteArray::number(i) + "\nD\n";
    TempTree store;
    const JournalFolder journals = journalsIn(store);
    store.addFile("journals/0000000001.journal", row.header + row.records);
    EXPECT_EQ(!journals.interruptedRun().isEmpty(), row.interrupted[0]);
    EXPECT_EQ(!journals.latestUndoable().isEmpty(), row.undoable[0]);
    store.addFile("journals/0000000001.journal", row.header + more + row.records);
    EXPECT_EQ(!journals.interruptedRun().isEmpty(), row.interrupted[1]);
    EXPECT_EQ(!journals.latestUndoable().isEmpty(), row.undoable[1]);
}

// clang-format off
const StartCase startCases[] = {
    {"ended after a rename", "T /f a b\nD\nE\n", {false, false}, {true, true}},
    {"ended after a rename with its reservation", "T /f a b 1:2:0:3.4:s:5\nP\nR 1:3:0:3.4:s:5\nD\nE\n", {false, false}, {true, true}},
    {"ended after a failed rename", "T /f a b\nF 17\nE\n", {false, false}, {false, true}},
    {"ended after a rename to the same name", "T /f a a\nD\nE\n", {false, false}, {false, true}},
    {"ended after a rename, names escaped alike", "T /f a%41 aA\nD\nE\n", {false, false}, {false, true}},
    {"undone", "T /f a b\nD\nE\nB 0\nUNDONE\n", {false, false}, {false, false}},
    {"undone in part", "T /f a b\nD\nT /f c d\nD\nE\nB 1\n", {false, false}, {true, true}},
    {"killed after a rename", "T /f a b\nD\n", {true, true}, {true, true}},
    {"killed before the outcome, zero bytes after", QByteArray("T /f a b\n\0\0\0", 12), {true, true}, {true, true}},
    {"zero bytes before the last records", QByteArray("T /f a b\nD\n\0\nE\n", 15), {true, true}, {true, true}},
    {"killed after a failed rename", "T /f a b\nF 2\n", {false, true}, {false, true}},
    {"interruption reported", "T /f a b\nD\nK\n", {false, false}, {true, true}},
    {"version 1, ended", "T /f a b\nT /f c d\nD\nE\n", {false, false}, {true, true}, "filevane rename journal 1\n"},
    {"not a journal", "E\n", {false, false}, {false, false}, "something else\n"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, StartTest, ::testing::ValuesIn(startCases), rowName<StartCase>);

TEST(RenameUndo, stepsBackOneApplyAtATimeAndKeepsTheNewestJournals)
{
    TempTree tree, store;
    tree.addFile("f0", "f0");
    const JournalFolder journals = journalsIn(store);
    const int applies = JournalFolder::Kept + 3;
    for (int i = 0; i < applies; ++i)
        applyWithJournal(journals, tree,
                         {{"f" + QByteArray::number(i), "f" + QByteArray::number(i + 1)}});
    // A run whose only rename fails pushes no undoable run out.
    applyWithJournal(journals, tree, {{"gone", "g"}});

    ScriptedFileSystem fileSystem;
    RenameUndo undo(journals, fileSystem);
    for (int step = 0; step < JournalFolder::Kept; ++step)
        ASSERT_TRUE(undo.undoLast().started);
    EXPECT_FALSE(undo.canUndo());
    // The oldest three applies have no journal left.
    EXPECT_EQ(tree.list(), std::vector<QByteArray>{"f3"});
    EXPECT_EQ(tree.content("f3"), "f0");
}

TEST(RenameUndo, aStoppedUndoCarriesOnWithTheFilesLeft)
{
    TempTree tree, store;
    for (const char* file : {"a", "b", "c"})
        tree.addFile(file, file);
    const JournalFolder journals = journalsIn(store);
    applyWithJournal(journals, tree, {{"a", "x"}, {"b", "y"}, {"c", "z"}});

    ScriptedFileSystem fileSystem;
    RenameUndo undo(journals, fileSystem);
    const auto stopped = undo.undoLast([](int done, int) { return done < 1; });
    EXPECT_EQ(RenameReport(stopped.outcomes).leftOver(), 2);
    EXPECT_EQ(tree.list(), (std::vector<QByteArray>{"c", "x", "y"}));
    ASSERT_TRUE(undo.canUndo());
    undo.undoLast();
    EXPECT_EQ(tree.list(), (std::vector<QByteArray>{"a", "b", "c"}));
    EXPECT_FALSE(undo.canUndo());
}

// A run killed mid-way: every file renamed before the kill comes back, the others were
// never touched.
struct CrashCase {
    const char* name;
    Moment moment; // of the fifth rename at which the run is killed
};

class CrashTest : public ::testing::TestWithParam<CrashCase> {};

TEST_P(CrashTest, undoFromTheJournalOfAKilledRun)
{
    TempTree tree, store;
    std::vector<Move> moves;
    for (int i = 0; i < 10; ++i) {
        const QByteArray name = "f" + QByteArray::number(i);
        tree.addFile(name, name);
        moves.push_back({name, "g" + QByteArray::number(i)});
    }
    const std::vector<QByteArray> original = filesWithContent(tree);
    const JournalFolder journals = journalsIn(store);
    const pid_t child = ::fork();
    if (child == 0) {
        applyWithJournal(journals, tree, moves, [&](int i, Moment moment) {
            if (i == 4 && moment == GetParam().moment)
                ::raise(SIGKILL);
        });
        ::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_NE(filesWithContent(tree), original);

    ScriptedFileSystem fileSystem;
    const auto result = RenameUndo(journals, fileSystem).undoLast();
    EXPECT_EQ(RenameReport(result.outcomes).failed(), 0);
    EXPECT_EQ(filesWithContent(tree), original);
}

const CrashCase crashCases[] = {
    {"killed right before the fifth rename", Moment::BeforeRename},
    {"killed between the fifth rename and its record", Moment::AfterRename},
};

INSTANTIATE_TEST_SUITE_P(Cases, CrashTest, ::testing::ValuesIn(crashCases), rowName<CrashCase>);

TEST(RenameFiles, aStoppedApplyLeavesTheRestUntouchedAndSaysSo)
{
    TempTree tree, store;
    for (const char* name : {"a", "b", "c"})
        tree.addFile(name, name);
    const JournalFolder journals = journalsIn(store);
    const auto results = applyWithJournal(journals, tree, {{"c", "C"}, {"b", "B"}, {"a", "A"}}, {},
                                          [](int done, int) { return done < 1; });
    EXPECT_EQ(tree.list(), (std::vector<QByteArray>{"C", "a", "b"}));
    EXPECT_EQ(RenameReport(results.outcomes).countText(),
              QStringLiteral("2 of 3 files were not renamed\n"
                             "2 files were left untouched because the run was stopped"));
    // The journal holds the one rename made: undo takes back just that.
    ScriptedFileSystem fileSystem;
    EXPECT_EQ(RenameUndo(journals, fileSystem).undoLast().outcomes.size(), 1u);
    EXPECT_EQ(tree.list(), (std::vector<QByteArray>{"a", "b", "c"}));
}

} // namespace
