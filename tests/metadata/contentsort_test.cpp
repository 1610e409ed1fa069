#include "list/contentsort.h"
#include "listmarks.h"
#include "mediafiles.h"
#include "metadata/diskmetadatareader.h"
#include "templates/metadatacache.h"
#include "temptree.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

// One real file of the sorts' test folder: its content, its EXIF date or tags, and the
// day of its modification time.
struct MediaFile {
    const char* name;
    const char* exifDate; // nullptr: none
    FileMetadata tags;    // written when an artist, title or album is set
    int modifiedDay;      // day of January 2020; 0 leaves the file's own time
    int extraBytes;       // appended to make sizes differ
};

FileMetadata tags(const char* artist, const char* title, const char* album, int disc, int track)
{
    FileMetadata t;
    t.artist = QString::fromUtf8(artist);
    t.title = QString::fromUtf8(title);
    t.album = QString::fromUtf8(album);
    t.disc = disc;
    t.track = track;
    return t;
}

// A list of the files in tree (and of a file that does not exist), in the order given.
void load(ItemStore& store, const TempTree& tree, const std::vector<MediaFile>& files)
{
    for (const MediaFile& f : files) {
        const QString name = QString::fromUtf8(f.name);
        const int dot = int(name.lastIndexOf(QLatin1Char('.')));
        Item item{QString::fromUtf8(tree.root()),
                  name.left(dot),
                  name.mid(dot),
                  name.left(dot),
                  name.mid(dot),
                  tree.root(),
                  QByteArray(f.name)};
        store.append(item);
    }
}

void make(TempTree& tree, const MediaFile& f)
{
    if (QByteArray(f.name).startsWith("missing"))
        return;
    const bool audio = QByteArray(f.name).endsWith(".mp3");
    tree.addFile(f.name, (audio ? MediaFiles::mp3() : MediaFiles::jpeg()));
    const QByteArray path = tree.path(f.name);
    if (f.exifDate) {
        ASSERT_TRUE(MediaFiles::writeDateTaken(path, QString::fromUtf8(f.exifDate)));
    }
    if (!f.tags.artist.isEmpty() || !f.tags.title.isEmpty() || !f.tags.album.isEmpty()) {
        ASSERT_TRUE(MediaFiles::writeAudioTags(path, f.tags));
    }
    QFile file(QString::fromUtf8(path));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(f.extraBytes, 'x'));
    file.flush(); // a write at close would set the time anew
    if (f.modifiedDay > 0) {
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2020, 1, f.modifiedDay), QTime(12, 0)),
                                     QFileDevice::FileModificationTime));
    }
}

QStringList names(const ItemStore& store)
{
    QStringList out;
    for (int i = 0; i < store.ItemCount(); ++i)
        out << store.item(i).line() + (store.isSelected(i) ? "*" : "");
    return out;
}

const std::vector<MediaFile> photos = {
    {"a.jpg", "2021:07:05 10:00:00", {}, 3, 30},
    {"b.jpg", nullptr, {}, 4, 10}, // 2020-01-04: taken falls back to it
    {"c.jpg", "2021:07:03 10:00:00", {}, 2, 20},
    {"missing.jpg", nullptr, {}, 0, 0},
    {"d.jpg", "2021:07:05 10:00:00", {}, 1, 30}, // taken and size as a.jpg
};

const std::vector<MediaFile> songs = {
    {"1.mp3", nullptr, tags("Nina", "Zoo", "Beta", 0, 2), 1, 0},
    {"2.mp3", nullptr, tags("", "", "", 0, 0), 1, 0},
    {"3.mp3", nullptr, tags("adam", "Part 10", "alpha", 2, 1), 1, 0},
    {"4.mp3", nullptr, tags("Nina", "part 2", "Alpha", 1, 0), 1, 0},
    {"5.mp3", nullptr, tags("Bob", "", "Alpha", 1, 3), 1, 0},
};

TEST(ContentSort, OrdersRealFilesStablyWithMissingValuesLast)
{
    const struct {
        const char* name;
        const std::vector<MediaFile>& files;
        int key;
        std::vector<int> selected; // empty: the whole list
        QStringList expected;
    } rows[] = {
        // clang-format off
        {"date taken: exif, else modified; equal dates keep their order", photos, ContentSort::DateTaken, {}, {"b.jpg", "c.jpg", "a.jpg", "d.jpg", "missing.jpg"}},
        {"date modified", photos, ContentSort::DateModified, {}, {"d.jpg", "c.jpg", "a.jpg", "b.jpg", "missing.jpg"}},
        {"size: equal sizes keep their order", photos, ContentSort::Size, {}, {"b.jpg", "c.jpg", "a.jpg", "d.jpg", "missing.jpg"}},
        {"selected only, over their lines", photos, ContentSort::DateTaken, {0, 2, 3}, {"c.jpg*", "b.jpg", "a.jpg*", "missing.jpg*", "d.jpg"}},
        {"album, disc, track; untagged last", songs, ContentSort::AlbumTrack, {}, {"5.mp3", "4.mp3", "3.mp3", "1.mp3", "2.mp3"}},
        {"artist ignores case; equal artists keep their order", songs, ContentSort::Artist, {}, {"3.mp3", "5.mp3", "1.mp3", "4.mp3", "2.mp3"}},
        {"title counts numbers by value", songs, ContentSort::Title, {2, 3, 4}, {"1.mp3", "2.mp3", "4.mp3*", "3.mp3*", "5.mp3*"}},
        {"unknown key does nothing", songs, ContentSort::KeyCount, {}, {"1.mp3", "2.mp3", "3.mp3", "4.mp3", "5.mp3"}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempTree tree;
        for (const MediaFile& f : row.files)
            make(tree, f);
        ItemStore store;
        load(store, tree, row.files);
        selectLines(store, row.selected);
        DiskMetadataReader reader;
        ContentSort sort(store, reader);

        EXPECT_TRUE(row.selected.empty() ? sort.sortList(row.key) : sort.sortSelected(row.key));

        EXPECT_EQ(names(store), row.expected);
    }
}

TEST(ContentSort, StoppedWhileReadingLeavesTheListAsItWasAndKeepsWhatWasRead)
{
    TempTree tree;
    for (const MediaFile& f : photos)
        make(tree, f);
    ItemStore store;
    load(store, tree, photos);
    store.setSelected(1, true);
    DiskMetadataReader disk;
    MetadataCache cache(disk);
    ContentSort sort(store, cache);
    std::vector<int> asked;

    EXPECT_FALSE(sort.sortList(ContentSort::DateTaken, [&](int done, int total) {
        asked.push_back(done);
        EXPECT_EQ(total, 5);
        return done < 2;
    }));

    EXPECT_EQ(names(store), QStringList({"a.jpg", "b.jpg*", "c.jpg", "missing.jpg", "d.jpg"}));
    EXPECT_EQ(asked, std::vector<int>({0, 1, 2}));
    const MetadataParts parts = ContentSort::partsFor(ContentSort::DateTaken);
    EXPECT_TRUE(cache.has(tree.path("b.jpg"), parts));
    EXPECT_FALSE(cache.has(tree.path("c.jpg"), parts)) << "the file after the stop is not read";
}

} // namespace
