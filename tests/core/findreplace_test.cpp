#include "ops/findreplace.h"
#include "ops/phrasematch.h"

#include "rowname.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct ReplaceCase {
    const char* name;
    const char* text;
    const char* find;
    const char* replacement;
    bool matchCase;
    bool repeat;
    const char* expected;
};

void expectReplaced(const ReplaceCase& c, bool exactPhrase)
{
    EXPECT_EQ(FindReplace::ReplaceText(QString::fromUtf8(c.text), QString::fromUtf8(c.find),
                                       QString::fromUtf8(c.replacement), c.matchCase, exactPhrase,
                                       c.repeat),
              QString::fromUtf8(c.expected));
}

class ReplaceTextCases : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextCases, givesTheExpectedName)
{
    expectReplaced(GetParam(), false);
}

class ExactPhraseReplace : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ExactPhraseReplace, replacesWholePhrasesOnly)
{
    expectReplaced(GetParam(), true);
}

const ReplaceCase replaceCases[] = {
    {"without_repeat_only_the_last_occurrence", "a_b_c", "_", "-", false, false, "a_b-c"},
    {"overlapping_last_occurrence", "aaaa", "aa", "b", false, false, "aab"},
    {"repeat_refused_when_replacement_holds_find", "xax", "a", "aa", false, true, "xax"},
    {"repeat_refused_ignoring_case", "xax", "a", "bA", false, true, "xax"},
    {"repeat_allowed_when_case_differs_and_matters", "xax", "a", "A", true, true, "xAx"},
    {"case_off_keeps_name_case_and_inserts_as_typed", "abcB", "B", "x", false, false, "abcx"},
    {"case_on_finds_exact_case_only", "abcB", "b", "x", true, false, "axcB"},
    {"whole_name_to_empty", "abc", "abc", "", false, false, ""},
    {"find_longer_than_name", "ab", "abc", "x", false, false, "ab"},
    {"sharp_s_keeps_positions", "\u00dfab", "AB", "x", false, false, "\u00dfx"},
    {"runaway_repeat_gives_empty", "aab", "ab", "bbaa", false, true, ""},
};

INSTANTIATE_TEST_SUITE_P(Names, ReplaceTextCases, testing::ValuesIn(replaceCases),
                         rowName<ReplaceCase>);

struct FindLastCase {
    const char* name;
    const char* text;
    const char* find;
    bool matchCase;
    int start;
    int expected;
    int expectedPos;
};

class FindLastCases : public testing::TestWithParam<FindLastCase> {};

TEST_P(FindLastCases, returnsPositionAndMovesPos)
{
    const FindLastCase& c = GetParam();
    int pos = -99;
    EXPECT_EQ(FindReplace::FindLast(QString::fromUtf8(c.text), QString::fromUtf8(c.find),
                                    c.matchCase, false, pos, c.start),
              c.expected);
    EXPECT_EQ(pos, c.expectedPos);
}

const FindLastCase findLastCases[] = {
    {"overlapping_from_start", "aaaa", "aa", true, 0, 3, 5},
    {"not_found_after_start", "abcabc", "abc", true, 4, 0, 4},
    {"found_after_start", "abcabc", "abc", true, 1, 4, 7},
    {"case_off_matches_other_case", "Abc", "aB", false, 0, 1, 3},
    {"case_on_misses_other_case", "Abc", "aB", true, 0, 0, 0},
    {"start_beyond_text", "abc", "a", true, 10, 0, 10},
    {"negative_start_searches_whole_text", "abab", "ab", true, -5, 3, 5},
};

INSTANTIATE_TEST_SUITE_P(Texts, FindLastCases, testing::ValuesIn(findLastCases),
                         rowName<FindLastCase>);

TEST(ReplaceText, runawayRepeatStopsNearTheLongestName)
{
    // A long name that a single replacement would push past 32767 characters.
    const QString name = QString(32760, QLatin1Char('x')) + QStringLiteral("ab");
    EXPECT_EQ(FindReplace::ReplaceText(name, QStringLiteral("ab"), QStringLiteral("0123456789"),
                                       true, false, false),
              QString());
    EXPECT_EQ(FindReplace::ReplaceText(name, QStringLiteral("ab"), QStringLiteral("cd"), true,
                                       false, false),
              QString(32760, QLatin1Char('x')) + QStringLiteral("cd"));
}

