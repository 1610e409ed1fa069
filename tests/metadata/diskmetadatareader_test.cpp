#include "mediafiles.h"
#include "metadata/diskmetadatareader.h"
#include "ops/templategenerator.h"
#include "temptree.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

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

QByteArray truncatedMp3()
{
    TempTree tree;
    tree.addFile("t.mp3", MediaFiles::mp3());
    MediaFiles::writeAudioTags(tree.path("t.mp3"), someTags());
    return tree.content("t.mp3").left(25); // inside the ID3v2 tag's first frame
}

TEST(DiskMetadataReader, RealFilesGiveTheirTagsReadOnly)
{
    const char* const allTags = "Sigur Rós|Hoppípolla|Takk...|Post-rock|03|2005";
    const struct {
        const char* name;
        const char* fileName;
        QByteArray content;
        bool tagWithTagLib;
        const char* expected;
    } rows[] = {
        {"mp3 with ID3v2", "a.mp3", MediaFiles::mp3(), true, allTags},
        {"mp3 with ID3v1 only", "b.mp3", MediaFiles::mp3WithId3v1("Can", "Vitamin C", "1972"),
         false, "Can|Vitamin C||||1972"},
        {"truncated mp3 reads empty", "e.mp3", truncatedMp3(), false, "|||||"},
        {"untagged mp3 reads empty", "f.mp3", MediaFiles::mp3(), false, "|||||"},
        {"jpeg has no tags", "g.jpg", MediaFiles::jpeg(), false, "|||||"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempTree tree;
        tree.addFile(row.fileName, row.content);
        if (row.tagWithTagLib) {
            ASSERT_TRUE(MediaFiles::writeAudioTags(tree.path(row.fileName), someTags()));
        }
        const QByteArray before = tree.content(row.fileName);
        const QFileInfo info(QString::fromUtf8(tree.path(row.fileName)));
        const QDateTime modified = info.lastModified();

        EXPECT_EQ(
            generated(tree, row.fileName, "[artist]|[title]|[album]|[genre]|[track:2]|[year]"),
            row.expected);

        EXPECT_EQ(tree.content(row.fileName), before) << "reading never writes";
        EXPECT_EQ(QFileInfo(info.filePath()).lastModified(), modified);
    }
}

TEST(DiskMetadataReader, PhotoGivesTheDateTakenOrTheModificationDate)
{
    const struct {
        const char* name;
        QByteArray content;
        const char* exifDate; // written with Exiv2 when set
        const char* expected;
    } rows[] = {
        {"exif date taken", MediaFiles::jpeg(), "2021:07:04 15:30:12", "2021-07-04_153012 2030"},
        {"no exif falls back", MediaFiles::jpeg(), nullptr, "2030-01-02_030405 2030"},
        {"unreadable exif date falls back", MediaFiles::jpeg(), "sometime",
         "2030-01-02_030405 2030"},
        {"corrupt exif block falls back", MediaFiles::jpegWithCorruptExif(), nullptr,
         "2030-01-02_030405 2030"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempTree tree;
        tree.addFile("p.jpg", row.content);
        if (row.exifDate) {
            ASSERT_TRUE(
                MediaFiles::writeDateTaken(tree.path("p.jpg"), QString::fromUtf8(row.exifDate)));
        }
        QFile file(QString::fromUtf8(tree.path("p.jpg")));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)),
                                     QFileDevice::FileModificationTime));
        file.close();
        EXPECT_EQ(generated(tree, "p.jpg", "[X:yyyy-MM-dd_HHmmss] [D:yyyy]"), row.expected);
    }
}

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
