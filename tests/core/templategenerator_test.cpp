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

TEST(TemplateGenerator, TagValuesTurnEveryControlCharacterIntoAnUnderscore)
{
    const struct {
        const char* name;
        QString title, expected;
    } rows[] = {
        {"tab (C0)", QStringLiteral("a\tb"), QStringLiteral("a_b")},
        {"delete",
         QStringLiteral("a\x7f"
                        "b"),
         QStringLiteral("a_b")},
        {"next line (C1)", QStringLiteral("a\u0085b"), QStringLiteral("a_b")},
        {"last C1", QStringLiteral("a\u009fb"), QStringLiteral("a_b")},
        {"invalid character", QStringLiteral("AC/DC"), QStringLiteral("AC_DC")},
        {"no-break space and accents stay", QStringLiteral("\u00a0\u00e9"),
         QStringLiteral("\u00a0\u00e9")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedMetadataReader reader;
        FileMetadata tags;
        tags.title = row.title;
        reader.files.insert("/m/song.mp3", tags);
        EXPECT_EQ(generate("[title]", {fileIn("/m", "song", ".mp3")}, reader),
                  QStringList({row.expected}));
    }
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
QString shownLine(const TemplatePreview& preview, int n)
{
    using Status = TemplatePreview::Status;
    const TemplatePreview::Line line = preview.line(n);
    return line.onDisk + ">" + line.newLine +
           (line.status == Status::Clash     ? " clash"
            : line.status == Status::Refused ? " refused"
                                             : "");
}

TEST(TemplatePreview, CoversEverySelectedLineWithRefusedAndClashingNamesAndCounts)
{
    ItemStore store; // all but "keep" selected
    for (const Item& item : {fileIn("/d", "keep"), fileIn("/d", "one"), fileIn("/d", "two"),
                             fileIn("/e", "three"), fileIn("/d", "four", ".png")}) {
        store.append(item);
        store.setSelected(store.ItemCount() - 1, item.OrigName != "keep");
    }
    store.setNewName(2, QStringLiteral("keep"));
    const struct {
        const char* name;
        const char* pattern;
        QStringList lines;
        const char* counts; // changed, clashes, refused
    } rows[] = {
        // clang-format off
        {"same name twice clashes", "X", {"one.jpg>X.jpg clash", "two.jpg>X.jpg clash", "three.jpg>X.jpg", "four.png>X.png"}, "4 2 0"},
        {"empty tag is refused, not a clash", " [artist] ", {"one.jpg>one.jpg refused", "two.jpg>keep.jpg refused", "three.jpg>three.jpg refused", "four.png>four.png refused"}, "0 0 4"},
        {"unchanged name taken by an unselected line", "[N]", {"one.jpg>one.jpg", "two.jpg>keep.jpg clash", "three.jpg>three.jpg", "four.png>four.png"}, "0 1 0"},
        {"counters by line and by folder", "[C:1,1,2]-[CF]", {"one.jpg>01-1.jpg", "two.jpg>02-2.jpg", "three.jpg>03-1.jpg", "four.png>04-3.png"}, "4 0 0"},
        {"invalid template keeps every name", "[Q]", {"one.jpg>one.jpg", "two.jpg>keep.jpg clash", "three.jpg>three.jpg", "four.png>four.png"}, "0 1 0"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedMetadataReader reader;
        TemplatePreview preview(store);
        preview.setTemplate(NameTemplate::parse(QString::fromUtf8(row.pattern)), reader);
        ASSERT_EQ(preview.lineCount(), 4);
        // Lines are computed alone, the last first, before anything is counted.
        EXPECT_EQ(shownLine(preview, 3),
                  row.lines[3].chopped(row.lines[3].endsWith(" clash") ? 6 : 0));

        EXPECT_TRUE(preview.countMore([] { return true; }));

        QStringList lines;
        for (int n = 0; n < preview.lineCount(); ++n)
            lines << shownLine(preview, n);
        EXPECT_EQ(lines, row.lines);
        const TemplatePreview::Counts& c = preview.counts();
        EXPECT_EQ(QStringLiteral("%1 %2 %3").arg(c.changed).arg(c.clashes).arg(c.refused),
                  QString::fromUtf8(row.counts));
    }
}

TEST(TemplatePreview, CountsAPartAtATimeAndStartsOverWithANewTemplate)
{
    ItemStore store;
    for (int i = 0; i < 25; ++i) {
        store.append(fileIn("/f", QByteArray::number(i).constData()));
        store.setSelected(i, true);
    }
    ScriptedMetadataReader reader;
    TemplatePreview preview(store);
    preview.setTemplate(NameTemplate::parse(QStringLiteral("same")), reader);
    int budget = 10;
    EXPECT_FALSE(preview.countMore([&] { return budget-- > 0; }));
    EXPECT_EQ(preview.counts().counted, 10);
    EXPECT_EQ(shownLine(preview, 24), "24.jpg>same.jpg") << "no clash before all are counted";
    EXPECT_TRUE(preview.countMore([] { return true; }));
    EXPECT_EQ(shownLine(preview, 24), "24.jpg>same.jpg clash");
    EXPECT_EQ(preview.counts().clashes, 25);

    preview.setTemplate(NameTemplate::parse(QStringLiteral("[C:0]")), reader);
    EXPECT_EQ(preview.counts().counted, 0);
    EXPECT_EQ(shownLine(preview, 24), "24.jpg>24.jpg");
    EXPECT_TRUE(preview.countMore([] { return true; }));
    EXPECT_EQ(preview.counts().changed, 0);
    EXPECT_EQ(preview.counts().clashes, 0);
}

} // namespace
