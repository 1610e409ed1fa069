#include "scriptedmetadatareader.h"
#include "templates/nametemplate.h"
#include "templates/templategenerator.h"

#include <gtest/gtest.h>

namespace {

const Item song{"/music/Rock/AC-DC", "Back In Black",    ".mp3", "01 Hells Bells", ".mp3",
                "/music/Rock/AC-DC", "Back In Black.mp3"};
FileMetadata songTags()
{
    FileMetadata tags{"AC/DC", "Hells: Bells?", "Back in Black", "Rock", 1, 1980, {}, {}};
    tags.modified = QDateTime(QDate(2020, 5, 6), QTime(7, 8, 9));
    tags.taken = QDateTime(QDate(2019, 1, 2), QTime(3, 4, 5));
    return tags;
}

TEST(NameTemplate, ValidTemplateGeneratesTheName)
{
    const struct {
        const char* name;
        const char* pattern;
        const char* generated; // for song with songTags
    } rows[] = {
        // clang-format off
        {"doubled brackets are literal", "[[x]] ]][[", "[x] ]["},
        {"N is the current new name", "[N]", "01 Hells Bells"},
        {"N ranges: closed, open end, open start, one character", "[N4-8]|[N4-]|[N-2]|[N4]", "Hells|Hells Bells|01|H"},
        {"N range beyond the name is empty", "<[N20-30]>", "<>"},
        {"O is the name on disk, E the extension without dot", "[O]|[E]", "Back In Black|mp3"},
        {"F is the folder, F2 the parent", "[F]<[F2]", "AC-DC<Rock"},
        {"F above the root is empty", "<[F9]>", "<>"},
        {"C with start step width, defaults, negative start", "[C:5,2,3]|[C:,,4]|[C:-3,1,2]", "005|0001|-03"},
        {"D default format and with format", "[D]|[D:yyyyMMdd_HHmmss]", "2020-05-06|20200506_070809"},
        {"X is the EXIF date", "[X:yyyy-MM-dd_HHmmss]", "2019-01-02_030405"},
        {"tags with invalid characters become underscores", "[artist] - [title]", "AC_DC - Hells_ Bells_"},
        {"album genre year track", "[album], [genre], [year] [track] [track:2]", "Back in Black, Rock, 1980 1 01"},
        // clang-format on
    };
    ScriptedMetadataReader reader;
    reader.files.insert(TemplateGenerator::diskPath(song), songTags());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const NameTemplate parsed = NameTemplate::parse(QString::fromUtf8(row.pattern));
        ASSERT_TRUE(parsed.isValid()) << parsed.errorMessage().toStdString();
        EXPECT_EQ(TemplateGenerator(parsed, reader).next(song).toStdString(), row.generated);
    }
}

TEST(NameTemplate, InvalidTemplateSaysWhereAndWhy)
{
    const struct {
        const char* name;
        const char* pattern;
        int position;
        const char* message;
    } rows[] = {
        // clang-format off
        {"unknown token", "ab[Q]", 2, "Column 3: Unknown token [Q]"},
        {"tag names are case sensitive", "[Artist]", 0, "Column 1: Unknown token [Artist]"},
        {"empty token", "[]", 0, "Column 1: Empty token []"},
        {"unclosed bracket", "a[title", 1, "Column 2: [ without ] (write [[ for a bracket)"},
        {"bracket inside a token", "[a[title]]", 0, "Column 1: [ without ] (write [[ for a bracket)"},
        {"lone closing bracket", "a]b", 1, "Column 2: ] without [ (write ]] for a bracket)"},
        {"closing bracket after a token", "[N]]", 3, "Column 4: ] without [ (write ]] for a bracket)"},
        {"range ends before it starts", "[N8-3]", 0, "Column 1: Range ends before it starts in [N8-3]"},
        {"range from 0", "[N0-3]", 0, "Column 1: Character position must be 1 or more in [N0-3]"},
        {"range too large", "[N1-99999]", 0, "Column 1: Character position too large in [N1-99999]"},
        {"counter width 0", "[C:1,1,0]", 0, "Column 1: Counter width must be 1 to 12 in [C:1,1,0]"},
        {"counter not a number", "[CF:x]", 0, "Column 1: Bad counter [CF:x]: write [CF:start,step,width]"},
        {"empty date format", "[D:]", 0, "Column 1: Empty date format in [D:]"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const NameTemplate parsed = NameTemplate::parse(QString::fromUtf8(row.pattern));
        EXPECT_FALSE(parsed.isValid());
        EXPECT_EQ(parsed.errorPosition(), row.position);
        EXPECT_EQ(parsed.errorMessage().toStdString(), row.message);
        EXPECT_TRUE(parsed.tokens().empty());
    }
}

} // namespace
