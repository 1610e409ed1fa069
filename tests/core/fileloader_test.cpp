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

struct SplitCase {
    const char* name;
    QByteArray fileName;
    QString texts; // "OrigName|OrigExt|NewName|NewExt"
};

class NameSplitting : public LoaderTest, public testing::WithParamInterface<SplitCase> {};

TEST_P(NameSplitting, DroppedFileGetsTheseTexts)
{
    const SplitCase& c = GetParam();
    tree.addFile(c.fileName);
    loader.dropPaths({tree.path(c.fileName)});
    ASSERT_EQ(store.ItemCount(), 1);
    const Item& item = store.item(0);
    EXPECT_EQ(QStringList({item.OrigName, item.OrigExt, item.NewName, item.NewExt}).join('|'),
              c.texts);
    EXPECT_EQ(item.ItemPath, root());
    EXPECT_EQ(item.diskName, c.fileName);
}

// clang-format off
const SplitCase splitCases[] = {
    {"several dots split at last", "archive.tar.gz", "archive.tar|.gz|archive.tar|.gz"},
    {"no dot, no extension", "README", "README||README|"},
    {"trailing dot stays in name", "name.", "name.||name.|"},
    {"leading only dot is all extension", ".profile", "|.profile||.profile"},
    {"spaces around name and after last dot kept on disk only", "  my song  . mp3", "  my song  |. mp3|my song|.mp3"},
    {"extension of spaces leaves bare dot", "odd.  ", "odd|.  |odd|."},
    {"tab is not trimmed", "tab\t.txt", "tab\t|.txt|tab\t|.txt"},
    // U+00FF and U+0001 are the characters of the ClassifyPath markers; a file with such an
    // extension is still a file.
    {"extension equal to failure marker", "pic.\xc3\xbf", QStringLiteral("pic|.\u00ff|pic|.\u00ff")},
    {"extension equal to folder marker", "pic.\x01", QStringLiteral("pic|.\u0001|pic|.\u0001")},
    {"non ASCII name", "\xc3\x84rger.flac", QStringLiteral("\u00c4rger|.flac|\u00c4rger|.flac")},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Names, NameSplitting, testing::ValuesIn(splitCases), rowName<SplitCase>);

TEST_F(LoaderTest, ClassifyPathGivesMarkersAndExtensions)
{
    tree.addFolder("folder.d");
    addFiles({"a.b.c", "folder.d/plain"});
    tree.addSymlink("link-to-folder.lnk", tree.path("folder.d"));
    const struct {
        const char* name;
        QByteArray path;
        QString want;
    } rows[] = {
        {"folder gives the folder marker", "folder.d", QString(QChar(1))},
        {"missing path gives the failure marker", "gone.txt", QString(QChar(255))},
        {"file gives text after last dot", "a.b.c", "c"},
        {"dot in the folder's name is no extension", "folder.d/plain", ""},
        {"link to a folder is judged as a link", "link-to-folder.lnk", "lnk"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(loader.ClassifyPath(tree.path(row.path)), row.want);
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

    // Breadth-first, each folder in name order; links are items, never followed.
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
    EXPECT_EQ(platform.listed, (std::vector<QByteArray>{"", "/srv"}));
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

TEST_F(AddDirectory, StopRequestEndsAtNextFolderAndKeepsWhatWasFound)
{
    addFiles({"top.txt", "sub/below.txt", "sub2/other.txt"});
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
    EXPECT_EQ(lines(), (std::vector<QString>{"~|top.txt"}));
    EXPECT_FALSE(loader.isScanning());

    platform.onPendingEvents = nullptr;
    loader.AddDirectory(tree.path("sub"));
    EXPECT_EQ(lines(), (std::vector<QString>{"~|top.txt", "~/sub|below.txt"}));
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

TEST_F(AddDirectory, CommandAsksWithInstructionAndRemembersTheFolder)
{
    addFiles({"dir/inner.txt", "dir /trailing-space.txt"});
    store.LastDirectory = "/earlier";
    const struct {
        const char* name;
        const char* answer; // relative to the temporary folder; nullptr: cancelled
        std::vector<QString> wantLines;
        QString wantLast;
    } rows[] = {
        // clang-format off
        {"cancel changes nothing", nullptr, {}, "/earlier"},
        {"spaces only is no choice", "   ", {}, "/earlier"},
        {"a folder whose name ends in a space is that folder", "/dir ", {"~/dir |trailing-space.txt"}, root() + "/dir "},
        {"chosen folder is scanned", "/dir", {"~/dir |trailing-space.txt", "~/dir|inner.txt"}, root() + "/dir"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString answer = QString::fromUtf8(row.answer);
        platform.folderAnswers.push_back(answer.startsWith('/') ? root() + answer : answer);
        loader.addDirectoryCommand();
        EXPECT_EQ(platform.browseInstructions.last(), "#Add directory");
        EXPECT_EQ(lines(), row.wantLines);
        EXPECT_EQ(store.LastDirectory, row.wantLast);
    }
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
        {"drop when all selected selects all", 2, {0, 1}, Drop, {0, 1, 2, 3}},
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
    EXPECT_EQ(store.item(1).diskFolder, "/no/such");
    EXPECT_EQ(store.item(1).diskName, "\xff x");
    EXPECT_EQ(store.item(2).diskFolder, "");
    EXPECT_TRUE(platform.listed.empty());
}
