#include "ops/numberoperations.h"

#include "rowname.h"

#include <gtest/gtest.h>

namespace {

enum class Digits { Reformat2, Reformat3, Crop, Cut };

struct DigitCase {
    const char* name;
    Digits op;
    const char* in;
    const char* expected;
};

class DigitRuns : public testing::TestWithParam<DigitCase> {};

TEST_P(DigitRuns, giveTheExpectedName)
{
    const DigitCase& c = GetParam();
    const QString in = QString::fromUtf8(c.in);
    QString out;
    switch (c.op) {
    case Digits::Reformat2:
        out = NumberOperations::reformatNumbers(in, 2);
        break;
    case Digits::Reformat3:
        out = NumberOperations::reformatNumbers(in, 3);
        break;
    case Digits::Crop:
        out = NumberOperations::cropNumbers(in);
        break;
    case Digits::Cut:
        out = NumberOperations::cutNumbers(in);
        break;
    }
    EXPECT_EQ(out, QString::fromUtf8(c.expected));
}

const DigitCase digitCases[] = {
    {"reformat: every short run padded", Digits::Reformat2, "track 7 of 12", "track 07 of 12"},
    {"reformat: longer runs stay", Digits::Reformat3, "2019 a 5", "2019 a 005"},
    {"reformat: all digits", Digits::Reformat3, "7", "007"},
    {"reformat: empty name", Digits::Reformat2, "", ""},
    {"reformat: other scripts' digits are text", Digits::Reformat2, "\u0663 1", "\u0663 01"},
    {"reformat: surrogate pair next to digits", Digits::Reformat2,
     "\U0001F600"
     "5",
     "\U0001F600"
     "05"},
    {"crop: runs joined by one space", Digits::Crop, "Track 07 - Live 2019", "07 2019"},
    {"crop: no digits keeps the name", Digits::Crop, "Intro", "Intro"},
    {"crop: all digits", Digits::Crop, "123", "123"},
    {"cut: leading number and dash", Digits::Cut, "01 - Intro", "Intro"},
    {"cut: inner runs of spaces collapse", Digits::Cut, "a 1 b  c", "a b c"},
    {"cut: edge underscores and dots", Digits::Cut, "_.a_2.", "a"},
    {"cut: all digits gives empty", Digits::Cut, "2019", ""},
    {"cut: surrogate pair kept", Digits::Cut, "1 \U0001F600", "\U0001F600"},
};

INSTANTIATE_TEST_SUITE_P(Names, DigitRuns, testing::ValuesIn(digitCases), rowName<DigitCase>);

TEST(NumberOperations, widthAnswerIsAWholeNumberFrom1To255)
{
    EXPECT_EQ(NumberOperations::readWidth(QStringLiteral("2")), 2);
    EXPECT_EQ(NumberOperations::readWidth(QStringLiteral("3.9")), 3);
    EXPECT_EQ(NumberOperations::readWidth(QStringLiteral("255")), 255);
    for (const char* refused : {"0", "-1", "x", "256", "99999"})
        EXPECT_EQ(NumberOperations::readWidth(QString::fromUtf8(refused)), std::nullopt) << refused;
}

TEST(NumberOperations, enumeratedNameFollowsTheSwitches)
{
    const auto names = [](int count, EnumSwitches switches) {
        QStringList out;
        for (int rank = 0; rank < count; ++rank)
            out << NumberOperations::enumeratedName(rank, count, switches);
        return out.join(QLatin1Char(' '));
    };
    EXPECT_EQ(names(3, {true, false, false}), "1 2 3");
    EXPECT_EQ(names(3, {true, true, false}), "0 1 2");
    EXPECT_EQ(names(3, {true, false, true}), "3 2 1");
    EXPECT_EQ(names(10, {true, true, false}).left(8), "00 01 02");
    EXPECT_EQ(names(10, {false, false, false}).right(4), "9 10");
}

struct CounterCase {
    const char* name;
    const char* entry;
    bool includeZero;
    bool inverse;
    bool fixedWidth;
    const char* expected; // names of four selected items in /music/Live, top to bottom
};

class AddNumbers : public testing::TestWithParam<CounterCase> {};

TEST_P(AddNumbers, numbersTheSelectionInOneRun)
{
    const CounterCase& c = GetParam();
    const auto counter = NumberOperations::parseCounter(QString::fromUtf8(c.entry), c.includeZero);
    if (!c.expected) {
        EXPECT_EQ(counter, std::nullopt);
        return;
    }
    ASSERT_TRUE(counter);
    const int count = 4;
    const qint64 first = NumberOperations::counterNumber(*counter, 0, count, false);
    const qint64 last = NumberOperations::counterNumber(*counter, count - 1, count, false);
    QStringList names;
    for (int rank = 0; rank < count; ++rank)
        names << NumberOperations::counterName(
            *counter, NumberOperations::counterNumber(*counter, rank, count, c.inverse),
            QStringLiteral("live"), c.fixedWidth, first, last);
    EXPECT_EQ(names.join(QLatin1Char('/')), QString::fromUtf8(c.expected));
}

const CounterCase counterCases[] = {
    {"plain counter", "% $", false, false, true, "1 live/2 live/3 live/4 live"},
    {"start and step", "5+2|%%", false, false, false, "05/07/09/11"},
    {"fixed width to the widest", "5+2|%", false, false, true, "05/07/09/11"},
    {"include zero", "%", true, false, true, "0/1/2/3"},
    {"inverse gives the start to the bottom", "5+2|%", false, true, false, "11/9/7/5"},
    {"negative start keeps its sign", "-1|%", false, false, false, "-1/0/1/2"},
    {"signed start is no step", "+3|%", false, false, false, "3/4/5/6"},
    {"comma part ignored", "2+3,9|%", false, false, false, "2/5/8/11"},
    {"percent in folder text untouched by order", "$-%", false, false, false,
     "live-1/live-2/live-3/live-4"},
    {"step zero refused", "5+0|%", false, false, false, nullptr},
    {"step not a number refused", "5+x|%", false, false, false, nullptr},
    {"no placeholder refused", "5+2|$", false, false, false, nullptr},
    {"two bars refused", "1|2|%", false, false, false, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Entries, AddNumbers, testing::ValuesIn(counterCases),
                         rowName<CounterCase>);

} // namespace
