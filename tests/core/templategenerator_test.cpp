#include "scriptedmetadatareader.h"
#include "templates/metadatacache.h"
#include "templates/templategenerator.h"
#include "templates/templatepreview.h"

#include <gtest/gtest.h>

namespace {

Item fileIn(const char* folder, const char* name, const char* ext = ".jpg")
{
    Item item;
    item.ItemPath = QString::fromUtf8(folder);
    item.diskFolder = folder;
    item.OrigName = item.NewName = QString::fromUtf8(name);
    item.OrigExt = item.NewExt = QString::fromUtf8(ext);
    item.diskName = QByteArray(name) + ext;
    return item;
}

QStringList generate(const char* pattern, const std::vector<Item>& items, MetadataReader& reader)
{
    TemplateGenerator generator(NameTemplate::parse(QString::fromUtf8(pattern)), reader);
    QStringList names;
    for (const Item& item : items)
        names << generator.next(item);
    return names;
}

TEST(TemplateGenerator, CountersFollowTheOrderGivenAndRestartPerFolder)
{
    ScriptedMetadataReader reader;
    const std::vector<Item> items = {fileIn("/a", "x"), fileIn("/b", "y"), fileIn("/a", "z"),
                                     fileIn("/b", "w"), fileIn("/c", "v")};
    EXPECT_EQ(generate("[CF:1,1,2]-[C:10,-5]", items, reader),
              QStringList({"01-10", "01-5", "02-0", "02--5", "01--10"}));
    EXPECT_TRUE(reader.requests.empty()) << "no metadata token, no file read";
}

TEST(TemplateGenerator, MissingValuesGiveEmptyTextAndXFallsBackToTheModificationDate)
{
    ScriptedMetadataReader reader;
    const Item photo = fileIn("/p", "photo");
    FileMetadata onlyTime;
    onlyTime.modified = QDateTime(QDate(2022, 3, 4), QTime(5, 6, 7));
    reader.files.insert(TemplateGenerator::diskPath(photo), onlyTime);
    const std::vector<Item> items = {photo, fileIn("/p", "unknown")};
    EXPECT_EQ(generate("[X:yyyyMMdd]-[artist][track:2][year]x", items, reader),
              QStringList({"20220304-x", "-x"}));
    ASSERT_EQ(reader.requests.size(), 2u);
    EXPECT_EQ(reader.requests[0].path, QByteArray("/p/photo.jpg"));
    EXPECT_EQ(reader.requests[0].parts,
              MetadataPart::AudioTags | MetadataPart::DateTaken | MetadataPart::ModificationTime);
}

TEST(MetadataCache, ReadsEachFileOnceAndOnlyTheMissingParts)
{
    ScriptedMetadataReader reader;
    FileMetadata tags;
    tags.artist = QStringLiteral("Nina");
    tags.modified = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6));
    reader.files.insert("/m/a.mp3", tags);
    MetadataCache cache(reader);
    const std::vector<Item> items = {fileIn("/m", "a", ".mp3"), fileIn("/m", "a", ".mp3")};
    EXPECT_EQ(generate("[artist]", items, cache), QStringList({"Nina", "Nina"}));
    EXPECT_EQ(generate("[artist] [D:yyyy]", items, cache), QStringList({"Nina 2001", "Nina 2001"}));
    ASSERT_EQ(reader.requests.size(), 2u);
    EXPECT_EQ(reader.requests[0].parts, MetadataParts(MetadataPart::AudioTags));
    EXPECT_EQ(reader.requests[1].parts, MetadataParts(MetadataPart::ModificationTime));
}

// Each preview line as "on disk>new line", with " clash" or " refused" behind it.
QStringList shown(const TemplatePreview& preview, const char* pattern)
{
    ScriptedMetadataReader reader;
    QStringList out;
    for (const TemplatePreview::Line& line :
         preview.lines(NameTemplate::parse(QString::fromUtf8(pattern)), reader)) {
        using Status = TemplatePreview::Status;
        out << line.onDisk + ">" + line.newLine +
                   (line.status == Status::Clash     ? " clash"
                    : line.status == Status::Refused ? " refused"
                                                     : "");
    }
    return out;
}

TEST(TemplatePreview, ShowsTheFirstSelectedItemsWithRefusedAndClashingNames)
{
    ItemStore store; // all but "keep" selected
    for (const Item& item : {fileIn("/d", "keep"), fileIn("/d", "one"), fileIn("/d", "two"),
                             fileIn("/e", "three"), fileIn("/d", "four", ".png")}) {
        store.append(item);
        store.setSelected(store.ItemCount() - 1, item.OrigName != "keep");
    }
    store.setNewName(2, QStringLiteral("keep"));
    const TemplatePreview preview(store);

    EXPECT_EQ(shown(preview, "X"), QStringList({"one.jpg>X.jpg clash", "two.jpg>X.jpg clash",
                                                "three.jpg>X.jpg", "four.png>X.png"}));
    EXPECT_EQ(shown(preview, " [artist] ").value(1), "two.jpg>keep.jpg refused");
    EXPECT_EQ(shown(preview, "a:[N]").value(0), "one.jpg>one.jpg refused");
    EXPECT_TRUE(shown(preview, "[Q]").empty());
}

TEST(TemplatePreview, ShowsAtMostTwentyLines)
{
    ItemStore store;
    for (int i = 0; i < 25; ++i) {
        store.append(fileIn("/f", QByteArray::number(i).constData()));
        store.setSelected(i, true);
    }
    const QStringList lines = shown(TemplatePreview(store), "[C:0]");
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines.back(), "19.jpg>19.jpg");
}

} // namespace
