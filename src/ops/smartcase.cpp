#include "ops/smartcase.h"

#include "text/caseless.h"

#include <QVarLengthArray>

namespace {

// Letter tests and case mapping with a shortcut for ASCII, which most names are made of;
// everything else goes through Qt's Unicode tables.
bool isLetter(char32_t c)
{
    if (c < 0x80)
        return char32_t((c | 0x20) - U'a') < 26;
    return QChar::isLetter(c);
}

bool isLower(char32_t c)
{
    if (c < 0x80)
        return char32_t(c - U'a') < 26;
    return QChar::isLower(c);
}

char32_t toUpper(char32_t c)
{
    if (c < 0x80)
        return char32_t(c - U'a') < 26 ? c - 0x20 : c;
    return QChar::toUpper(c);
}

char32_t toLower(char32_t c)
{
    if (c < 0x80)
        return char32_t(c - U'A') < 26 ? c + 0x20 : c;
    return QChar::toLower(c);
}

constexpr QStringView SmallWords[] = {u"a",  u"an", u"and", u"as",  u"at", u"by", u"for", u"in",
                                      u"of", u"on", u"or",  u"the", u"to", u"vs", u"with"};

bool isSmallWord(QStringView word)
{
    // No upper case is shorter than its text, so a longer word cannot be a small word.
    if (word.size() > 4 || word.isEmpty())
        return false;
    for (QStringView small : SmallWords) {
        if (Caseless::equal(word, small))
            return true;
    }
    return false;
}

// The code point that starts at index i and its length in code units; a lone surrogate
// (a name that was not valid UTF-16) stands for itself.
char32_t codePointAt(const QString& s, qsizetype i, qsizetype& length)
{
    const QChar c = s.at(i);
    if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
        length = 2;
        return QChar::surrogateToUcs4(c, s.at(i + 1));
    }
    length = 1;
    return c.unicode();
}

// Writes mapped in place of the code point at i of the given length, when it takes the
// same number of code units; otherwise the character stays as it was.
void replaceCodePoint(QString& s, qsizetype i, qsizetype length, char32_t mapped)
{
    if (QChar::requiresSurrogates(mapped)) {
        if (length == 2) {
            s[i] = QChar(QChar::highSurrogate(mapped));
            s[i + 1] = QChar(QChar::lowSurrogate(mapped));
        }
    } else if (length == 1) {
        s[i] = QChar(char16_t(mapped));
    }
}

bool isPartBreak(char32_t c)
{
    return c == U'-' || c == U'_' || c == U'(' || c == U'[' || c == U'.';
}

// Letters of s[begin, end): how many, and whether none is lower case.
void countLetters(const QString& s, qsizetype begin, qsizetype end, int& letters, bool& allUpper)
{
    letters = 0;
    allUpper = true;
    for (qsizetype i = begin, length = 1; i < end; i += length) {
        const char32_t c = codePointAt(s, i, length);
        if (isLetter(c)) {
            ++letters;
            allUpper = allUpper && !isLower(c);
        }
    }
}

// One part of a word: an upper-case first letter (when the part starts with a letter) and
// a lower-case rest, unless the part is written in capitals with two or more letters.
void titlePart(QString& s, qsizetype begin, qsizetype end)
{
    int letters = 0;
    bool allUpper = true;
    countLetters(s, begin, end, letters, allUpper);
    if (letters >= 2 && allUpper)
        return;
    for (qsizetype i = begin, length = 1; i < end; i += length) {
        const char32_t c = codePointAt(s, i, length);
        if (isLetter(c))
            replaceCodePoint(s, i, length, i == begin ? toUpper(c) : toLower(c));
    }
}

// A word split into parts: a part starts at the word's start and after a part break, or
// after an apostrophe that follows the part's single letter (O'Brien, not Don'T).
void titleWord(QString& s, qsizetype begin, qsizetype end)
{
    qsizetype partStart = begin;
    for (qsizetype i = begin, length = 1; i < end; i += length) {
        const char32_t c = codePointAt(s, i, length);
        qsizetype previousLength = 0;
        const bool apostropheAfterOneLetter = c == U'\'' && i > partStart &&
                                              isLetter(codePointAt(s, partStart, previousLength)) &&
                                              partStart + previousLength == i;
        if ((isPartBreak(c) || apostropheAfterOneLetter) && i + length < end) {
            titlePart(s, partStart, i + length);
            partStart = i + length;
        }
    }
    titlePart(s, partStart, end);
}

bool isSeparatorWord(QStringView word)
{
    for (QChar c : word) {
        if (c != QLatin1Char('-'))
            return false;
    }
    return !word.isEmpty();
}

} // namespace

QString SmartCase::titleCase(const QString& s)
{
    // Words are the runs between spaces; spaces stay exactly where they are.
    struct Word {
        qsizetype begin;
        qsizetype end;
    };
    QVarLengthArray<Word, 32> words;
    for (qsizetype i = 0; i < s.size();) {
        if (s.at(i) == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        const qsizetype begin = i;
        while (i < s.size() && s.at(i) != QLatin1Char(' '))
            ++i;
        words.push_back({begin, i});
    }
    QString out = s;
    const auto view = [&s](const Word& w) {
        return QStringView(s).sliced(w.begin, w.end - w.begin);
    };
    for (qsizetype n = 0; n < words.size(); ++n) {
        const Word& word = words[n];
        const bool firstOfField = n == 0 || isSeparatorWord(view(words[n - 1]));
        const bool lastOfField = n + 1 == words.size() || isSeparatorWord(view(words[n + 1]));
        if (!firstOfField && !lastOfField && isSmallWord(view(word))) {
            // Small words in capitals (AND, OR) are kept like every word in capitals.
            int letters = 0;
            bool allUpper = true;
            countLetters(s, word.begin, word.end, letters, allUpper);
            if (!(letters >= 2 && allUpper)) {
                for (qsizetype i = word.begin; i < word.end; ++i)
                    out[i] = out.at(i).toLower();
            }
            continue;
        }
        titleWord(out, word.begin, word.end);
    }
    return out;
}

QString SmartCase::sentenceCase(const QString& s)
{
    QString out = s;
    bool seenLetter = false;
    for (qsizetype i = 0, length = 1; i < out.size(); i += length) {
        const char32_t c = codePointAt(out, i, length);
        if (!isLetter(c))
            continue;
        replaceCodePoint(out, i, length, seenLetter ? toLower(c) : toUpper(c));
        seenLetter = true;
    }
    return out;
}
