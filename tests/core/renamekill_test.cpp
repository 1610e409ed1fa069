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
#include <fcntl.h>
#include <random>
#include <set>
#include <sys/stat.h>
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
    None,
    BeforeRename,            // its record written, the rename not made
    AfterRename,             // the rename made, its record not written
    BetweenLinkAndUnlink,    // no no-replace rename: linked, the old name not yet removed
    AfterReservation,        // no links either: the new name reserved, the file not moved
    BeforeReservationRecord, // ... the reservation made, its record not written
    BeforeTimesKept,         // ... the file moved onto it, its own times not set back
    RandomRename,            // before or after a rename picked at random
    RandomTime,              // a random moment of the run
};

// The real file system, killing its process at the chosen point of rename killAt.
class KillingFileSystem : public ScriptedFileSystem {
public:
    KillingFileSystem(Point point, int killAt) : m_point(point), m_killAt(killAt)
    {
        const bool reserves = point >= Point::AfterReservation && point <= Point::BeforeTimesKept;
        if (point == Point::BetweenLinkAndUnlink || reserves)
            fileSystem.faults.noReplaceError = EINVAL;
        if (reserves)
            fileSystem.faults.linkError = EPERM;
        fileSystem.faults.afterLink = [this] { dieAt(Point::BetweenLinkAndUnlink); };
        fileSystem.faults.afterMove = [this] { dieAt(Point::BeforeTimesKept); };
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
        fileSystem.watchReservations([this, watch](const std::optional<FileIdentity>& reservation) {
            if (reservation)
                dieAt(Point::BeforeReservationRecord);
            const int error = watch(reservation);
            if (reservation)
                dieAt(Point::AfterReservation);
            return error;
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

// The files of the pattern and one that is not part of the run, all last modified long
// ago: a move that sets a file's time to now is seen.
void makeFiles(TempTree& tree, Pattern pattern, int count)
{
    const int first = pattern == Pattern::ShiftDown ? 1 : 0;
    const struct timespec longAgo[2] = {{1577872800, 0}, {1577872800, 0}};
    const auto add = [&](const QByteArray& name, const QByteArray& bytes) {
        tree.addFile(name, bytes);
        ::utimensat(AT_FDCWD, tree.path(name).constData(), longAgo, 0);
    };
    for (int i = first; i < first + count; ++i)
        add(fileName(i), "bytes of " + fileName(i));
    add("zz-foreign", "not ours");
}

// The bytes of the files, without their names.
std::vector<QByteArray> contentsOf(std::vector<QByteArray> files)
{
    for (QByteArray& file : files)
        file = file.mid(file.indexOf('<') + 1);
    std::sort(files.begin(), files.end());
    return files;
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
    Point undoPoint = Point::None; // a first undo, in a child, dies here ...
    int undoKillAt = 0;            // ... at this rename
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

// Undoes the newest journal in a child that dies as told; true when it died.
bool undoInChild(const JournalFolder& journals, Point point, int killAt)
{
    const pid_t child = ::fork();
    if (child == 0) {
        KillingFileSystem fileSystem(point, killAt);
        RenameUndo(journals, fileSystem).undoLast();
        ::_exit(0);
    }
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
        if (row.undoPoint != Point::None) {
            ASSERT_TRUE(undoInChild(journals, row.undoPoint, row.undoKillAt));
        }

        ScriptedFileSystem fileSystem;
        RenameUndo undo(journals, fileSystem);
        const RenameUndo::Result result = undo.undoLast();
        // A kill between an exclusive create and its record leaves an empty file nothing
        // proves ours: it must stay, and every entry not taken back must name it.
        std::set<QByteArray> holders;
        for (const ItemRenameResult& outcome : result.outcomes) {
            if (!outcome.renamed())
                holders.insert(outcome.outcome == RenameOutcome::HeldByLeftover
                                   ? outcome.holder
                                   : RenameReport::detailLine(outcome).toUtf8());
        }
        ASSERT_LE(holders.size(), 1u)
            << qPrintable(RenameReport(result.outcomes).detailLines().join(QLatin1Char('\n')));
        // At a random moment the kill may or may not fall into that gap.
        if (row.point != Point::RandomTime) {
            EXPECT_EQ(holders.size(), size_t(row.point == Point::BeforeReservationRecord ||
                                             row.undoPoint == Point::BeforeReservationRecord));
        }
        if (!holders.empty()) {
            // Reported: exactly the entries whose file is not back, and the one of an
            // interrupted Apply whose new name the empty file holds.
            const std::vector<QByteArray> now = filesWithContent(*tree);
            const auto notBack = std::count_if(original.begin(), original.end(), [&](auto& file) {
                return std::find(now.begin(), now.end(), file) == now.end();
            });
            EXPECT_EQ(result.failed, notBack + (row.undoPoint == Point::None));
            const QString line = RenameReport(result.outcomes).detailLines().back();
            EXPECT_TRUE(line.endsWith(": " + *holders.begin() +
                                      " is an empty file, probably left "
                                      "by the interrupted run: remove it and undo again"));
            std::vector<QByteArray> expected = contentsOf(original);
            expected.insert(expected.begin(), QByteArray());
            EXPECT_EQ(contentsOf(filesWithContent(*tree)), expected);
            ASSERT_TRUE(QFile::remove(QFile::decodeName(tree->path(*holders.begin()))));
            EXPECT_FALSE(undoInChild(journals, Point::None, 0));
        }
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
    {"FAT shift down: killed before the moved file has its times", Pattern::ShiftDown, Point::BeforeTimesKept, 30, 17, true},
    {"FAT shift up: killed before the record of the reservation", Pattern::ShiftUp, Point::BeforeReservationRecord, 30, 11, true},
    {"FAT shift up: undo killed after its reservation", Pattern::ShiftUp, Point::AfterRename, 30, 20, true, Point::AfterReservation, 6},
    {"FAT shift up: undo killed before the record of its reservation", Pattern::ShiftUp, Point::AfterRename, 30, 20, true, Point::BeforeReservationRecord, 6},
    {"FAT shift down: undo killed before the file has its times", Pattern::ShiftDown, Point::AfterRename, 30, 20, true, Point::BeforeTimesKept, 6},
    {"FAT rotation: killed at random renames", Pattern::Rotate, Point::RandomRename, 60, 0, true},
    {"FAT shift up: killed at random moments", Pattern::ShiftUp, Point::RandomTime, 60, 0, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, KilledApply, ::testing::ValuesIn(killCases), rowName<KillCase>);

} // namespace
