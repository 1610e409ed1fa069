#include "text/numberparse.h"
#include "text/zeropad.h"

#include <gtest/gtest.h>

#include <limits>

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

TEST(ZeroPad, writesNumbersWithZerosInFront)
{
    const struct {
        const char* name;
        qint64 value;
        int width;
        const char* text;
        int digits;
    } rows[] = {
        {"zero has one digit", 0, 1, "0", 1},
        {"padded to the width", 7, 3, "007", 1},
        {"longer numbers stay whole", 12345, 2, "12345", 5},
        {"minus sign before the zeros", -7, 3, "-007", 1},
        {"width 0 writes the digits", 42, 0, "42", 2},
        {"lowest 64-bit number", std::numeric_limits<qint64>::min(), 1, "-9223372036854775808", 19},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ZeroPad::text(row.value, row.width), QString::fromLatin1(row.text));
        EXPECT_EQ(ZeroPad::digitCount(row.value), row.digits);
    }
}
