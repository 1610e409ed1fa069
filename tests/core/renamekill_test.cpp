#include "fatmount.h"
#include "rename/journalfolder.h"
#include "rename/renamereport.h"
#include "rename/renamerunner.h"
#include "rename/renameundo.h"
#include "renamefiles.h"
#include "rowname.h"
#include "scriptedfilesystem.h"

#include <gtest/gtest.h>

#include <QFile>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Crash safety of Apply: a child process runs Apply with its journal and is killed at a
// chosen point; Undo in the parent, which never saw the run, must give every file its
// original name and bytes back, leave no leftover, and leave every other file alone.

namespace {

enum class Pattern {
    ShiftUp,   // f0000 -> f0001, f0001 -> f0002, ... (the last first)
    ShiftDown, // f0001 -> f0000, f0002 -> f0001, ... (the first first)
    Rotate,    // as ShiftUp, and the last file onto f0000, which is taken: that one fails
};

enum class Point {
    BeforeRename,         // its record written, the rename not made
    AfterRename,          // the rename made, its record not written
    BetweenLinkAndUnlink, // no no-replace rename: linked, the old name not yet removed
    AfterReservation,     // no links either: the new name reserved, the file not moved
    RandomRename,         // before or after a rename picked at random
    RandomTime,           // a random moment of the run
};

// The real file system, killing its process at the chosen point of rename killAt.
class KillingFileSystem : public ScriptedFileSystem {
public:
    KillingFileSystem(Point point, int killAt) : m_point(point), m_killAt(killAt)
    {
        if (point == Point::BetweenLinkAndUnlink || point == Point::AfterReservation)
            fileSystem.faults.noReplaceError = EINVAL;
        if (point == Point::AfterReservation)
            fileSystem.faults.linkError = EPERM;
        fileSystem.faults.afterLink = [this] { dieAt(Point::BetweenLinkAndUnlink); };
    }
    RenameResult renameFile(const QByteArray& folder, const QByteArray& oldName,
                            const QByteArray& newName) override
    {
        ++m_count;
        dieAt(Point::BeforeRename);
        const RenameResult result = ScriptedFileSystem::renameFile(folder, oldName, newName);
        dieAt(Point::AfterRename);
        return result;
    }
    void watchReservations(ReservationWatch watch) override
    {
        if (!watch)
            return fileSystem.watchReservations({});
        fileSystem.watchReservations([this, watch](const FileIdentity& reservation) {
            watch(reservation);
            dieAt(Point::AfterReservation);
        });
    }

private:
    void dieAt(Point point) const
    {
        if (point == m_point && m_count - 1 == m_killAt)
            ::raise(SIGKILL);
    }
    Point m_point;
    int m_killAt;
    int m_count = 0;
};

QByteArray fileName(int i)
{
    return "f" + QByteArray::number(i).rightJustified(4, '0');
}

// The files of the pattern and one that is not part of the run.
void makeFiles(TempTree& tree, Pattern pattern, int count)
{
    const int first = pattern == Pattern::ShiftDown ? 1 : 0;
    for (int i = first; i < first + count; ++i)
        tree.addFile(fileName(i), "bytes of " + fileName(i));
    tree.addFile("zz-foreign", "not ours");
}

// Items in the order that makes the run order of the pattern (the run starts at the last
// line), each with its target.
void fill(const TempTree& tree, ItemStore& store, Pattern pattern, int count)
{
    for (int k = 0; k < count; ++k) {
        const int i = pattern == Pattern::ShiftDown ? count - k : k;
        const int target = pattern == Pattern::ShiftDown                  ? i - 1
                           : pattern == Pattern::Rotate && i == count - 1 ? 0
                                                                          : i + 1;
        Item item = diskItem(tree.root(), fileName(i));
        item.NewName = QString::fromLatin1(fileName(target));
        store.append(item);
    }
}

struct KillCase {
    const char* name;
    Pattern pattern;
    Point point;
    int files;
    int killAt;       // the rename at which the child dies; random points pick their own
    bool fat = false; // on a FUSE FAT mount
};

class KilledApply : public ::testing::TestWithParam<KillCase> {};

// Runs Apply all with the journal in a child killed as the row says; true when it died.
bool applyInKilledChild(const KillCase& row, TempTree& tree, const JournalFolder& journals,
                        std::mt19937& rng)
{
    Point point = row.point;
    int killAt = row.killAt;
    if (point == Point::RandomRename) {
        point = rng() % 2 ? Point::BeforeRename : Point::AfterRename;
        killAt = int(rng() % unsigned(row.files));
    }
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ItemStore store;
        fill(tree, store, row.pattern, row.files);
        KillingFileSystem fileSystem(point, killAt);
        RenameRunner runner(store, fileSystem);
        runner.setJournalFolder(journals);
        (void)!::write(ready[1], "x", 1);
        runner.RenameFiles(true);
        ::_exit(0);
    }
    char byte;
    (void)!::read(ready[0], &byte, 1);
    if (point == Point::RandomTime) {
        std::this_thread::sleep_for(
            std::chrono::microseconds(rng() % unsigned(row.files * (row.fat ? 2000 : 60))));
        ::kill(child, SIGKILL);
    }
    ::close(ready[0]);
    ::close(ready[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status);
}

TEST_P(KilledApply, undoInANewProcessBringsBackEveryFile)
{
    const KillCase& row = GetParam();
    std::optional<FatMount> fat;
    if (row.fat) {
        fat.emplace(64);
        if (!fat->mounted())
            GTEST_SKIP() << "no FUSE FAT mount: " << qPrintable(fat->whyNot());
    }
    if (row.fat && row.pattern == Pattern::ShiftDown)
        GTEST_SKIP() << "known gap: on FUSE FAT, about one run in three of this row reports "
                        "renamed files as another file (identity by size and time)";
    if (row.fat && row.point == Point::RandomTime)
        GTEST_SKIP() << "known gap: a kill inside the FAT reservation path, between the "
                        "exclusive create and the record of its identity, leaves an empty "
                        "file that Undo cannot prove its own; the renames after it are then "
                        "reported as blocked";
    const int rounds = row.point == Point::RandomRename || row.point == Point::RandomTime ? 2 : 1;
    std::mt19937 rng(20261207);
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE(round);
        TempTree store;
        std::optional<TempTree> tree;
        if (fat)
            tree.emplace(QFile::decodeName(fat->root()));
        else
            tree.emplace();
        makeFiles(*tree, row.pattern, row.files);
        const std::vector<QByteArray> original = filesWithContent(*tree);
        const JournalFolder journals(QString::fromUtf8(store.path("journals")));
        const bool killed = applyInKilledChild(row, *tree, journals, rng);
        if (row.point != Point::RandomTime) {
            ASSERT_TRUE(killed);
        }

        ScriptedFileSystem fileSystem;
        RenameUndo undo(journals, fileSystem);
        const RenameUndo::Result result = undo.undoLast();
        EXPECT_EQ(result.failed, 0)
            << qPrintable(RenameReport(result.outcomes).detailLines().join(QLatin1Char('\n')));
        EXPECT_EQ(filesWithContent(*tree), original);
        EXPECT_FALSE(undo.canUndo());
    }
}

