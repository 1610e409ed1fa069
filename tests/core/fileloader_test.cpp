#include "list/fileloader.h"

#include "listmarks.h"
#include "rowname.h"
#include "scriptedplatform.h"
#include "temptree.h"
#include "text/bytename.h"

#include <gtest/gtest.h>

#include <map>

namespace {

QString q(const QByteArray& bytes)
{
    return ByteName::decode(bytes); // as the loader decodes names
}

// A platform whose folder listings can be scripted, for trees that cannot be built in a
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

class LoaderTest : public testing::Test {
protected:
    TempTree tree;
    ItemStore store;
    ListingPlatform platform;
    FileLoader loader{store, platform, platform};

    QString root() const { return q(tree.root()); }
    void addFiles(std::initializer_list<const char*> paths)
    {
        for (const char* path : paths)
            tree.addFile(path);
    }

    // "folder|name.ext" per item, in list order; the temporary folder is written "~".
    std::vector<QString> lines() const
    {
        std::vector<QString> out;
        for (int i = 0; i < store.ItemCount(); ++i) {
            QString folder = store.item(i).ItemPath;
            if (folder.startsWith(root()))
                folder.replace(0, root().size(), QStringLiteral("~"));
            out.push_back(folder + QLatin1Char('|') + store.item(i).line());
        }
        return out;
    }
};

using AddDirectory = LoaderTest;

} // namespace

TEST_F(LoaderTest, DroppedFileSplitsAtTheLastDot)
{
    const struct {
        const char* name;
        QByteArray fileName;
        QString texts; // "OrigName|OrigExt|NewName|NewExt"
    } rows[] = {
        // clang-format off
        {"several dots split at last", "archive.tar.gz", "archive.tar|.gz|archive.tar|.gz"},
        {"no dot, no extension", "README", "README||README|"},
        {"trailing dot stays in name", "name.", "name.||name.|"},
        {"leading only dot is all extension", ".profile", "|.profile||.profile"},
        {"spaces around name and after last dot kept on disk only", "  my song  . mp3", "  my song  |. mp3|my song|.mp3"},
        {"extension of spaces leaves bare dot", "odd.  ", "odd|.  |odd|."},
        {"tab is not trimmed", "tab\t.txt", "tab\t|.txt|tab\t|.txt"},
        {"extension equal to failure marker", "pic.\xc3\xbf", QStringLiteral("pic|.\u00ff|pic|.\u00ff")},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        store.clear();
        tree.addFile(row.fileName);
        loader.dropPaths({tree.path(row.fileName)});
        ASSERT_EQ(store.ItemCount(), 1);
        const Item& item = store.item(0);
        EXPECT_EQ(QStringList({item.OrigName, item.OrigExt, item.NewName, item.NewExt}).join('|'),
                  row.texts);
        EXPECT_EQ(item.diskName, row.fileName);
    }
}

TEST_F(AddDirectory, BreadthFirstSkippingDotNamesEmptyAndUnreadableFoldersNeverFollowingLinks)
{
    addFiles({"top.txt", ".hidden", ".git/config", ".git/objects/deep.txt"});
    tree.addFolder("empty");
    addFiles({"only-subfolders/inner/leaf.txt", "a/one.txt", "a/b/two.txt", "locked/secret.txt"});
    platform.failListing[tree.path("locked")] = EACCES;
    tree.addFile("sub/song.mp3");
    tree.addSymlink("sub/loop", "..");
    tree.addSymlink("sub/alias.mp3", "song.mp3");
    tree.addSymlink("sub/dangling.txt", "nowhere");
    loader.AddDirectory(tree.root());

    EXPECT_EQ(lines(), (std::vector<QString>{"~|top.txt", "~/a|one.txt", "~/sub|alias.mp3",
                                             "~/sub|dangling.txt", "~/sub|loop", "~/sub|song.mp3",
                                             "~/a/b|two.txt", "~/only-subfolders/inner|leaf.txt"}));
    EXPECT_FALSE(loader.isScanning());
}

TEST_F(AddDirectory, RootFolderIsStoredEmptyAndChildrenGetOneSeparator)
{
    platform.listings[""] = {{"boot.cfg", PathKind::File}, {"srv", PathKind::Folder}};
    platform.listings["/srv"] = {{"data.bin", PathKind::File}};
    loader.AddDirectory("/");
    EXPECT_EQ(lines(), (std::vector<QString>{"|boot.cfg", "/srv|data.bin"}));
    EXPECT_EQ(store.item(1).diskFolder, "/srv");
}

TEST_F(AddDirectory, UntypedEntriesAreJudgedByTheirOwnAttributesOrSkipped)
{
    addFiles({"typed-later.txt", "sub/inside.txt"});
    platform.listings[tree.root()] = {
        {"vanished.txt", std::nullopt}, // listed, then gone before it was looked at
        {"typed-later.txt", std::nullopt},
        {"sub", std::nullopt},
    };
    loader.AddDirectory(tree.root());
    EXPECT_EQ(lines(), (std::vector<QString>{"~|typed-later.txt", "~/sub|inside.txt"}));
}

