#include "platform/posixfilesystem.h"
#include "platform/saferename.h"
#include "rowname.h"
#include "temptree.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <utility>

namespace {

// How the file system under test moves files: natively without replacing, by link and
// unlink (no RENAME_NOREPLACE), or by a checked plain rename (no hard links either).
enum class Mode { Native, LinkFallback, CheckedFallback };
const Mode allModes[] = {Mode::Native, Mode::LinkFallback, Mode::CheckedFallback};
const char* const modeNames[] = {"native", "link fallback", "checked fallback"};

saferename::Faults faultsFor(Mode mode)
{
    saferename::Faults faults;
    if (mode != Mode::Native)
        faults.noReplaceError = mode == Mode::LinkFallback ? EINVAL : ENOSYS;
    if (mode == Mode::CheckedFallback)
        faults.linkError = EPERM;
    return faults;
}

RenameResult renameIn(Mode mode, const TempTree& tree, const QByteArray& oldName,
                      const QByteArray& newName,
                      std::function<void(const QByteArray&, const QByteArray&)> hook)
{
    if (mode == Mode::Native) {
        PosixFileSystem fs;
        fs.beforeRename = std::move(hook);
        return fs.renameFile(tree.root(), oldName, newName);
    }
    saferename::Faults faults = faultsFor(mode);
    faults.beforeMove = std::move(hook);
    return saferename::renameInFolder(tree.root(), oldName, newName, faults);
}

struct SafetyCase {
    const char* name;
    QByteArray oldName;
    QByteArray newName;
    int error;                     // 0 for success
    bool raceInTheWay;             // a target appears right before the move
    std::vector<QByteArray> after; // names in the folder afterwards; empty: as before
};

// Every case starts from a.txt ("A") and a dangling link "dangling".
// clang-format off
const SafetyCase safetyCases[] = {
    {"free target is renamed", "a.txt", "b.txt", 0, false, {"b.txt", "dangling"}},
    {"same name touches nothing", "a.txt", "a.txt", 0, false, {}},
    {"existing target is kept", "a.txt", "dangling", EEXIST, false, {}},
    {"target created before the move is kept", "a.txt", "late", EEXIST, true, {"a.txt", "dangling", "late"}},
    {"vanished source fails", "gone", "b.txt", ENOENT, false, {}},
    {"vanished source under its own name fails", "gone", "gone", ENOENT, false, {}},
    {"empty name refused", "a.txt", "", EINVAL, false, {}},
    {"dot dot refused", "a.txt", "..", EINVAL, false, {}},
    {"slash refused", "a.txt", "../a.txt", EINVAL, false, {}},
    {"NUL refused", "a.txt", QByteArray("b\0c", 3), EINVAL, false, {}},
    {"256 bytes refused", "a.txt", QByteArray(256, 'x'), ENAMETOOLONG, false, {}},
    {"130 two-byte letters refused", "a.txt", QString(130, QChar(0xe9)).toUtf8(), ENAMETOOLONG, false, {}},
    {"255 bytes accepted", "a.txt", QByteArray(255, 'y'), 0, false, {"dangling", QByteArray(255, 'y')}},
};
// clang-format on

class SafeRenameTest : public ::testing::TestWithParam<SafetyCase> {};

TEST_P(SafeRenameTest, neverLosesAFile)
{
    const SafetyCase& row = GetParam();
    const std::vector<QByteArray> after =
        row.after.empty() ? std::vector<QByteArray>{"a.txt", "dangling"} : row.after;
    for (Mode mode : allModes) {
        SCOPED_TRACE(modeNames[int(mode)]);
        TempTree tree;
        tree.addFile("a.txt", "A");
        tree.addSymlink("dangling", "nowhere");
        std::function<void(const QByteArray&, const QByteArray&)> hook;
        if (row.raceInTheWay)
            hook = [&](const QByteArray&, const QByteArray& name) { tree.addFile(name, "late"); };

        const RenameResult result = renameIn(mode, tree, row.oldName, row.newName, hook);

        EXPECT_EQ(result.error, row.error);
        EXPECT_EQ(tree.list(), after);
        // The file keeps its content under the name it ends with (a vanished one has none).
        EXPECT_EQ(tree.content(row.error == 0 ? row.newName : row.oldName),
                  row.oldName == "a.txt" ? "A" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SafeRenameTest, ::testing::ValuesIn(safetyCases),
                         rowName<SafetyCase>);

struct stat statOf(dev_t dev, ino_t ino, nlink_t links)
{
    struct stat st = {};
    st.st_dev = dev;
    st.st_ino = ino;
    st.st_nlink = links;
    return st;
}

TEST(SafeRename, sameEntryDecision)
{
    const struct {
        const char* name;
        struct stat source, target;
        QByteArray oldName, newName;
        bool same;
    } rows[] = {
        // clang-format off
        {"only name, other spelling", statOf(1, 5, 1), statOf(1, 5, 1), "a.txt", "A.TXT", true},
        {"another file", statOf(1, 5, 1), statOf(1, 6, 1), "a.txt", "A.TXT", false},
        {"same inode number on another device", statOf(1, 5, 1), statOf(2, 5, 1), "a", "A", false},
        {"second hard link under another name", statOf(1, 5, 2), statOf(1, 5, 2), "a", "b", false},
        {"hard-linked file, case change", statOf(1, 5, 2), statOf(1, 5, 2), "a\xc3\xa9", "A\xc3\x89", true},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(saferename::isSameEntry(row.source, row.target, row.oldName, row.newName),
                  row.same);
    }
}

TEST(SafeRename, throughTemporaryMovesOrRollsBack)
{
    for (Mode mode : allModes) {
        for (bool taken : {false, true}) {
            SCOPED_TRACE(std::string(modeNames[int(mode)]) + (taken ? ", target taken" : ""));
            TempTree tree;
            tree.addFile("a.txt", "A");
            saferename::Faults faults = faultsFor(mode);
            if (taken) { // while the file sits under its temporary name
                faults.beforeMove = [&, added = false](const QByteArray&,
                                                       const QByteArray& name) mutable {
                    if (name != "A.txt" && name != "a.txt" && !std::exchange(added, true))
                        tree.addFile("A.txt", "other");
                };
            }
            const RenameResult result =
                saferename::renameThroughTemporary(tree.root(), "a.txt", "A.txt", faults);
            EXPECT_EQ(result.error, taken ? EEXIST : 0);
            // A taken second step sends the file back to its old name.
            EXPECT_EQ(tree.list().size(), taken ? 2u : 1u);
            EXPECT_EQ(tree.content("A.txt") + '|' + tree.content("a.txt"),
                      taken ? "other|A" : "A|");
        }
    }
}

} // namespace