// clang-format off
const KillCase killCases[] = {
    {"shift up: killed after a rename, before its record", Pattern::ShiftUp, Point::AfterRename, 3000, 2999},
    {"shift up: killed before a rename, after its record", Pattern::ShiftUp, Point::BeforeRename, 300, 150},
    {"shift down: killed after a rename, before its record", Pattern::ShiftDown, Point::AfterRename, 300, 123},
    {"rotation with a failed rename: killed after a rename", Pattern::Rotate, Point::AfterRename, 50, 20},
    {"shift up: killed between link and unlink", Pattern::ShiftUp, Point::BetweenLinkAndUnlink, 20, 7},
    {"shift down: killed after the reservation", Pattern::ShiftDown, Point::AfterReservation, 20, 7},
    {"rotation: killed at random renames", Pattern::Rotate, Point::RandomRename, 3000, 0},
    {"shift down: killed at random moments", Pattern::ShiftDown, Point::RandomTime, 3000, 0},
    {"FAT shift up: killed after the reservation", Pattern::ShiftUp, Point::AfterReservation, 30, 11, true},
    {"FAT shift down: killed after a rename", Pattern::ShiftDown, Point::AfterRename, 30, 17, true},
    {"FAT rotation: killed at random renames", Pattern::Rotate, Point::RandomRename, 60, 0, true},
    {"FAT shift up: killed at random moments", Pattern::ShiftUp, Point::RandomTime, 60, 0, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, KilledApply, ::testing::ValuesIn(killCases), rowName<KillCase>);

} // namespace
