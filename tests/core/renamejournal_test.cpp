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
    QByteArray from;
    QByteArray to;
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
        if (at)
            at(i, Moment::BeforeRename);
        const RenameResult result = ScriptedFileSystem::renameFile(folder, oldName, newName);
        if (at)
            at(i, Moment::AfterRename);
        return result;
    }
};

// Apply all over one item per move, tried in the order of the moves, with the journal.
std::vector<ItemRenameResult> applyWithJournal(const JournalFolder& journals, const TempTree& tree,
                                               const std::vector<Move>& moves,
                                               const std::function<void(int, Moment)>& at = {})
{
    ItemStore store;
    for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
        Item item = diskItem(tree.root(), move->from);
        item.NewName = QFile::decodeName(move->to);
        item.NewExt.clear();
        store.append(item);
    }
    HookedFileSystem fileSystem;
    fileSystem.at = at;
    ScriptedInteraction interaction;
    RenameRunner runner(store, fileSystem, interaction);
    runner.setJournalFolder(journals);
    return runner.RenameFiles(true);
}

// A journal folder inside the tree.
JournalFolder journalsIn(const TempTree& tree)
{
    return JournalFolder(QString::fromUtf8(tree.path("journals")));
}

// Every file of the tree as "name<content", sorted.
std::vector<QByteArray> filesWithContent(const TempTree& tree)
{
    std::vector<QByteArray> out;
    for (const auto& [path, content] : filesUnder(tree))
        out.push_back(path + '<' + content);
    std::sort(out.begin(), out.end());
    return out;
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
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.journalError, 0);
    EXPECT_EQ(filesWithContent(tree), row.filesAfterUndo);
    QStringList lines = RenameReport(result.outcomes).detailLines();
    for (QString& line : lines)
        line.remove(0, QFile::decodeName(tree.root()).size() + 2);
    EXPECT_EQ(lines, QStringList(row.reportLines.begin(), row.reportLines.end()));
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(undo.undoLast().started);
}