TEST_F(AddDirectory, FullListSkipsFilesButStillScansToTheEnd)
{
    addFiles({"a.txt", "b.txt", "c.txt", "sub/later.txt"});
    for (int i = 0; i < ItemStore::MaxItems - 2; ++i)
        store.append(Item{"f", "n", "", "n", "", "f", "n"});
    loader.AddDirectory(tree.root());
    EXPECT_EQ(store.ItemCount(), ItemStore::MaxItems);
    EXPECT_EQ(store.item(ItemStore::MaxItems - 1).ItemPath, root());
    EXPECT_EQ(platform.pendingEventCalls, 1); // the subfolder was still visited
    loader.dropPaths({tree.path("a.txt")});
    EXPECT_EQ(store.ItemCount(), ItemStore::MaxItems);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AddDirectory, LoaderDestroyedWhileEventsRunIsNotTouchedAgain)
{
    addFiles({"a/1.txt", "b/2.txt", "c/3.txt"});
    auto doomed = std::make_unique<FileLoader>(store, platform, platform);
    platform.onPendingEvents = [&] { doomed.reset(); };
    doomed->dropPaths({tree.root(), tree.path("a/1.txt")});
    EXPECT_EQ(platform.pendingEventCalls, 1);
    EXPECT_EQ(store.ItemCount(), 0);
}

TEST_F(AddDirectory, CommandTakesTheFolderAsTypedAndRemembersIt)
{
    addFiles({"dir/inner.txt", "dir /trailing-space.txt"});
    store.LastDirectory = "/earlier";
    platform.folderAnswers = {"   ", root() + "/dir "};
    loader.addDirectoryCommand(); // spaces only is no choice
    EXPECT_EQ(store.ItemCount(), 0);
    EXPECT_EQ(store.LastDirectory, "/earlier");
    loader.addDirectoryCommand(); // a name ending in a space is that folder, not "dir"
    EXPECT_EQ(lines(), std::vector<QString>{"~/dir |trailing-space.txt"});
    EXPECT_EQ(store.LastDirectory, root() + "/dir ");
}

TEST_F(LoaderTest, AddingSelectsAllOnlyWhenAllWereSelectedBefore)
{
    addFiles({"new/x.txt", "new/y.txt"});
    enum How { Drop, Browse, KnownFiles };
    const struct {
        const char* name;
        int oldItems;
        std::vector<int> marksBefore;
        How how;
        std::vector<int> marksAfter; // the two new items follow the old ones
    } rows[] = {
        {"drop on empty list selects new", 0, {}, Drop, {0, 1}},
        {"browse when all selected selects all", 2, {0, 1}, Browse, {0, 1, 2, 3}},
        {"known files when all selected select all", 1, {0}, KnownFiles, {0, 1, 2}},
        {"drop when some selected keeps marks", 2, {0}, Drop, {0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        store.clear();
        for (int i = 0; i < row.oldItems; ++i)
            store.append(Item{"/old", "o", "", "o", "", "/old", "o"});
        selectLines(store, row.marksBefore);
        if (row.how == Browse) {
            platform.folderAnswers.push_back(q(tree.path("new")));
            loader.addDirectoryCommand();
        } else if (row.how == Drop) {
            loader.dropPaths({tree.path("new/x.txt"), tree.path("new/y.txt")});
        } else {
            loader.addFiles({tree.path("new/x.txt"), tree.path("new/y.txt")});
        }
        EXPECT_EQ(markedLines(store), row.marksAfter);
    }
}

TEST_F(LoaderTest, DropTakesFilesAndFoldersInDropOrderSkippingUnreadablePaths)
{
    addFiles({"one.txt", ".dotfile", "folder/inside.txt", "folder/.skipped", "two.txt"});
    loader.dropPaths({tree.path("one.txt"), tree.path("missing.txt"), tree.path("folder"),
                      tree.path(".dotfile"), tree.path("two.txt")});
    EXPECT_EQ(lines(), (std::vector<QString>{"~|one.txt", "~/folder|inside.txt", "~|.dotfile",
                                             "~|two.txt"}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LoaderTest, KnownFilesAreAddedWithoutAskingTheFileSystem)
{
    // None of these exists, so a drop would skip them all; a name that is not UTF-8 keeps
    // its bytes, a file of the root folder gets the empty folder.
    loader.addFiles({"/no/such/a.b.txt", "", "/no/such/\xff x", "/top"});
    EXPECT_EQ(lines(),
              (std::vector<QString>{"/no/such|a.b.txt", "/no/such|" + q("\xff x"), "|top"}));
    EXPECT_EQ(store.item(1).diskName, "\xff x");
    EXPECT_EQ(store.item(2).diskFolder, "");
    EXPECT_TRUE(platform.listed.empty());
}
