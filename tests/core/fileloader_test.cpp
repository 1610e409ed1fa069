#include "list/fileloader.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <gtest/gtest.h>

#include <QFile>

#include <map>
#include <set>
#include <unistd.h>

namespace {

struct Texts {
    QString origName, origExt, newName, newExt;
};

void expectItem(const Item& item, const Texts& want)
{
    EXPECT_EQ(item.OrigName, want.origName);
    EXPECT_EQ(item.OrigExt, want.origExt);
    EXPECT_EQ(item.NewName, want.newName);
    EXPECT_EQ(item.NewExt, want.newExt);
    EXPECT_EQ(item.line(), want.newName + want.newExt);
}

std::vector<QString> lines(const ItemStore& store)
{
    std::vector<QString> out;
    for (int i = 0; i < store.ItemCount(); ++i)
        out.push_back(store.item(i).ItemPath + QLatin1Char('|') + store.item(i).line());
    return out;
}

std::vector<bool> marks(const ItemStore& store)
{
    std::vector<bool> out;
    for (int i = 0; i < store.ItemCount(); ++i)
        out.push_back(store.isSelected(i));
    return out;
}

QString q(const QByteArray& bytes)
{
    return QFile::decodeName(bytes);
}

// A platform whose folder listings are scripted, for trees that cannot be built in a
// temporary folder (the root folder, entries the listing cannot type).
class ListingPlatform : public ScriptedPlatform {
public:
    std::map<QByteArray, std::vector<FolderEntry>> listings;
    std::vector<QByteArray> listed;

    bool listFolder(const QByteArray& folder, std::vector<FolderEntry>& entries) override
    {
        listed.push_back(folder);
        const auto found = listings.find(folder);
        if (found == listings.end())
            return ScriptedPlatform::listFolder(folder, entries);
        entries = found->second;
        return true;
    }
};

} // namespace

// ---- name splitting, through a drop of a real file ----

struct SplitCase {
    const char* name;
    QByteArray fileName;
    Texts want;
};

class NameSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(NameSplitting, DroppedFileGetsTheseTexts)
{
    const SplitCase& c = GetParam();
    TempTree tree;
    tree.addFile(c.fileName);
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader loader(store, platform);
    loader.dropPaths({tree.path(c.fileName)});
    ASSERT_EQ(store.ItemCount(), 1);
    expectItem(store.item(0), c.want);
    EXPECT_EQ(store.item(0).ItemPath, q(tree.root()));
    EXPECT_EQ(store.item(0).diskName, c.fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameSplitting,
    ::testing::Values(
        SplitCase{"plain", "report.txt", {"report", ".txt", "report", ".txt"}},
        SplitCase{"several_dots_split_at_last",
                  "archive.tar.gz",
                  {"archive.tar", ".gz", "archive.tar", ".gz"}},
        SplitCase{"no_dot_no_extension", "README", {"README", "", "README", ""}},
        SplitCase{"trailing_dot_stays_in_name", "name.", {"name.", "", "name.", ""}},
        SplitCase{
            "leading_only_dot_is_all_extension", ".profile", {"", ".profile", "", ".profile"}},
        SplitCase{"space_after_last_dot_kept_on_disk_only",
                  "name. txt",
                  {"name", ". txt", "name", ".txt"}},
        SplitCase{"spaces_around_name_kept_on_disk_only",
                  "  my song  .mp3",
                  {"  my song  ", ".mp3", "my song", ".mp3"}},
        SplitCase{"extension_of_spaces_leaves_bare_dot", "odd.  ", {"odd", ".  ", "odd", "."}},
        SplitCase{"tab_is_not_trimmed", "tab\t.txt", {"tab\t", ".txt", "tab\t", ".txt"}},
        // U+00FF and U+0001 are the characters of the ClassifyPath markers; a file with such
        // an extension is still a file.
        SplitCase{"extension_equal_to_failure_marker",
                  "pic.\xc3\xbf",
                  {"pic", QStringLiteral(".\u00ff"), "pic", QStringLiteral(".\u00ff")}},
        SplitCase{"extension_equal_to_folder_marker",
                  "pic.\x01",
                  {"pic", QStringLiteral(".\u0001"), "pic", QStringLiteral(".\u0001")}},
        SplitCase{"non_ascii_name",
                  "\xc3\x84rger \xc3\xbc"
                  "ber.flac",
                  {QStringLiteral("\u00c4rger \u00fcber"), ".flac",
                   QStringLiteral("\u00c4rger \u00fcber"), ".flac"}}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- ClassifyPath ----

TEST(ClassifyPath, MarkersAndExtensions)
{
    TempTree tree;
    tree.addFolder("folder.d");
    tree.addFile("a.b.c");
    tree.addFile("plain");
    tree.addFile("dot.");
    tree.addSymlink("link-to-folder.lnk", tree.path("folder.d"));
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader loader(store, platform);
    const struct {
        const char* name;
        QByteArray path;
        QString want;
    } rows[] = {
        {"folder gives the folder marker", tree.path("folder.d"), QString(QChar(1))},
        {"missing path gives the failure marker", tree.path("gone.txt"), QString(QChar(255))},
        {"file gives text after last dot", tree.path("a.b.c"), "c"},
        {"file without dot gives nothing", tree.path("plain"), ""},
        {"trailing dot gives nothing", tree.path("dot."), ""},
        {"link to a folder is judged as a link", tree.path("link-to-folder.lnk"), "lnk"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(loader.ClassifyPath(row.path), row.want);
    }
}

// ---- folder scans ----

TEST(AddDirectory, BreadthFirstSkippingDotNamesAndEmptyFolders)
{
    TempTree tree;
    tree.addFile("top.txt");
    tree.addFile(".hidden");
    tree.addFile(".git/config");
    tree.addFile(".git/objects/deep.txt");
    tree.addFolder("empty");
    tree.addFile("only-subfolders/inner/leaf.txt");
    tree.addFile("a/one.txt");
    tree.addFile("a/b/two.txt");
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader loader(store, platform);
    loader.AddDirectory(tree.root());

    const QString root = q(tree.root());
    const std::multiset<QString> want = {
        root + "|top.txt",
        root + "/a|one.txt",
        root + "/a/b|two.txt",
        root + "/only-subfolders/inner|leaf.txt",
    };
    const std::vector<QString> got = lines(store);
    EXPECT_EQ(std::multiset<QString>(got.begin(), got.end()), want);
    // Breadth-first: a file never comes after a file that lies deeper in the tree.
    for (int i = 1; i < store.ItemCount(); ++i)
        EXPECT_LE(store.item(i - 1).ItemPath.count('/'), store.item(i).ItemPath.count('/'))
            << got[size_t(i - 1)].toStdString() << " before " << got[size_t(i)].toStdString();
    EXPECT_FALSE(loader.isScanning());
}

TEST(AddDirectory, RootFolderIsStoredEmptyAndChildrenGetOneSeparator)
{
    ItemStore store;
    ListingPlatform platform;
    platform.listings[""] = {{"boot.cfg", PathKind::File}, {"srv", PathKind::Folder}};
    platform.listings["/srv"] = {{"data.bin", PathKind::File}};
    FileLoader loader(store, platform);
    loader.AddDirectory("/");

    EXPECT_EQ(platform.listed, (std::vector<QByteArray>{"", "/srv"}));
    ASSERT_EQ(store.ItemCount(), 2);
    EXPECT_EQ(store.item(0).ItemPath, "");
    EXPECT_EQ(store.item(0).line(), "boot.cfg");
    EXPECT_EQ(store.item(1).ItemPath, "/srv");
    EXPECT_EQ(store.item(1).diskFolder, "/srv");
}

TEST(AddDirectory, UntypedEntriesAreJudgedByTheirOwnAttributesOrSkipped)
{
    TempTree tree;
    tree.addFile("typed-later.txt");
    tree.addFile("sub/inside.txt");
    ItemStore store;
    ListingPlatform platform;
    platform.listings[tree.root()] = {
        {"vanished.txt", std::nullopt}, // listed, then gone before it was looked at
        {"typed-later.txt", std::nullopt},
        {"sub", std::nullopt},
    };
    FileLoader loader(store, platform);
    loader.AddDirectory(tree.root());
    const QString root = q(tree.root());
    EXPECT_EQ(lines(store),
              (std::vector<QString>{root + "|typed-later.txt", root + "/sub|inside.txt"}));
}

TEST(AddDirectory, NameThatIsNotUtf8KeepsItsBytes)
{
    TempTree tree;
    const QByteArray latin1Name = "caf\xe9 menu.txt";
    tree.addFile("sub/" + latin1Name, "x");
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader loader(store, platform);
    loader.AddDirectory(tree.root());
    ASSERT_EQ(store.ItemCount(), 1);
    const Item& item = store.item(0);
    EXPECT_EQ(item.diskName, latin1Name);
    EXPECT_EQ(item.diskFolder, tree.path("sub"));
    EXPECT_EQ(item.OrigExt, ".txt");
    EXPECT_TRUE(item.OrigName.startsWith("caf"));
    EXPECT_TRUE(item.OrigName.endsWith(" menu"));
    EXPECT_TRUE(item.OrigName.contains(QChar(QChar::ReplacementCharacter)));
    EXPECT_EQ(platform.fileSystem.pathKind(PosixFileSystem::join(item.diskFolder, item.diskName)),
              PathKind::File);
    // QTemporaryDir cannot remove a name that is not UTF-8.
    EXPECT_EQ(::unlink(tree.path("sub/" + latin1Name).constData()), 0);
}

TEST(AddDirectory, UnreadableFolderIsSkippedAndTheScanGoesOn)
{
    TempTree tree;
    tree.addFile("first.txt");
    tree.addFile("locked/secret.txt");
    tree.addFile("open/visible.txt");
    tree.addFile("open/deeper/deep.txt");
    ItemStore store;
    ScriptedPlatform platform;
    platform.failListing[tree.path("locked")] = EACCES;
    FileLoader loader(store, platform);
    loader.AddDirectory(tree.root());
    const QString root = q(tree.root());
    const std::vector<QString> got = lines(store);
    EXPECT_EQ(std::multiset<QString>(got.begin(), got.end()),
              (std::multiset<QString>{root + "|first.txt", root + "/open|visible.txt",
                                      root + "/open/deeper|deep.txt"}));
}

TEST(AddDirectory, LinksAreItemsAndAreNeverFollowed)
{
    TempTree tree;
    tree.addFile("sub/song.mp3");
    tree.addSymlink("sub/loop", "..");
    tree.addSymlink("sub/alias.mp3", "song.mp3");
    tree.addSymlink("sub/dangling.txt", "nowhere");
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader loader(store, platform);
    loader.AddDirectory(tree.root());
    const QString sub = q(tree.path("sub"));
    const std::vector<QString> got = lines(store);
    EXPECT_EQ(std::multiset<QString>(got.begin(), got.end()),
              (std::multiset<QString>{sub + "|song.mp3", sub + "|loop", sub + "|alias.mp3",
                                      sub + "|dangling.txt"}));
}

TEST(AddDirectory, FullListSkipsFilesButStillScansToTheEnd)
{
    TempTree tree;
    tree.addFile("a.txt");
    tree.addFile("b.txt");
    tree.addFile("c.txt");
    tree.addFile("sub/later.txt");
    ItemStore store;
    for (int i = 0; i < ItemStore::MaxItems - 2; ++i)
        store.append(Item{"f", "n", "", "n", "", "f", "n"});
    ScriptedPlatform platform;
    FileLoader loader(store, platform);
    loader.AddDirectory(tree.root());
    EXPECT_EQ(store.ItemCount(), ItemStore::MaxItems);
    EXPECT_EQ(store.item(ItemStore::MaxItems - 1).ItemPath, q(tree.root()));
    EXPECT_EQ(platform.pendingEventCalls, 1); // the subfolder was still visited
    loader.dropPaths({tree.path("a.txt")});
    EXPECT_EQ(store.ItemCount(), ItemStore::MaxItems);
    EXPECT_TRUE(platform.messages.empty());
}

// ---- stopping and re-entry ----

TEST(AddDirectory, StopRequestEndsAtNextFolderAndKeepsWhatWasFound)
{
    TempTree tree;
    tree.addFile("top.txt");
    tree.addFile("sub/below.txt");
    tree.addFile("sub2/other.txt");
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader loader(store, platform);
    bool refusedWhileScanning = false;
    platform.onPendingEvents = [&] {
        // What the window does while a scan runs: new commands are refused, Esc stops it.
        const int before = store.ItemCount();
        loader.dropPaths({tree.path("sub/below.txt")});
        loader.clearList();
        refusedWhileScanning = loader.isScanning() && store.ItemCount() == before;
        loader.requestStop();
    };
    loader.AddDirectory(tree.root());
    EXPECT_TRUE(refusedWhileScanning);
    EXPECT_EQ(lines(store), (std::vector<QString>{q(tree.root()) + "|top.txt"}));
    EXPECT_FALSE(loader.isScanning());

    platform.onPendingEvents = nullptr;
    loader.AddDirectory(tree.path("sub"));
    EXPECT_EQ(store.ItemCount(), 2);
    EXPECT_EQ(store.item(1).line(), "below.txt");
}

TEST(AddDirectory, LoaderDestroyedWhileEventsRunIsNotTouchedAgain)
{
    TempTree tree;
    tree.addFile("a/1.txt");
    tree.addFile("b/2.txt");
    tree.addFile("c/3.txt");
    ItemStore store;
    ScriptedPlatform platform;
    auto loader = std::make_unique<FileLoader>(store, platform);
    platform.onPendingEvents = [&] { loader.reset(); };
    std::vector<QByteArray> drop{tree.root(), tree.path("a/1.txt")};
    loader->dropPaths(drop);
    EXPECT_EQ(platform.pendingEventCalls, 1);
    EXPECT_EQ(store.ItemCount(), 0);
}

// ---- the add commands and the select-all rule ----

TEST(AddDirectoryCommand, AsksWithInstructionAndRemembersTheFolder)
{
    TempTree tree;
    tree.addFile("dir/inner.txt");
    tree.addFile("dir /trailing-space.txt");
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader loader(store, platform);
    store.LastDirectory = "/earlier";

    const struct {
        const char* name;
        QString answer;
        std::vector<QString> wantLines;
        QString wantLast;
    } rows[] = {
        {"cancel changes nothing", "", {}, "/earlier"},
        {"spaces only is no choice", "   ", {}, "/earlier"},
        {"a folder whose name ends in a space is that folder",
         q(tree.path("dir ")),
         {"trailing-space.txt"},
         q(tree.path("dir "))},
        {"chosen folder is scanned",
         q(tree.path("dir")),
         {"trailing-space.txt", "inner.txt"},
         q(tree.path("dir"))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        platform.folderAnswers.push_back(row.answer);
        loader.addDirectoryCommand();
        EXPECT_EQ(platform.browseInstructions.last(), "#Add directory");
        std::vector<QString> got;
        for (int i = 0; i < store.ItemCount(); ++i)
            got.push_back(store.item(i).line());
        EXPECT_EQ(got, row.wantLines);
        EXPECT_EQ(store.LastDirectory, row.wantLast);
    }
}

struct SelectAllCase {
    const char* name;
    std::vector<bool> before; // marks of the items already in the list
    bool viaBrowser;
    std::vector<bool> after; // marks of old items followed by the two new ones
};

class SelectAllRule : public ::testing::TestWithParam<SelectAllCase> {};

TEST_P(SelectAllRule, MarksAfterAdding)
{
    const SelectAllCase& c = GetParam();
    TempTree tree;
    tree.addFile("new/x.txt");
    tree.addFile("new/y.txt");
    ItemStore store;
    for (size_t i = 0; i < c.before.size(); ++i) {
        store.append(Item{"/old", "o", "", "o", "", "/old", "o"});
        store.setSelected(int(i), c.before[i]);
    }
    ScriptedPlatform platform;
    FileLoader loader(store, platform);
    if (c.viaBrowser) {
        platform.folderAnswers.push_back(q(tree.path("new")));
        loader.addDirectoryCommand();
    } else {
        loader.dropPaths({tree.path("new/x.txt"), tree.path("new/y.txt")});
    }
    EXPECT_EQ(marks(store), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, SelectAllRule,
    ::testing::Values(
        SelectAllCase{"drop_on_empty_list_selects_new", {}, false, {true, true}},
        SelectAllCase{"browse_on_empty_list_selects_new", {}, true, {true, true}},
        SelectAllCase{
            "drop_when_all_selected_selects_all", {true, true}, false, {true, true, true, true}},
        SelectAllCase{
            "browse_when_all_selected_selects_all", {true, true}, true, {true, true, true, true}},
        SelectAllCase{"drop_when_some_selected_keeps_marks",
                      {true, false},
                      false,
                      {true, false, false, false}},
        SelectAllCase{"browse_when_some_selected_keeps_marks",
                      {false, true},
                      true,
                      {false, true, false, false}},
        SelectAllCase{"drop_when_none_selected_keeps_none",
                      {false, false},
                      false,
                      {false, false, false, false}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DropPaths, FilesAndFoldersInDropOrderSkippingUnreadablePaths)
{
    TempTree tree;
    tree.addFile("one.txt");
    tree.addFile(".dotfile");
    tree.addFile("folder/inside.txt");
    tree.addFile("folder/.skipped");
    tree.addFile("two.txt");
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader loader(store, platform);
    loader.dropPaths({tree.path("one.txt"), tree.path("missing.txt"), tree.path("folder"),
                      tree.path(".dotfile"), tree.path("two.txt")});
    const QString root = q(tree.root());
    EXPECT_EQ(lines(store), (std::vector<QString>{root + "|one.txt", root + "/folder|inside.txt",
                                                  root + "|.dotfile", root + "|two.txt"}));
    EXPECT_TRUE(platform.messages.empty());
}