// clang-format off
const UndoCase undoCases[] = {
    {"every renamed file goes back", {"a", "b", "c"}, {{"a", "x"}, {"b", "y"}, {"c", "z"}}, {},
     {"a<a", "b<b", "c<c"}, {}},
    {"a chain of renames goes back in reverse order", {"a", "b"}, {{"b", "c"}, {"a", "b"}}, {},
     {"a<a", "b<b"}, {}},
    {"a rename that failed at apply is left alone", {"a", "b"}, {{"a", "b"}, {"b", "c"}}, {},
     {"a<a", "b<b"}, {}},
    {"a file gone since is reported, the rest go back", {"a", "b"}, {{"a", "x"}, {"b", "y"}},
     [](TempTree& tree) { ::unlink(tree.path("x").constData()); },
     {"b<b"}, {"x → a: the file is no longer there"}},
    {"an old name taken since is skipped and both files kept", {"a", "b"}, {{"a", "x"}, {"b", "y"}},
     [](TempTree& tree) { tree.addFile("a", "new"); },
     {"a<new", "b<b", "x<a"}, {"x → a: a file with that name exists"}},
    {"names the journal escapes come back byte for byte", {"\xff\xfe", "100%", "a b\n"}, {{"\xff\xfe", "x"}, {"100%", "y"}, {"a b\n", "z"}}, {},
     {"100%<100%", "a b\n<a b\n", "\xff\xfe<\xff\xfe"}, {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, UndoTest, ::testing::ValuesIn(undoCases), rowName<UndoCase>);

TEST(RenameUndo, stepsBackOneApplyAtATimeAndKeepsTheNewestJournals)
{
    TempTree tree, store;
    tree.addFile("f0", "f0");
    const JournalFolder journals = journalsIn(store);
    const int applies = JournalFolder::Kept + 3;
    for (int i = 0; i < applies; ++i)
        applyWithJournal(journals, tree,
                         {{"f" + QByteArray::number(i), "f" + QByteArray::number(i + 1)}});
    const QStringList kept = journals.journals();
    ASSERT_EQ(kept.size(), JournalFolder::Kept);
    EXPECT_TRUE(kept.front().endsWith(QStringLiteral("/0000000004.journal")));
    EXPECT_TRUE(kept.back().endsWith(QStringLiteral("/0000000023.journal")));

    ScriptedFileSystem fileSystem;
    RenameUndo undo(journals, fileSystem);
    for (int step = 1; step <= JournalFolder::Kept; ++step) {
        ASSERT_TRUE(undo.undoLast().started);
        EXPECT_EQ(tree.list(), std::vector<QByteArray>{"f" + QByteArray::number(applies - step)});
    }
    EXPECT_FALSE(undo.canUndo());
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
    EXPECT_TRUE(undo.undoLast().outcomes.size() == 2);
    EXPECT_EQ(tree.list(), (std::vector<QByteArray>{"a", "b", "c"}));
    EXPECT_FALSE(undo.canUndo());
}

TEST(RenameJournal, aFolderThatCannotBeMadeIsRefusedWithItsReason)
{
    TempTree store;
    store.addFile("plain-file");
    int error = 0;
    EXPECT_FALSE(
        JournalFolder(QString::fromUtf8(store.path("plain-file/journals"))).startJournal(error));
    EXPECT_EQ(error, ENOTDIR);
}

// A run killed at any point: every file renamed before the kill comes back, the others
// were never touched.
struct CrashCase {
    const char* name;
    int killAt;    // the rename at which the child kills itself; -1: the parent kills it
    Moment moment; // before that rename, or between it and its record
};

class CrashTest : public ::testing::TestWithParam<CrashCase> {};

TEST_P(CrashTest, undoFromTheJournalOfAKilledRun)
{
    const CrashCase& row = GetParam();
    TempTree tree, store;
    const int fileCount = row.killAt < 0 ? 1000 : 10;
    std::vector<Move> moves;
    std::vector<QByteArray> original;
    for (int i = 0; i < fileCount; ++i) {
        const QByteArray name = "f" + QByteArray::number(i);
        tree.addFile(name, name);
        moves.push_back({name, "g" + QByteArray::number(i)});
        original.push_back(name + '<' + name);
    }
    std::sort(original.begin(), original.end());
    const JournalFolder journals = journalsIn(store);

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        applyWithJournal(journals, tree, moves, [&](int i, Moment moment) {
            if (i == 50 && row.killAt < 0)
                (void)!::write(ready[1], "r", 1);
            if (i == row.killAt && moment == row.moment)
                ::raise(SIGKILL);
        });
        ::raise(SIGKILL);
    }
    if (row.killAt < 0) {
        char c;
        ASSERT_EQ(::read(ready[0], &c, 1), 1);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_NE(filesWithContent(tree), original);

    ScriptedFileSystem fileSystem;
    RenameUndo undo(journals, fileSystem);
    const auto result = undo.undoLast();
    EXPECT_TRUE(result.started);
    EXPECT_EQ(RenameReport(result.outcomes).failed(), 0);
    EXPECT_EQ(filesWithContent(tree), original);
}

const CrashCase crashCases[] = {
    {"killed right before the fifth rename", 4, Moment::BeforeRename},
    {"killed between the fifth rename and its record", 4, Moment::AfterRename},
    {"killed by another process mid-run", -1, Moment::BeforeRename},
};

INSTANTIATE_TEST_SUITE_P(Cases, CrashTest, ::testing::ValuesIn(crashCases), rowName<CrashCase>);

TEST(RenameFiles, aStoppedApplyLeavesTheRestUntouchedAndSaysSo)
{
    TempTree tree, store;
    ItemStore items;
    for (const char* name : {"a", "b", "c"}) {
        tree.addFile(name, name);
        Item item = diskItem(tree.root(), name);
        item.NewName = QString::fromLatin1(name).toUpper();
        items.append(item);
    }
    ScriptedPlatform platform;
    RenameRunner runner(items, platform, platform);
    runner.setJournalFolder(journalsIn(store));
    runner.RenameFiles(true, [](int done, int) { return done < 1; });
    EXPECT_EQ(tree.list(), (std::vector<QByteArray>{"C", "a", "b"}));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].informative,
              QStringLiteral("2 of 3 files were not renamed\n"
                             "2 files were left untouched because the run was stopped"));
    EXPECT_EQ(platform.messages[0].details, QString());
    // The journal holds the one rename made: undo takes back just that.
    ScriptedFileSystem fileSystem;
    EXPECT_EQ(RenameUndo(*runner.journalFolder(), fileSystem).undoLast().outcomes.size(), 1u);
    EXPECT_EQ(tree.list(), (std::vector<QByteArray>{"a", "b", "c"}));
}

} // namespace
