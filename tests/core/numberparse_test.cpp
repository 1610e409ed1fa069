#include "text/numberparse.h"

#include "rowname.h"

#include <gtest/gtest.h>

namespace {

struct CountCase {
    const char* name;
    const char* answer;
    std::optional<int> floored;
    std::optional<int> rounded;
};

class NumberParseCount : public testing::TestWithParam<CountCase> {};

TEST_P(NumberParseCount, readsTheLeadingNumber)
{
    const CountCase& c = GetParam();
    const QString answer = QString::fromUtf8(c.answer);
    EXPECT_EQ(NumberParse::floorToInt16(answer), c.floored);
    EXPECT_EQ(NumberParse::roundHalfEvenToInt16(answer), c.rounded);
}

const CountCase countCases[] = {
    {"fraction_taken_down", "2.9", 2, 3},
    {"negative_fraction_goes_below", "-1.5", -2, -2},
    {"half_rounds_to_even_down", "2.5", 2, 2},
    {"half_rounds_to_even_up", "3.5", 3, 4},
    {"letter_reads_zero", "x", 0, 0},
    {"number_then_text", "12abc", 12, 12},
    {"leading_blanks_skipped", " \t\n 7", 7, 7},
    {"plus_sign", "+4", 4, 4},
    {"fraction_without_digits_before", ".75", 0, 1},
    {"point_without_fraction", "5.", 5, 5},
    {"sign_alone", "-", 0, 0},
    {"second_point_ends_number", "1.2.3", 1, 1},
    {"exponent_not_read", "1e5", 1, 1},
    {"blank_between_sign_and_digits_ends", "- 5", 0, 0},
    {"non_ascii_digit_ends_number", "\xd9\xa3", 0, 0}, // Arabic-Indic three
    {"largest_count", "32767", 32767, 32767},
    {"smallest_count", "-32768", -32768, -32768},
    {"just_above_range", "32768", std::nullopt, std::nullopt},
    {"fraction_above_range_still_fits_when_floored", "32767.9", 32767, std::nullopt},
    {"just_below_range", "-32768.1", std::nullopt, -32768},
    {"huge_digit_run", "99999999999999999999999999999999999999999999", std::nullopt, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Answers, NumberParseCount, testing::ValuesIn(countCases),
                         rowName<CountCase>);

TEST(NumberParse, leadingNumberKeepsTheFraction)
{
    EXPECT_DOUBLE_EQ(NumberParse::leadingNumber(QStringLiteral("  -12.25kg")), -12.25);
    EXPECT_DOUBLE_EQ(NumberParse::leadingNumber(QString()), 0.0);
}

} // namespace
