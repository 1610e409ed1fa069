#include "ops/musictitles.h"

#include "text/bytename.h"
#include "text/spacetrim.h"

namespace {

const QString Separator = QStringLiteral(" - ");
constexpr qsizetype SeparatorLength = 3;

} // namespace

QString MusicTitles::cutArtist(const QString& s)
{
    const qsizetype first = s.indexOf(Separator);
    return first < 0 ? s : s.mid(first + SeparatorLength);
}

QString MusicTitles::cutTitle(const QString& s)
{
    const qsizetype last = s.lastIndexOf(Separator);
    return last < 0 ? s : s.left(last);
}

QString MusicTitles::cutExtraInfo(const QString& s, int k)
{
    if (k <= 0)
        return s;
    qsizetype kth = -SeparatorLength;
    for (int n = 0; n < k; ++n) {
        kth = s.indexOf(Separator, kth + SeparatorLength);
        if (kth < 0)
            return s;
    }
    const qsizetype next = s.indexOf(Separator, kth + SeparatorLength);
    if (next < 0)
        return s.left(kth);
    return s.left(kth) + s.mid(next);
}

QString MusicTitles::lastFieldToFront(const QString& s)
{
    const qsizetype first = s.indexOf(Separator);
    if (first < 0)
        return s;
    const qsizetype last = s.lastIndexOf(Separator);
    // One separator, or a last one that shares characters with the first (" - - "):
    // there is no text between them, so the two sides change places.
    if (last < first + SeparatorLength)
        return s.mid(first + SeparatorLength) + Separator + s.left(first);
    const QString middle = s.mid(first + SeparatorLength, last - first - SeparatorLength);
    return s.mid(last + SeparatorLength) + Separator + s.left(first) + Separator + middle;
}

QString MusicTitles::swapFirstTwoFields(const QString& s)
{
    const qsizetype first = s.indexOf(Separator);
    if (first < 0)
        return s;
    const qsizetype second = s.indexOf(Separator, first + SeparatorLength);
    if (second < 0)
        return s.mid(first + SeparatorLength) + Separator + s.left(first);
    return s.mid(first + SeparatorLength, second - first - SeparatorLength) + Separator +
           s.left(first) + Separator + s.mid(second + SeparatorLength);
}

QString MusicTitles::smartCase(const QString& s, bool artist, bool title)
{
    const qsizetype first = s.indexOf(Separator);
    if (first < 0)
        return s;
    QString artistText = s.left(first);
    QString titleText = trimSpaces(s.mid(first + SeparatorLength));
    if (artist)
        artistText = wordCapitals(artistText);
    if (title)
        titleText = sentenceCapitals(titleText);
    return artistText + Separator + titleText;
}

QString MusicTitles::sentenceCapitals(const QString& text)
{
    if (text.isEmpty())
        return text;
    // The first character may be a surrogate pair; it is cased as one character.
    const qsizetype firstLength =
        text.size() > 1 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate() ? 2 : 1;
    return ByteName::toUpper(text.left(firstLength)) + ByteName::toLower(text.mid(firstLength));
}

QString MusicTitles::wordCapitals(const QString& text)
{
    QString result;
    result.reserve(text.size());
    qsizetype wordStart = 0;
    for (;;) {
        const qsizetype blank = text.indexOf(QLatin1Char(' '), wordStart);
        const qsizetype wordEnd = blank < 0 ? text.size() : blank;
        result += sentenceCapitals(text.mid(wordStart, wordEnd - wordStart));
        if (blank < 0)
            return result;
        result += QLatin1Char(' ');
        wordStart = blank + 1;
    }
}
