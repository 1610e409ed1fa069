#include "ops/numberoperations.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberOperations, digitRunsGiveTheExpectedName)
{
    using Digits = QString (*)(const QString&);
    const Digits crop = NumberOperations::cropNumbers, cut = NumberOperations::cutNumbers;
    const Digits reformat2 = [](const QString& s) {
        return NumberOperations::reformatNumbers(s, 2);
    };
    const Digits reformat3 = [](const QString& s) {
        return NumberOperations::reformatNumbers(s, 3);
    };
    const struct {
        const char* name;
        Digits op;
        QString in, expected;
    } rows[] = {
        // clang-format off
        {"reformat: every short run padded", reformat2, "track 7 of 12", "track 07 of 12"},
        {"reformat: longer runs stay", reformat3, "2019 a 5", "2019 a 005"},
        {"reformat: all digits", reformat3, "7", "007"},
        {"reformat: empty name", reformat2, "", ""},
        {"reformat: other scripts' digits are text", reformat2, "\u0663 1", "\u0663 01"},
        {"reformat: surrogate pair next to digits", reformat2, "\U0001F600" "5", "\U0001F600" "05"},
        {"crop: runs joined by one space", crop, "Track 07 - Live 2019", "07 2019"},
        {"crop: no digits keeps the name", crop, "Intro", "Intro"},
        {"crop: all digits", crop, "123", "123"},
        {"cut: leading number and dash", cut, "01 - Intro", "Intro"},
        {"cut: inner runs of spaces collapse", cut, "a 1 b  c", "a b c"},
        {"cut: edge underscores and dots", cut, "_.a_2.", "a"},
        {"cut: all digits gives empty", cut, "2019", ""},
        {"cut: surrogate pair kept", cut, "1 \U0001F600", "\U0001F600"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.op(row.in), row.expected);
    }
}

TEST(NumberOperations, widthAnswerIsAWholeNumberFrom1To255)
{
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
    EXPECT_EQ(names(3, {true, true, false}), "0 1 2");
    EXPECT_EQ(names(3, {true, false, true}), "3 2 1");
    EXPECT_EQ(names(10, {true, true, false}).left(8), "00 01 02");
    EXPECT_EQ(names(10, {false, false, false}).right(4), "9 10");
}

// Names of four selected items in /music/Live, top to bottom, or nullptr for a refused entry.
TEST(NumberOperations, addNumbersCountsTheSelectionInOneRun)
{
    const struct {
        const char* name;
        const char* entry;
        bool includeZero, inverse, fixedWidth;
        const char* expected;
    } rows[] = {
        // clang-format off
        {"plain counter", "% $", false, false, true, "1 live/2 live/3 live/4 live"},
        {"start and step", "5+2|%%", false, false, false, "05/07/09/11"},
        {"fixed width to the widest", "5+2|%", false, false, true, "05/07/09/11"},
        {"include zero", "%", true, false, true, "0/1/2/3"},
        {"inverse gives the start to the bottom", "5+2|%", false, true, false, "11/9/7/5"},
        {"negative start keeps its sign", "-1|%", false, false, false, "-1/0/1/2"},
        {"signed start is no step", "+3|%", false, false, false, "3/4/5/6"},
        {"comma part ignored", "2+3,9|%", false, false, false, "2/5/8/11"},
        {"percent in folder text untouched by order", "$-%", false, false, false, "live-1/live-2/live-3/live-4"},
        {"step zero refused", "5+0|%", false, false, false, nullptr},
        {"step not a number refused", "5+x|%", false, false, false, nullptr},
        {"no placeholder refused", "5+2|$", false, false, false, nullptr},
        {"two bars refused", "1|2|%", false, false, false, nullptr},
        // clang-format on
    };
    const int count = 4;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto counter =
            NumberOperations::parseCounter(QString::fromUtf8(row.entry), row.includeZero);
        ASSERT_EQ(counter.has_value(), row.expected != nullptr);
        if (!counter)
            continue;
        const qint64 first = NumberOperations::counterNumber(*counter, 0, count, false);
        const qint64 last = NumberOperations::counterNumber(*counter, count - 1, count, false);
        QStringList names;
        for (int rank = 0; rank < count; ++rank)
            names << NumberOperations::counterName(
                *counter, NumberOperations::counterNumber(*counter, rank, count, row.inverse),
                QStringLiteral("live"), row.fixedWidth, first, last);
        EXPECT_EQ(names.join(QLatin1Char('/')), QString::fromUtf8(row.expected));
    }
}

} // namespace
