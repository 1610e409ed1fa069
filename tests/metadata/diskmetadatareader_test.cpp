#include "mediafiles.h"
#include "metadata/diskmetadatareader.h"
#include "ops/templategenerator.h"
#include "rowname.h"
#include "temptree.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <functional>

namespace {

const char* const TagPattern = "[artist]|[title]|[album]|[genre]|[track:2]|[year]";

FileMetadata someTags()
{
    FileMetadata tags;
    tags.artist = QStringLiteral("Sigur Rós");
    tags.title = QStringLiteral("Hoppípolla");
    tags.album = QStringLiteral("Takk...");
    tags.genre = QStringLiteral("Post-rock");
    tags.track = 3;
    tags.year = 2005;
    return tags;
}

// What the template generates for the file name in tree.
std::string generated(const TempTree& tree, const QByteArray& name, const char* pattern)
{
    Item item;
    item.diskFolder = tree.root();
    item.diskName = name;
    item.ItemPath = QString::fromUtf8(tree.root());
    item.OrigName = item.NewName = QStringLiteral("x");
    DiskMetadataReader reader;
    return TemplateGenerator(NameTemplate::parse(QString::fromUtf8(pattern)), reader)
        .next(item)
        .toStdString();
}

struct FileRow {
    const char* name;
    const char* fileName;
    std::function<QByteArray()> content;
    bool tagWithTagLib;
    const char* pattern;
    const char* expected;
};

class RealFile : public testing::TestWithParam<FileRow> {};

TEST_P(RealFile, GivesItsTagsReadOnly)
{
    const FileRow& row = GetParam();
    TempTree tree;
    tree.addFile(row.fileName, row.content());
    if (row.tagWithTagLib) {
        ASSERT_TRUE(MediaFiles::writeAudioTags(tree.path(row.fileName), someTags()));
    }
    const QByteArray before = tree.content(row.fileName);
    const QDateTime modified = QFileInfo(QString::fromUtf8(tree.path(row.fileName))).lastModified();

    EXPECT_EQ(generated(tree, row.fileName, row.pattern), row.expected);

    EXPECT_EQ(tree.content(row.fileName), before) << "reading never writes";
    EXPECT_EQ(QFileInfo(QString::fromUtf8(tree.path(row.fileName))).lastModified(), modified);
}

QByteArray truncatedMp3()
{
    TempTree tree;
    tree.addFile("t.mp3", MediaFiles::mp3());
    MediaFiles::writeAudioTags(tree.path("t.mp3"), someTags());
    return tree.content("t.mp3").left(25); // inside the ID3v2 tag's first frame
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RealFile,
    testing::Values(
        FileRow{"mp3 with ID3v2", "a.mp3", MediaFiles::mp3, true, TagPattern,
                "Sigur Rós|Hoppípolla|Takk...|Post-rock|03|2005"},
        FileRow{"mp3 with ID3v1 only", "b.mp3",
                [] { return MediaFiles::mp3WithId3v1("Can", "Vitamin C", "1972"); }, false,
                TagPattern, "Can|Vitamin C||||1972"},
        FileRow{"flac with Vorbis comments", "c.flac", MediaFiles::flac, true, TagPattern,
                "Sigur Rós|Hoppípolla|Takk...|Post-rock|03|2005"},
        FileRow{"ogg vorbis", "d.ogg", MediaFiles::oggVorbis, true, TagPattern,
                "Sigur Rós|Hoppípolla|Takk...|Post-rock|03|2005"},
        FileRow{"truncated mp3 reads empty", "e.mp3", truncatedMp3, false, TagPattern, "|||||"},
        FileRow{"untagged mp3 reads empty", "f.mp3", MediaFiles::mp3, false, TagPattern, "|||||"},
        FileRow{"jpeg has no tags", "g.jpg", MediaFiles::jpeg, false, TagPattern, "|||||"}),
    rowName<FileRow>);

void setModified(const QByteArray& path)
{
    QFile file(QString::fromUtf8(path));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)),
                                 QFileDevice::FileModificationTime));
}

struct PhotoRow {
    const char* name;
    std::function<QByteArray()> content;
    const char* exifDate; // written with Exiv2 when set
    const char* expected;
};

class Photo : public testing::TestWithParam<PhotoRow> {};

TEST_P(Photo, GivesTheDateTakenOrTheModificationDate)
{
    TempTree tree;
    tree.addFile("p.jpg", GetParam().content());
    if (GetParam().exifDate) {
        ASSERT_TRUE(
            MediaFiles::writeDateTaken(tree.path("p.jpg"), QString::fromUtf8(GetParam().exifDate)));
    }
    setModified(tree.path("p.jpg"));
    EXPECT_EQ(generated(tree, "p.jpg", "[X:yyyy-MM-dd_HHmmss] [D:yyyy]"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Exif, Photo,
    testing::Values(PhotoRow{"exif date taken", MediaFiles::jpeg, "2021:07:04 15:30:12",
                             "2021-07-04_153012 2030"},
                    PhotoRow{"no exif falls back", MediaFiles::jpeg, nullptr,
                             "2030-01-02_030405 2030"},
                    PhotoRow{"unreadable exif date falls back", MediaFiles::jpeg, "sometime",
                             "2030-01-02_030405 2030"},
                    PhotoRow{"corrupt exif block falls back", MediaFiles::jpegWithCorruptExif,
                             nullptr, "2030-01-02_030405 2030"}),
    rowName<PhotoRow>);

TEST(DiskMetadataReader, MissingFilesAndFoldersReadEmpty)
{
    TempTree tree;
    tree.addFolder("folder.mp3");
    DiskMetadataReader reader;
    const MetadataParts all =
        MetadataPart::AudioTags | MetadataPart::ModificationTime | MetadataPart::DateTaken;
    EXPECT_EQ(reader.read(tree.path("missing.mp3"), all), FileMetadata());
    EXPECT_EQ(reader.read(tree.path("folder.mp3"), all), FileMetadata());
}

} // namespace
