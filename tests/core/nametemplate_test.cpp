#include "ops/nametemplate.h"
#include "ops/templategenerator.h"
#include "rowname.h"
#include "scriptedmetadatareader.h"

#include <gtest/gtest.h>

namespace {

Item song()
{
    Item item;
    item.ItemPath = QStringLiteral("/music/Rock/AC-DC");
    item.OrigName = QStringLiteral("Back In Black");
    item.OrigExt = item.NewExt = QStringLiteral(".mp3");
    item.NewName = QStringLiteral("01 Hells Bells");
    item.diskFolder = item.ItemPath.toUtf8();
    item.diskName = "Back In Black.mp3";
    return item;
}

FileMetadata songTags()
{
    FileMetadata tags;
    tags.artist = QStringLiteral("AC/DC");
    tags.title = QStringLiteral("Hells: Bells?");
    tags.album = QStringLiteral("Back in Black");
    tags.genre = QStringLiteral("Rock");
    tags.track = 1;
    tags.year = 1980;
    tags.modified = QDateTime(QDate(2020, 5, 6), QTime(7, 8, 9));
    tags.taken = QDateTime(QDate(2019, 1, 2), QTime(3, 4, 5));
    return tags;
}

struct ValidRow {
    const char* name;
    const char* pattern;
    const char* generated; // for song() with songTags()
};

class ValidTemplate : public testing::TestWithParam<ValidRow> {};

TEST_P(ValidTemplate, GeneratesTheName)
{
    const NameTemplate parsed = NameTemplate::parse(QString::fromUtf8(GetParam().pattern));
    ASSERT_TRUE(parsed.isValid()) << parsed.errorMessage().toStdString();
    ScriptedMetadataReader reader;
    reader.files.insert(TemplateGenerator::diskPath(song()), songTags());
    EXPECT_EQ(TemplateGenerator(parsed, reader).next(song()).toStdString(), GetParam().generated);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, ValidTemplate,
    testing::Values(
        ValidRow{"plain text is copied", "Song 1 (live)", "Song 1 (live)"},
        ValidRow{"doubled brackets are literal", "[[x]] ]][[", "[x] ]["},
        ValidRow{"N is the current new name", "[N]", "01 Hells Bells"},
        ValidRow{"N range", "[N4-8]", "Hells"}, ValidRow{"N open end", "[N4-]", "Hells Bells"},
        ValidRow{"N open start", "[N-2]", "01"}, ValidRow{"N one character", "[N4]", "H"},
        ValidRow{"N range beyond the name is empty", "<[N20-30]>", "<>"},
        ValidRow{"O is the name on disk", "[O]", "Back In Black"},
        ValidRow{"E is the extension without dot", "[E]", "mp3"},
        ValidRow{"F is the folder", "[F]", "AC-DC"}, ValidRow{"F2 is the parent", "[F2]", "Rock"},
        ValidRow{"F above the root is empty", "<[F9]>", "<>"},
        ValidRow{"C starts at 1", "[C]", "1"},
        ValidRow{"C with start step width", "[C:5,2,3]", "005"},
        ValidRow{"C empty parts keep defaults", "[C:,,4]", "0001"},
        ValidRow{"C negative start", "[C:-3,1,2]", "-03"}, ValidRow{"CF starts at 1", "[CF]", "1"},
        ValidRow{"D default format", "[D]", "2020-05-06"},
        ValidRow{"D with format", "[D:yyyyMMdd_HHmmss]", "20200506_070809"},
        ValidRow{"X is the EXIF date", "[X:yyyy-MM-dd_HHmmss]", "2019-01-02_030405"},
        ValidRow{"tags with invalid characters become underscores", "[artist] - [title]",
                 "AC_DC - Hells_ Bells_"},
        ValidRow{"album genre year", "[album], [genre], [year]", "Back in Black, Rock, 1980"},
        ValidRow{"track", "[track]", "1"}, ValidRow{"track padded", "[track:2]", "01"}),
    rowName<ValidRow>);

struct InvalidRow {
    const char* name;
    const char* pattern;
    int position;
    const char* message;
};

class InvalidTemplate : public testing::TestWithParam<InvalidRow> {};

TEST_P(InvalidTemplate, SaysWhereAndWhy)
{
    const NameTemplate parsed = NameTemplate::parse(QString::fromUtf8(GetParam().pattern));
    EXPECT_FALSE(parsed.isValid());
    EXPECT_EQ(parsed.errorPosition(), GetParam().position);
    EXPECT_EQ(parsed.errorMessage().toStdString(), GetParam().message);
    EXPECT_TRUE(parsed.tokens().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, InvalidTemplate,
    testing::Values(
        InvalidRow{"unknown token", "ab[Q]", 2, "Column 3: Unknown token [Q]"},
        InvalidRow{"tag names are case sensitive", "[Artist]", 0,
                   "Column 1: Unknown token [Artist]"},
        InvalidRow{"empty token", "[]", 0, "Column 1: Empty token []"},
        InvalidRow{"unclosed bracket", "a[title", 1,
                   "Column 2: [ without ] (write [[ for a bracket)"},
        InvalidRow{"bracket inside a token", "[a[title]]", 0,
                   "Column 1: [ without ] (write [[ for a bracket)"},
        InvalidRow{"lone closing bracket", "a]b", 1,
                   "Column 2: ] without [ (write ]] for a bracket)"},
        InvalidRow{"closing bracket after a token", "[N]]", 3,
                   "Column 4: ] without [ (write ]] for a bracket)"},
        InvalidRow{"range ends before it starts", "[N8-3]", 0,
                   "Column 1: Range ends before it starts in [N8-3]"},
        InvalidRow{"range from 0", "[N0-3]", 0,
                   "Column 1: Character position must be 1 or more in [N0-3]"},
        InvalidRow{"range too large", "[N1-99999]", 0,
                   "Column 1: Character position too large in [N1-99999]"},
        InvalidRow{"range of letters", "[Nx-y]", 0, "Column 1: Unknown token [Nx-y]"},
        InvalidRow{"folder level 0", "[F0]", 0, "Column 1: Folder level must be 1 or more in [F0]"},
        InvalidRow{"counter width 0", "[C:1,1,0]", 0,
                   "Column 1: Counter width must be 1 to 12 in [C:1,1,0]"},
        InvalidRow{"counter not a number", "[CF:x]", 0,
                   "Column 1: Bad counter [CF:x]: write [CF:start,step,width]"},
        InvalidRow{"counter with four values", "[C:1,2,3,4]", 0,
                   "Column 1: Bad counter [C:1,2,3,4]: write [C:start,step,width]"},
        InvalidRow{"empty date format", "[D:]", 0, "Column 1: Empty date format in [D:]"},
        InvalidRow{"track width 0", "[track:0]", 0,
                   "Column 1: Track width must be 1 to 12 in [track:0]"}),
    rowName<InvalidRow>);

} // namespace
