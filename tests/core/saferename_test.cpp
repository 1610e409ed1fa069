#include "platform/posixfilesystem.h"
#include "platform/saferename.h"
#include "rename/renamerunner.h"
#include "resources/stringtable.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// GoogleTest names take letters, digits and underscores only.
std::string testName(const char* text)
{
    std::string name;
    for (const char* c = text; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

// How the file system under test moves files: natively without replacing, by link and
// unlink (no RENAME_NOREPLACE), or by a checked plain rename (no hard links either).
enum class Mode { Native, LinkFallback, CheckedFallback };

const char* modeName(Mode mode)
{
    switch (mode) {
    case Mode::Native:
        return "native";
    case Mode::LinkFallback:
        return "link fallback";
    case Mode::CheckedFallback:
        return "checked fallback";
    }
    return "";
}

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
                      std::function<void(const QByteArray&, const QByteArray&)> hook = {})
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
    std::vector<QByteArray> after; // names in the folder afterwards
};

// Every case starts from a.txt ("A") and a dangling link "dangling".
const SafetyCase safetyCases[] = {
    {"free target is renamed", "a.txt", "b.txt", 0, false, {"b.txt", "dangling"}},
    {"same name touches nothing", "a.txt", "a.txt", 0, false, {"a.txt", "dangling"}},
    {"case change is an ordinary rename here", "a.txt", "A.TXT", 0, false, {"A.TXT", "dangling"}},
    {"existing target is kept", "a.txt", "dangling", EEXIST, false, {"a.txt", "dangling"}},
    {"target created before the move is kept",
     "a.txt",
     "late",
     EEXIST,
     true,
     {"a.txt", "dangling", "late"}},
    {"vanished source fails", "gone", "b.txt", ENOENT, false, {"a.txt", "dangling"}},
    {"vanished source under its own name fails",
     "gone",
     "gone",
     ENOENT,
     false,
     {"a.txt", "dangling"}},
    {"empty name refused", "a.txt", "", EINVAL, false, {"a.txt", "dangling"}},
    {"dot refused", "a.txt", ".", EINVAL, false, {"a.txt", "dangling"}},
    {"dot dot refused", "a.txt", "..", EINVAL, false, {"a.txt", "dangling"}},
    {"slash refused", "a.txt", "../a.txt", EINVAL, false, {"a.txt", "dangling"}},
    {"NUL refused", "a.txt", QByteArray("b\0c", 3), EINVAL, false, {"a.txt", "dangling"}},
    {"256 bytes refused",
     "a.txt",
     QByteArray(256, 'x'),
     ENAMETOOLONG,
     false,
     {"a.txt", "dangling"}},
    {"130 two-byte letters refused",
     "a.txt",
     QString(130, QChar(0xe9)).toUtf8(),
     ENAMETOOLONG,
     false,
     {"a.txt", "dangling"}},
    {"255 bytes accepted",
     "a.txt",
     QByteArray(255, 'y'),
     0,
     false,
     {"dangling", QByteArray(255, 'y')}},
};

void PrintTo(const SafetyCase& row, std::ostream* os)
{
    *os << row.name;
}

class SafeRenameTest : public ::testing::TestWithParam<SafetyCase> {};

