#include "ops/phrasematch.h"

namespace {

bool isWordCharacter(char32_t c)
{
    if (c < 0x80)
        return (c >= U'0' && c <= U'9') || char32_t((c | 0x20) - U'a') < 26;
    return QChar::isLetter(c) || QChar::isDigit(c) || QChar::isMark(c);
}

// The character that ends just before index, surrogate pairs joined.
char32_t characterBefore(QStringView text, qsizetype index)
{
    const QChar last = text.at(index - 1);
    if (last.isLowSurrogate() && index >= 2 && text.at(index - 2).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(index - 2), last);
    return last.unicode();
}

char32_t characterAt(QStringView text, qsizetype index)
{
    const QChar first = text.at(index);
    if (first.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(first, text.at(index + 1));
    return first.unicode();
}

} // namespace

bool PhraseMatch::isWholePhrase(QStringView text, qsizetype index, qsizetype length)
{
    if (index > 0 && isWordCharacter(characterBefore(text, index)))
        return false;
    const qsizetype end = index + length;
    return end >= text.size() || !isWordCharacter(characterAt(text, end));
}

qsizetype PhraseMatch::lastWholeOccurrence(QStringView text, QStringView find, qsizetype from)
{
    if (find.isEmpty())
        return -1;
    qsizetype at = std::min(from, text.size() - find.size());
    while (at >= 0) {
        at = text.lastIndexOf(find, at);
        if (at < 0)
            return -1;
        if (isWholePhrase(text, at, find.size()))
            return at;
        --at;
    }
    return -1;
}
