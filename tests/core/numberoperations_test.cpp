#include "ops/numberoperations.h"
#include "opstesthelpers.h"

#include <gtest/gtest.h>

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
        {"reformat: other scripts' digits are text", reformat2, "\u0663 1", "\u0663 01"},
        {"reformat: surrogate pair next to digits", reformat2, "\U0001F600" "5", "\U0001F600" "05"},
        {"crop: runs joined by one space", crop, "Track 07 - Live 2019", "07 2019"},
        {"crop: no digits keeps the name", crop, "Intro", "Intro"},
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
    EXPECT_EQ(NumberOperations::enumeratedName(0, 3, {true, false, true}), "3"); // inverse
    EXPECT_EQ(NumberOperations::enumeratedName(0, 10, {true, true, false}), "00");
    EXPECT_EQ(NumberOperations::enumeratedName(9, 10, {false, false, false}), "10");
}

// Four selected items in /music/Live, run through the engine; a refused entry is asked
// again and then cancelled.
TEST(NumberOperations, addNumbersCountsTheSelectionInOneRun)
{
    const EnumSwitches freeWidth{false, false, false}, zero{true, true, false};
    const EnumSwitches inverse{false, false, true};
    const char* const refused = "a/b/c/d";
    const struct {
        const char *name, *entry;
        EnumSwitches switches;
        const char* expected; // the lines joined by '/'
    } rows[] = {
        // clang-format off
        {"plain counter", "% $", {}, "1 live/2 live/3 live/4 live"},
        {"start and step", "5+2|%%", freeWidth, "05/07/09/11"},
        {"fixed width to the widest", "5+2|%", {}, "05/07/09/11"},
        {"include zero", "%", zero, "0/1/2/3"},
        {"inverse gives the start to the bottom", "5+2|%", inverse, "11/9/7/5"},
        {"negative start keeps its sign", "-1|%", freeWidth, "-1/0/1/2"},
        {"signed start is no step", "+3|%", freeWidth, "3/4/5/6"},
        {"comma part ignored", "2+3,9|%", freeWidth, "2/5/8/11"},
        {"percent in folder text untouched by order", "$-%", freeWidth, "live-1/live-2/live-3/live-4"},
        {"step zero refused", "5+0|%", {}, refused},
        {"no placeholder refused", "5+2|$", {}, refused},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpsBench bench;
        for (const char* name : {"a", "b", "c", "d"})
            bench.add(QString::fromUtf8(name), QStringLiteral("/music/Live"), true);
        bench.answer({QString::fromUtf8(row.entry)});
        bench.switches = row.switches;
        bench.engine.ModifyItems(OpCode::AddNumbers);
        EXPECT_EQ(bench.lines().join(QLatin1Char('/')), QString::fromUtf8(row.expected));
    }
}