TEST_P(SafeRenameTest, neverLosesAFile)
{
    const SafetyCase& row = GetParam();
    for (Mode mode : {Mode::Native, Mode::LinkFallback, Mode::CheckedFallback}) {
        SCOPED_TRACE(modeName(mode));
        // Between an lstat and a plain rename nothing can stop a racing file.
        if (row.raceInTheWay && mode == Mode::CheckedFallback)
            continue;
        TempTree tree;
        tree.addFile("a.txt", "A");
        tree.addSymlink("dangling", "nowhere");
        std::function<void(const QByteArray&, const QByteArray&)> hook;
        if (row.raceInTheWay)
            hook = [&](const QByteArray&, const QByteArray& name) { tree.addFile(name, "late"); };

        const RenameResult result = renameIn(mode, tree, row.oldName, row.newName, hook);

        EXPECT_EQ(result.error, row.error);
        EXPECT_EQ(tree.list(), row.after);
        const QByteArray moved = row.error == 0 ? row.newName : row.oldName;
        if (row.oldName == "a.txt") {
            EXPECT_EQ(tree.content(moved), "A");
        }
        if (row.raceInTheWay) {
            EXPECT_EQ(tree.content(row.newName), "late");
        }
        char target[16] = {};
        EXPECT_EQ(::readlink(tree.path("dangling").constData(), target, sizeof target - 1), 7);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SafeRenameTest, ::testing::ValuesIn(safetyCases),
                         [](const ::testing::TestParamInfo<SafetyCase>& row) {
                             return testName(row.param.name);
                         });

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
    for (Mode mode : {Mode::Native, Mode::LinkFallback, Mode::CheckedFallback}) {
        SCOPED_TRACE(modeName(mode));
        {
            TempTree tree;
            tree.addFile("a.txt", "A");
            const RenameResult result =
                saferename::renameThroughTemporary(tree.root(), "a.txt", "A.txt", faultsFor(mode));
            EXPECT_EQ(result.error, 0);
            EXPECT_EQ(tree.list(), std::vector<QByteArray>{"A.txt"});
            EXPECT_EQ(tree.content("A.txt"), "A");
        }
        {
            // The second step finds its target taken: the file goes back to its name.
            TempTree tree;
            tree.addFile("a.txt", "A");
            saferename::Faults faults = faultsFor(mode);
            faults.beforeMove = [&](const QByteArray&, const QByteArray& name) {
                // Taken while the file sits under its temporary name.
                if (name != "A.txt" && name != "a.txt" && !tree.exists("A.txt"))
                    tree.addFile("A.txt", "other");
            };
            const RenameResult result =
                saferename::renameThroughTemporary(tree.root(), "a.txt", "A.txt", faults);
            EXPECT_EQ(result.error, EEXIST);
            EXPECT_EQ(tree.list(), (std::vector<QByteArray>{"A.txt", "a.txt"}));
            EXPECT_EQ(tree.content("a.txt"), "A");
            EXPECT_EQ(tree.content("A.txt"), "other");
        }
    }
}

TEST(SafeRename, readOnlyFolderFails)
{
    TempTree tree;
    tree.addFile("ro/a.txt", "A");
    ::chmod(tree.root().constData(), 0755);
    ::chmod(tree.path("ro").constData(), 0555);
    const QByteArray folder = tree.path("ro");
    int error = 0;
    if (::geteuid() != 0) {
        error = PosixFileSystem().renameFile(folder, "a.txt", "b.txt").error;
    } else {
        // Permissions do not bind root: try as an unprivileged user in a child.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(255);
            ::_exit(PosixFileSystem().renameFile(folder, "a.txt", "b.txt").error);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        error = WEXITSTATUS(status);
    }
    ::chmod(folder.constData(), 0755);
    EXPECT_EQ(error, EACCES);
    EXPECT_EQ(tree.list("ro"), std::vector<QByteArray>{"a.txt"});
}

Item loadedItem(const QByteArray& folder, const QByteArray& diskName)
{
    Item item;
    item.diskFolder = folder;
    item.diskName = diskName;
    item.ItemPath = QFile::decodeName(folder);
    const QString name = QFile::decodeName(diskName);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    item.OrigName = dot < 0 ? name : name.left(dot);
    item.OrigExt = dot < 0 ? QString() : name.mid(dot);
    item.NewName = item.OrigName;
    item.NewExt = item.OrigExt;
    return item;
}

