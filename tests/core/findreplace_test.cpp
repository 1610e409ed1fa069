#include "ops/findreplace.h"
#include "opstesthelpers.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct ReplaceCase {
    const char* name;
    QString text, find, replacement;
    bool matchCase, repeat;
    QString expected;
    bool exactPhrase = false;
};

const QString longName(32760, QLatin1Char('x'));

// clang-format off
const ReplaceCase replaceCases[] = {
    {"without_repeat_only_the_last_occurrence", "a_b_c", "_", "-", false, false, "a_b-c"},
    {"repeat_refused_when_replacement_holds_find", "xax", "a", "aa", false, true, "xax"},
    {"repeat_allowed_when_case_differs_and_matters", "xax", "a", "A", true, true, "xAx"},
    {"case_off_keeps_name_case_and_inserts_as_typed", "abcB", "B", "x", false, false, "abcx"},
    {"whole_name_to_empty", "abc", "abc", "", false, false, ""},
    {"sharp_s_keeps_positions", "\u00dfab", "AB", "x", false, false, "\u00dfx"},
    {"runaway_repeat_gives_empty", "aab", "ab", "bbaa", false, true, ""},
    {"growing past 32767 characters gives empty", longName + "ab", "ab", "0123456789", true, false, ""},
    {"32762 characters stay possible", longName + "ab", "ab", "cd", true, false, longName + "cd"},
    // Exact phrase
    {"last whole occurrence only", "cat cats cat", "cat", "dog", true, false, "cat cats dog", true},
    {"inside a word is skipped", "concat cat2 cat_x", "cat", "dog", true, false, "concat cat2 dog_x", true},
    {"repeat replaces every whole one", "cat cats cat", "cat", "dog", true, true, "dog cats dog", true},
    {"case ignored", "Cat cat", "CAT", "x", false, true, "x x", true},
    {"digits are word characters", "a1 a", "a", "b", true, true, "a1 b", true},
    {"combining mark joins the word", "cafe\u0301 cafe", "cafe", "x", true, true, "cafe\u0301 x", true},
    {"surrogate letter is a neighbour", "\U00010400ab ab", "ab", "x", true, true, "\U00010400ab x", true},
    {"surrogate symbol is not", "\U0001F600ab", "ab", "x", true, false, "\U0001F600x", true},
    {"replacement holding a whole phrase refuses repeat", "a b", "a", "a a", true, true, "a b", true},
    {"replacement holding it inside a word repeats", "a b", "a", "ax", true, true, "ax b", true},
    {"replacement makes the next one whole", "-a-a", "-a", "x-", true, true, "x-x-", true},
};
// clang-format on

TEST(FindReplace, replaceTextGivesTheExpectedName)
{
    for (const ReplaceCase& c : replaceCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindReplace::ReplaceText(c.text, c.find, c.replacement, c.matchCase,
                                           c.exactPhrase, c.repeat),
                  c.expected);
    }
}

