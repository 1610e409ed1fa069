#include "text/numberparse.h"

#include <gtest/gtest.h>

TEST(NumberParse, countsReadTheLeadingNumber)
{
    const struct {
        const char* name;
        const char* answer;
        std::optional<int> floored, rounded;
    } rows[] = {
        {"fraction taken down", "2.9", 2, 3},
        {"negative fraction goes below", "-1.5", -2, -2},
        {"half rounds to even down", "2.5", 2, 2},
        {"half rounds to even up", "3.5", 3, 4},
        {"letter reads zero", "x", 0, 0},
        {"number then text", "12abc", 12, 12},
        {"leading blanks skipped", " \t\n 7", 7, 7},
        {"exponent not read", "1e5", 1, 1},
        {"non-ASCII digit ends number", "\xd9\xa3", 0, 0}, // Arabic-Indic three
        {"largest count", "32767", 32767, 32767},
        {"smallest count", "-32768", -32768, -32768},
        {"just above range", "32768", std::nullopt, std::nullopt},
        {"fraction above range still fits when floored", "32767.9", 32767, std::nullopt},
        {"just below range", "-32768.1", std::nullopt, -32768},
        {"huge digit run", "99999999999999999999999999999999999999999999", std::nullopt,
         std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString answer = QString::fromUtf8(row.answer);
        EXPECT_EQ(NumberParse::floorToInt16(answer), row.floored);
        EXPECT_EQ(NumberParse::roundHalfEvenToInt16(answer), row.rounded);
    }
}