TEST(SafeRename, nameThatIsNotUtf8KeepsItsBytes)
{
    // "\xff.txt" shows as U+FFFD; a decoy already carries that spelling.
    const QByteArray odd("\xff.txt");
    const QByteArray decoy("\xef\xbf\xbd.txt");
    struct Row {
        const char* name;
        const char* proposal; // empty: the name stays
        std::vector<QByteArray> after;
        size_t messages;
    };
    const Row rows[] = {
        {"untouched: nothing happens", "", {odd, decoy}, 0},
        {"renamed: decoy stays", "new", {"new.txt", decoy}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempTree tree;
        tree.addFile(odd, "odd");
        tree.addFile(decoy, "decoy");
        ItemStore store;
        ScriptedPlatform platform;
        store.append(loadedItem(tree.root(), odd));
        if (*row.proposal)
            store.setNewName(0, QString::fromUtf8(row.proposal));
        RenameRunner runner(store, platform);
        runner.RenameFiles(true);
        std::vector<QByteArray> expected = row.after;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(tree.list(), expected);
        EXPECT_EQ(tree.content(decoy), "decoy");
        EXPECT_EQ(platform.messages.size(), row.messages);
        // The temporary folder's own clean-up cannot reach a name that is not UTF-8.
        ::unlink(tree.path(odd).constData());
    }
}

// Walks the tree: folder -> content of every file directly in it.
void collect(const TempTree& tree, const QByteArray& folder,
             std::map<QByteArray, std::multiset<QByteArray>>& out, int& files)
{
    PosixFileSystem fs;
    for (const QByteArray& name : tree.list(folder)) {
        const QByteArray relative = folder.isEmpty() ? name : folder + '/' + name;
        if (fs.pathKind(tree.path(relative)) == PathKind::Folder) {
            collect(tree, relative, out, files);
        } else {
            out[folder].insert(tree.content(relative));
            ++files;
        }
    }
}

TEST(SafeRename, applyAllConservesEveryFile)
{
    const QByteArray folders[] = {"", "d", "d/e", "f"};
    const QByteArray pool[] = {"a", "A", "a.txt", "A.TXT", "b.txt", "b", "c d", "x.y.z"};
    const QString invalid[] = {QStringLiteral(".."), QStringLiteral("q/r"), QString(QChar(0)),
                               QString(300, QLatin1Char('l'))};
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
                const QByteArray relative = folder.isEmpty() ? name : folder + '/' + name;
                const QByteArray content = "file " + QByteArray::number(serial++);
                tree.addFile(relative, content);
                store.append(loadedItem(tree.path(folder), name));
            }
        }
        std::vector<int> order(size_t(store.ItemCount()));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        store.permute(order);

        std::vector<QByteArray> contentBefore;
        std::map<QByteArray, QByteArray> contentAt;
        for (int i = 0; i < store.ItemCount(); ++i) {
            const Item& item = store.item(i);
            const QByteArray relative =
                PosixFileSystem::join(item.diskFolder, item.diskName).mid(tree.root().size() + 1);
            contentBefore.push_back(tree.content(relative));
            contentAt[relative] = contentBefore.back();
            switch (rng() % 5) {
            case 0:
                break;
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
        std::map<QByteArray, std::multiset<QByteArray>> before, after;
        int filesBefore = 0, filesAfter = 0;
        collect(tree, {}, before, filesBefore);
        const int itemsBefore = store.ItemCount();
        const int taking = int(rng() % 2) ? itemsBefore : store.selectedCount();
        const bool applyAll = taking == itemsBefore;

        RenameRunner runner(store, platform);
        runner.RemoveAfterRename = rng() % 2;
        runner.RenameFiles(applyAll);

        collect(tree, {}, after, filesAfter);
        EXPECT_EQ(filesAfter, filesBefore);
        EXPECT_EQ(after, before); // each content still in its own folder
        ASSERT_LE(platform.messages.size(), 1u);
        const bool duplicate =
            !platform.messages.empty() && platform.messages[0].text == LoadResString(401);
        const bool failure =
            !platform.messages.empty() && platform.messages[0].text == LoadResString(402);
        if (runner.RemoveAfterRename && !duplicate) {
            EXPECT_EQ(store.ItemCount() == itemsBefore - taking, !failure);
        }
        // Every item still in the list reaches the file it stood for.
        for (int i = 0; i < store.ItemCount(); ++i) {
            const Item& item = store.item(i);
            const QByteArray relative =
                PosixFileSystem::join(item.diskFolder, item.diskName).mid(tree.root().size() + 1);
            const QByteArray expected = !runner.RemoveAfterRename || duplicate
                                            ? contentBefore[size_t(i)]
                                            : contentAt[relative];
            EXPECT_EQ(tree.content(relative), expected) << relative.data();
        }
    }
}

} // namespace