TEST(FindReplace, findLastReturnsPositionAndMovesPos)
{
    const struct {
        const char* name;
        const char *text, *find;
        bool matchCase, exactPhrase;
        int start, expected, expectedPos;
    } rows[] = {
        {"overlapping_from_start", "aaaa", "aa", true, false, 0, 3, 5},
        {"found_after_start", "abcabc", "abc", true, false, 1, 4, 7},
        {"case_off_matches_other_case", "Abc", "aB", false, false, 0, 1, 3},
        {"start_beyond_text", "abc", "a", true, false, 10, 0, 10},
        {"negative_start_searches_whole_text", "abab", "ab", true, false, -5, 3, 5},
        {"exact: last whole occurrence", "ab abc ab", "ab", true, true, 0, 8, 10},
        {"exact: none after start", "ab abc", "ab", true, true, 1, 0, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        int pos = -99;
        EXPECT_EQ(FindReplace::FindLast(QString::fromUtf8(row.text), QString::fromUtf8(row.find),
                                        row.matchCase, row.exactPhrase, pos, row.start),
                  row.expected);
        EXPECT_EQ(pos, row.expectedPos);
    }
}

TEST(FindReplace, patternReplaceGivesTheExpectedName)
{
    const struct {
        const char* name;
        QString text, find, replacement;
        bool matchCase, exactPhrase, repeat;
        QString expected;
    } rows[] = {
        {"groups swap, last match only", "a_b c_d", "/(\\w)_(\\w)/", "\\2-\\1", true, false, false,
         "a_b d-c"},
        {"repeat: every match left to right once", "a_b c_d", "/(\\w)_(\\w)/", "\\2-\\1", true,
         false, true, "b-a d-c"},
        {"\\0 is the whole match", "track 7", "/\\d+/", "<\\0>", true, false, false, "track <7>"},
        {"backslash before another character is that character", "a.b", "/\\./", "\\\\\\x\\", true,
         false, false, "a\\x\\b"},
        {"a group that took no part and one beyond the pattern are empty", "ab", "/(x)?(b)/",
         "[\\1\\2\\7]", true, false, false, "a[b]"},
        {"repeat never loops on a replacement holding the match", "aa", "/a/", "aa", true, false,
         true, "aaaa"},
        {"empty matches: repeat inserts between every character", "ab", "/x*/", "-", true, false,
         true, "-a-b-"},
        {"empty match: without repeat at the end", "ab", "/x*/", "-", true, false, false, "ab-"},
        {"empty match after a match", "aab", "/a*/", "X", true, false, true, "XXbX"},
        {"case off", "ABC abc", "/b/", "x", false, false, true, "AxC axc"},
        {"case on", "ABC abc", "/b/", "x", true, false, true, "ABC axc"},
        {"exact phrase: only whole ones", "cat cats cat2 cat", "/c.t/", "dog", true, true, true,
         "dog cats cat2 dog"},
        {"no match keeps the name", "abc", "/\\d/", "x", true, false, true, "abc"},
        {"stray byte kept around the match", QStringLiteral("caf") + QChar(0xDCE9) + "_1",
         "/_(\\d)/", " \\1", true, false, false, QStringLiteral("caf") + QChar(0xDCE9) + " 1"},
        {"growing past 32767 characters gives empty", longName + "ab", "/b/", "0123456789", true,
         false, false, ""},
        {"slashes with spaces around are a pattern", "a1", " /\\d/ ", "#", true, false, false,
         "a#"},
        {"a lone slash pair is plain text", "a//b", "//", "-", true, false, false, "a-b"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<QRegularExpression> pattern =
            FindReplace::pattern(row.find, row.matchCase);
        const QString result =
            pattern ? FindReplace::ReplacePattern(row.text, *pattern, row.replacement,
                                                  row.exactPhrase, row.repeat)
                    : FindReplace::ReplaceText(row.text, row.find, row.replacement, row.matchCase,
                                               row.exactPhrase, row.repeat);
        EXPECT_EQ(result, row.expected);
    }
}

TEST(FindReplace, invalidPatternsSayWhyAndRunNothing)
{
    EXPECT_EQ(FindReplace::patternError(QStringLiteral("/(a/")),
              QStringLiteral("missing closing parenthesis"));
    EXPECT_EQ(FindReplace::patternError(QStringLiteral("(a")), QString()); // plain text
    OpsBench bench({"a(a", "b"});
    bench.select({0, 1});
    bench.findValues = {true, "/(a/", "x", false, false, true};
    bench.engine.ModifyItems(OpCode::ReplaceWithFindValues);
    bench.findValues.ReplaceMode = false;
    bench.engine.ReturnFind();
    EXPECT_EQ(bench.lines(), (QStringList{"a(a", "b"}));
    EXPECT_EQ(bench.store.selectedCount(), 2);
}

TEST(FindReplace, containingSelectsByPattern)
{
    OpsBench bench({"IMG_2019", "img_x", "photo 2020"});
    bench.findValues = {false, "/^img_\\d/", "", false, false, false};
    bench.engine.ReturnFind();
    EXPECT_TRUE(bench.store.isSelected(0));
    EXPECT_FALSE(bench.store.isSelected(1));
    EXPECT_FALSE(bench.store.isSelected(2));
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

} // namespace
