#include "platform/posixfilesystem.h"
#include "platform/saferename.h"
#include "rename/renamerunner.h"
#include "renamefiles.h"
#include "resources/stringtable.h"
#include "rowname.h"
#include "scriptedplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    {"case change is an ordinary rename here", "a.txt", "A.TXT", 0, false, {"A.TXT", "dangling"}},
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
        if (row.oldName == "a.txt") {
            EXPECT_EQ(tree.content(row.error == 0 ? row.newName : row.oldName), "A");
        }
        if (row.raceInTheWay) {
            EXPECT_EQ(tree.content(row.newName), "late");
        }
        char target[16] = {};
        EXPECT_EQ(::readlink(tree.path("dangling").constData(), target, sizeof target - 1), 7);
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
    struct Row {
        const char* name;
        struct stat source;
        struct stat target;
        QByteArray oldName, newName;
        bool same;
    };
    const Row rows[] = {
        {"only name, other spelling", statOf(1, 5, 1), statOf(1, 5, 1), "a.txt", "A.TXT", true},
        {"another file", statOf(1, 5, 1), statOf(1, 6, 1), "a.txt", "A.TXT", false},
        {"same inode number on another device", statOf(1, 5, 1), statOf(2, 5, 1), "a", "A", false},
        {"second hard link under another name", statOf(1, 5, 2), statOf(1, 5, 2), "a", "b", false},
        {"hard-linked file, case change", statOf(1, 5, 2), statOf(1, 5, 2), "a\xc3\xa9",
         "A\xc3\x89", true},
    };
    for (const Row& row : rows) {
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
                faults.beforeMove = [&](const QByteArray&, const QByteArray& name) {
                    if (name != "A.txt" && name != "a.txt" && !tree.exists("A.txt"))
                        tree.addFile("A.txt", "other");
                };
            }
            const RenameResult result =
                saferename::renameThroughTemporary(tree.root(), "a.txt", "A.txt", faults);
            EXPECT_EQ(result.error, taken ? EEXIST : 0);
            // A taken second step sends the file back to its old name.
            const std::vector<QByteArray> after = taken ? std::vector<QByteArray>{"A.txt", "a.txt"}
                                                        : std::vector<QByteArray>{"A.txt"};
            EXPECT_EQ(tree.list(), after);
            EXPECT_EQ(tree.content(taken ? "a.txt" : "A.txt"), "A");
            EXPECT_EQ(tree.content("A.txt"), taken ? "other" : "A");
        }
    }
}

TEST(SafeRename, nameThatIsNotUtf8KeepsItsBytes)
{
    // "\xff.txt" shows as U+FFFD; a decoy already carries that spelling.
    const QByteArray odd("\xff.txt");
    const QByteArray decoy("\xef\xbf\xbd.txt");
    for (const char* proposal : {"", "new"}) { // empty: the name stays
        SCOPED_TRACE(proposal);
        TempTree tree;
        tree.addFile(odd, "odd");
        tree.addFile(decoy, "decoy");
        ItemStore store;
        ScriptedPlatform platform;
        store.append(diskItem(tree.root(), odd));
        if (*proposal)
            store.setNewName(0, QString::fromUtf8(proposal));
        RenameRunner(store, platform, platform).RenameFiles(true);
        std::vector<QByteArray> expected{*proposal ? QByteArray("new.txt") : odd, decoy};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(tree.list(), expected);
        EXPECT_EQ(tree.content(decoy), "decoy");
        EXPECT_TRUE(platform.messages.empty());
        // The temporary folder's own clean-up cannot reach a name that is not UTF-8.
        ::unlink(tree.path(odd).constData());
    }
}

// Folder -> contents of the files directly in it.
std::map<QByteArray, std::multiset<QByteArray>> contentsByFolder(const TempTree& tree)
{
    std::map<QByteArray, std::multiset<QByteArray>> out;
    for (const auto& [path, content] : filesUnder(tree)) {
        const qsizetype slash = path.lastIndexOf('/');
        out[slash < 0 ? QByteArray() : path.left(slash)].insert(content);
    }
    return out;
}

TEST(SafeRename, applyAllConservesEveryFile)
{
    const QByteArray folders[] = {"", "d", "d/e", "f"};
    const QByteArray pool[] = {"a", "A", "a.txt", "A.TXT", "b.txt", "b", "c d", "x.y.z"};
    const QString invalid[] = {"..", "q/r", QString(QChar(0)), QString(300, QLatin1Char('l'))};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        TempTree tree;
        ItemStore store;
        ScriptedPlatform platform;
        int serial = 0;
        for (const QByteArray& folder : folders) {
            for (const QByteArray& name : pool) {
                if (rng() % 2)
                    continue;
                tree.addFile(folder.isEmpty() ? name : folder + '/' + name,
                             "file " + QByteArray::number(serial++));
                store.append(diskItem(tree.path(folder), name));
            }
        }
        std::vector<int> order(size_t(store.ItemCount()));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        store.permute(order);

        const auto relativeOf = [&tree](const Item& item) {
            return PosixFileSystem::join(item.diskFolder, item.diskName)
                .mid(tree.root().size() + 1);
        };
        std::vector<QByteArray> contentBefore;
        std::map<QByteArray, QByteArray> contentAt;
        for (int i = 0; i < store.ItemCount(); ++i) {
            const QByteArray relative = relativeOf(store.item(i));
            contentBefore.push_back(tree.content(relative));
            contentAt[relative] = contentBefore.back();
            switch (rng() % 5) {
            case 1:
            case 2:
                store.setNewName(i, QFile::decodeName(pool[rng() % 8]));
                store.setNewExt(i, rng() % 2 ? QString() : QStringLiteral(".txt"));
                break;
            case 3:
                store.setNewName(i, invalid[rng() % 4]);
                break;
            case 4:
                store.setNewName(i, QStringLiteral("n") + QString::number(rng() % 6));
                break;
            }
            store.setSelected(i, rng() % 2);
        }
        const auto before = contentsByFolder(tree);
        const size_t filesBefore = filesUnder(tree).size();
        const int itemsBefore = store.ItemCount();
        const int taking = int(rng() % 2) ? itemsBefore : store.selectedCount();

        RenameRunner runner(store, platform, platform);
        runner.RemoveAfterRename = rng() % 2;
        runner.RenameFiles(taking == itemsBefore);

        EXPECT_EQ(filesUnder(tree).size(), filesBefore);
        EXPECT_EQ(contentsByFolder(tree), before); // each content still in its own folder
        ASSERT_LE(platform.messages.size(), 1u);
        const bool duplicate = !platform.messages.empty() &&
                               platform.messages[0].text == LoadResString(TextId::DuplicatesFound);
        const bool failure = !platform.messages.empty() &&
                             platform.messages[0].text == LoadResString(TextId::RenameFailed);
        if (runner.RemoveAfterRename && !duplicate) {
            EXPECT_EQ(store.ItemCount() == itemsBefore - taking, !failure);
        }
        // Every item still in the list reaches the file it stood for.
        for (int i = 0; i < store.ItemCount(); ++i) {
            const QByteArray relative = relativeOf(store.item(i));
            const QByteArray expected = !runner.RemoveAfterRename || duplicate
                                            ? contentBefore[size_t(i)]
                                            : contentAt[relative];
            EXPECT_EQ(tree.content(relative), expected) << relative.data();
        }
    }
}

} // namespace
