#include "ops/findreplace.h"
#include "ops/phrasematch.h"

#include "rowname.h"

#include <gtest/gtest.h>

namespace {

struct PhraseCase {
    const char* name;
    const char* text;
    const char* find;
    const char* replacement;
    bool matchCase;
    bool repeat;
    const char* expected;
};

class ExactPhraseReplace : public testing::TestWithParam<PhraseCase> {};

TEST_P(ExactPhraseReplace, replacesWholePhrasesOnly)
{
    const PhraseCase& c = GetParam();
    EXPECT_EQ(FindReplace::ReplaceText(QString::fromUtf8(c.text), QString::fromUtf8(c.find),
                                       QString::fromUtf8(c.replacement), c.matchCase, true,
                                       c.repeat),
              QString::fromUtf8(c.expected));
}

const PhraseCase phraseCases[] = {
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
                         rowName<PhraseCase>);

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