// The Repeat loop written step by step with FindLast from the start of the name every
// time; nullopt when it has not finished after `limit` replacements.
std::optional<QString> repeatByFindLast(QString text, const QString& find,
                                        const QString& replacement, int limit)
{
    if (replacement.contains(find))
        return text;
    for (int step = 0; step < limit; ++step) {
        int pos = 0;
        const int k = FindReplace::FindLast(text, find, true, false, pos, 0);
        if (k == 0)
            return text;
        text.replace(k - 1, find.size(), replacement);
    }
    return std::nullopt;
}

TEST(ReplaceText, repeatAgreesWithTheStepByStepSearch)
{
    // Random names and texts over a tiny alphabet, so that occurrences overlap and
    // replacements create new ones next to their edges.
    std::mt19937 random(11);
    const auto word = [&random](int minLength, int maxLength) {
        QString out;
        const int length = minLength + int(random() % unsigned(maxLength - minLength + 1));
        for (int i = 0; i < length; ++i)
            out += QChar(u"ab"[random() % 2]);
        return out;
    };
    int compared = 0;
    for (int round = 0; round < 3000; ++round) {
        const QString text = word(0, 12);
        const QString find = word(1, 3);
        const QString replacement = word(0, 4);
        const std::optional<QString> expected = repeatByFindLast(text, find, replacement, 200);
        if (!expected)
            continue;
        SCOPED_TRACE((text + " / " + find + " / " + replacement).toStdString());
        EXPECT_EQ(FindReplace::ReplaceText(text, find, replacement, true, false, true), *expected);
        ++compared;
    }
    EXPECT_GT(compared, 1000);
}

const ReplaceCase phraseCases[] = {
    {"last whole occurrence only", "cat cats cat", "cat", "dog", true, false, "cat cats dog"},
    {"inside a word is skipped", "concat cat2 cat_x", "cat", "dog", true, false,
     "concat cat2 dog_x"},
    {"repeat replaces every whole one", "cat cats cat", "cat", "dog", true, true, "dog cats dog"},
    {"case ignored", "Cat cat", "CAT", "x", false, true, "x x"},
    {"digits are word characters", "a1 a", "a", "b", true, true, "a1 b"},
    {"combining mark joins the word", "cafe\u0301 cafe", "cafe", "x", true, true, "cafe\u0301 x"},
    {"surrogate letter is a neighbour", "\U00010400ab ab", "ab", "x", true, true, "\U00010400ab x"},
    {"surrogate symbol is not", "\U0001F600ab", "ab", "x", true, false, "\U0001F600x"},
    {"overlapping: neither whole", "aaa", "aa", "b", true, false, "aaa"},
    {"replacement holding a whole phrase refuses repeat", "a b", "a", "a a", true, true, "a b"},
    {"replacement holding it inside a word repeats", "a b", "a", "ax", true, true, "ax b"},
    {"replacement makes the next one whole", "-a-a", "-a", "x-", true, true, "x-x-"},
};

INSTANTIATE_TEST_SUITE_P(Names, ExactPhraseReplace, testing::ValuesIn(phraseCases),
                         rowName<ReplaceCase>);

TEST(ExactPhrase, findLastGivesTheLastWholeOccurrenceAfterStart)
{
    int pos = 0;
    EXPECT_EQ(FindReplace::FindLast(QStringLiteral("ab abc ab"), QStringLiteral("ab"), true, true,
                                    pos, 0),
              8);
    EXPECT_EQ(pos, 10);
    EXPECT_EQ(
        FindReplace::FindLast(QStringLiteral("ab abc"), QStringLiteral("ab"), true, true, pos, 1),
        0);
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(
        FindReplace::FindLast(QStringLiteral("xab"), QStringLiteral("AB"), false, true, pos, 0), 0);
}

TEST(ExactPhrase, wholePhraseAtTheEdgesOfTheText)
{
    EXPECT_TRUE(PhraseMatch::isWholePhrase(u"ab", 0, 2));
    EXPECT_TRUE(PhraseMatch::isWholePhrase(u"(ab)", 1, 2));
    EXPECT_FALSE(PhraseMatch::isWholePhrase(u"abc", 0, 2));
    EXPECT_FALSE(PhraseMatch::isWholePhrase(u"xab", 1, 2));
}

} // namespace
