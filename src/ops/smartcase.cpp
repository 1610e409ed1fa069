#include "ops/smartcase.h"

#include <QStringList>

#include <vector>

namespace {

const QStringList SmallWords = {
    QStringLiteral("a"),  QStringLiteral("an"), QStringLiteral("and"), QStringLiteral("as"),
    QStringLiteral("at"), QStringLiteral("by"), QStringLiteral("for"), QStringLiteral("in"),
    QStringLiteral("of"), QStringLiteral("on"), QStringLiteral("or"),  QStringLiteral("the"),
    QStringLiteral("to"), QStringLiteral("vs"), QStringLiteral("with")};

// A string as code points, so that case changes never split a surrogate pair. A lone
// surrogate (a name that was not valid UTF-16) is kept as it is, not replaced.
std::vector<char32_t> codePoints(QStringView s)
{
    std::vector<char32_t> out;
    out.reserve(size_t(s.size()));
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            out.push_back(QChar::surrogateToUcs4(c, s.at(i + 1)));
            ++i;
        } else {
            out.push_back(c.unicode());
        }
    }
    return out;
}

void appendCodePoint(QString& out, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        out += QChar(QChar::highSurrogate(c));
        out += QChar(QChar::lowSurrogate(c));
    } else {
        out += QChar(char16_t(c));
    }
}

bool isPartBreak(char32_t c)
{
    return c == U'-' || c == U'_' || c == U'(' || c == U'[' || c == U'.';
}

// One space-separated word in title case; small words are handled by the caller.
QString titleWord(const std::vector<char32_t>& word)
{
    // Split into parts; a part starts at the word's start and after a part break.
    std::vector<size_t> starts{0};
    for (size_t i = 0; i < word.size(); ++i) {
        const char32_t c = word[i];
        const bool apostropheAfterOneLetter =
            c == U'\'' && i == starts.back() + 1 && QChar::isLetter(word[i - 1]);
        if ((isPartBreak(c) || apostropheAfterOneLetter) && i + 1 < word.size())
            starts.push_back(i + 1);
    }
    starts.push_back(word.size());

    QString out;
    for (size_t p = 0; p + 1 < starts.size(); ++p) {
        const size_t begin = starts[p];
        const size_t end = starts[p + 1];
        int letters = 0;
        bool allUpper = true;
        for (size_t i = begin; i < end; ++i) {
            if (QChar::isLetter(word[i])) {
                ++letters;
                allUpper = allUpper && !QChar::isLower(word[i]);
            }
        }
        const bool keep = letters >= 2 && allUpper;
        bool first = true; // the part's first character, if it is a letter
        for (size_t i = begin; i < end; ++i) {
            const char32_t c = word[i];
            if (keep)
                appendCodePoint(out, c);
            else if (first && QChar::isLetter(c))
                appendCodePoint(out, QChar::toUpper(c));
            else
                appendCodePoint(out, QChar::isLetter(c) ? QChar::toLower(c) : c);
            first = false;
        }
    }
    return out;
}

bool isSeparatorWord(const QString& word)
{
    return !word.isEmpty() && word.count(QLatin1Char('-')) == word.size();
}

} // namespace

QString SmartCase::titleCase(const QString& s)
{
    // Spaces stay exactly where they are; empty words between two spaces stay empty.
    const QStringList words = s.split(QLatin1Char(' '));
    std::vector<int> wordIndexes; // the non-empty words
    for (int i = 0; i < words.size(); ++i) {
        if (!words[i].isEmpty())
            wordIndexes.push_back(i);
    }
    QStringList out = words;
    for (size_t n = 0; n < wordIndexes.size(); ++n) {
        const QString& word = words[wordIndexes[n]];
        const bool firstOfField = n == 0 || isSeparatorWord(words[wordIndexes[n - 1]]);
        const bool lastOfField =
            n + 1 == wordIndexes.size() || isSeparatorWord(words[wordIndexes[n + 1]]);
        if (!firstOfField && !lastOfField && SmallWords.contains(word, Qt::CaseInsensitive)) {
            // Small words in capitals (AND, OR) are kept like every word in capitals.
            const bool capitals = word.size() >= 2 && word == word.toUpper();
            out[wordIndexes[n]] = capitals ? word : word.toLower();
            continue;
        }
        out[wordIndexes[n]] = titleWord(codePoints(word));
    }
    return out.join(QLatin1Char(' '));
}

QString SmartCase::sentenceCase(const QString& s)
{
    QString out;
    out.reserve(s.size());
    bool seenLetter = false;
    for (char32_t c : codePoints(s)) {
        if (!QChar::isLetter(c)) {
            appendCodePoint(out, c);
            continue;
        }
        appendCodePoint(out, seenLetter ? QChar::toLower(c) : QChar::toUpper(c));
        seenLetter = true;
    }
    return out;
}
