#include "ops/smartcase.h"

#include <gtest/gtest.h>

TEST(SmartCase, titleAndSentenceCase)
{
    const struct {
        const char* name;
        bool title; // titleCase, else sentenceCase
        const char* in;
        const char* expected;
    } rows[] = {
        {"words capitalised", true, "hello wORLD", "Hello World"},
        {"hyphenated capitals kept", true, "AC-DC live", "AC-DC Live"},
        {"roman numerals kept", true, "rocky II and IV", "Rocky II and IV"},
        {"small words lower in the middle", true, "War Of The Worlds", "War of the Worlds"},
        {"small word first and last", true, "the one to", "The One To"},
        {"small word first of a field", true, "artist - the end", "Artist - The End"},
        {"apostrophe after one letter", true, "o'brien", "O'Brien"},
        {"after brackets, hyphen and underscore", true, "song (live) [remix] x-ray my_song",
         "Song (Live) [Remix] X-Ray My_Song"},
        {"word starting with a digit", true, "the 1st mp3", "The 1st Mp3"},
        {"double spaces kept", true, "a  b", "A  B"},
        {"empty name", true, "", ""},
        {"surrogate letters cased", true, "\U00010428\U00010429 x", "\U00010400\U00010429 X"},
        {"sentence case", false, "hELLO World", "Hello world"},
        {"sentence case starts at the first letter", false, "01 - iNTRO", "01 - Intro"},
        {"sentence case of a surrogate letter", false, "\U00010400\U00010400",
         "\U00010400\U00010428"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString in = QString::fromUtf8(row.in);
        EXPECT_EQ(row.title ? SmartCase::titleCase(in) : SmartCase::sentenceCase(in),
                  QString::fromUtf8(row.expected));
    }
}
