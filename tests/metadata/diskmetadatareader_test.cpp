#include "mediafiles.h"
#include "metadata/diskmetadatareader.h"
#include "templates/metadatacache.h"
#include "templates/templategenerator.h"
#include "temptree.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

const FileMetadata someTags{"Sigur Rós", "Hoppípolla", "Takk...", "Post-rock", 3, 2005, {}, {}};

// What the template generates for the file name in tree, read through a cache as the
// dialog reads it: its preview of "[D]", typed first, has read the modification date.
std::string generated(const TempTree& tree, const QByteArray& name, const char* pattern)
{
    Item item;
    item.diskFolder = tree.root();
    item.diskName = name;
    item.ItemPath = QString::fromUtf8(tree.root());
    item.OrigName = item.NewName = QStringLiteral("x");
    DiskMetadataReader reader;
    MetadataCache cache(reader);
    TemplateGenerator(NameTemplate::parse(QStringLiteral("[D]")), cache).next(item);
    return TemplateGenerator(NameTemplate::parse(QString::fromUtf8(pattern)), cache)
        .next(item)
        .toStdString();
}

QByteArray taggedMp3()
{
    TempTree tree;
    tree.addFile("t.mp3", MediaFiles::mp3());
    EXPECT_TRUE(MediaFiles::writeAudioTags(tree.path("t.mp3"), someTags));
    return tree.content("t.mp3");
}

// Every file was last modified on 2030-01-02 03:04:05; reading it never changes it.
TEST(DiskMetadataReader, RealFilesGiveTheirTagsAndDatesReadOnly)
{
    const char* const tags = "[artist]|[title]|[album]|[genre]|[track:2]|[year]";
    const char* const dates = "[X:yyyy-MM-dd_HHmmss] [D:yyyy]";
    const char* const allTags = "Sigur Rós|Hoppípolla|Takk...|Post-rock|03|2005";
    const char* const modified = "2030-01-02_030405 2030";
    const struct {
        const char *name, *fileName;
        QByteArray content;
        const char* exifDate; // written with Exiv2 when set
        const char *pattern, *expected;
    } rows[] = {
        // clang-format off
        {"mp3 with ID3v2", "a.mp3", taggedMp3(), nullptr, tags, allTags},
        {"mp3 with ID3v1 only", "b.mp3", MediaFiles::mp3WithId3v1("Can", "Vitamin C", "1972"), nullptr, tags, "Can|Vitamin C||||1972"},
        {"mp3 cut inside the ID3v2 tag's first frame reads empty", "e.mp3", taggedMp3().left(25), nullptr, tags, "|||||"},
        {"exif date taken", "p.jpg", MediaFiles::jpeg(), "2021:07:04 15:30:12", dates, "2021-07-04_153012 2030"},
        {"no exif falls back", "p.jpg", MediaFiles::jpeg(), nullptr, dates, modified},
        {"unreadable exif date falls back", "p.jpg", MediaFiles::jpeg(), "sometime", dates, modified},
        {"corrupt exif block falls back", "p.jpg", MediaFiles::jpegWithCorruptExif(), nullptr, dates, modified},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempTree tree;
        tree.addFile(row.fileName, row.content);
        const QByteArray path = tree.path(row.fileName);
        if (row.exifDate) {
            ASSERT_TRUE(MediaFiles::writeDateTaken(path, QString::fromUtf8(row.exifDate)));
        }
        QFile file(QString::fromUtf8(path));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)),
                                     QFileDevice::FileModificationTime));
        file.close();
        const QByteArray before = tree.content(row.fileName);

        EXPECT_EQ(generated(tree, row.fileName, row.pattern), row.expected);

        EXPECT_EQ(tree.content(row.fileName), before) << "reading never writes";
        EXPECT_EQ(QFileInfo(file.fileName()).lastModified(),
                  QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)));
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
