#include "ops/findreplace.h"

#include "ops/phrasematch.h"

namespace {

// The longest name whose positions still fit the 16-bit text positions.
constexpr qsizetype MaxNameLength = 32767;

// Upper case that keeps every character at its position: a character whose upper case
// would be longer or shorter (German sharp s, ligatures) stays as it is, so positions
// found in the copy are positions in the original.
QString upperKeepingPositions(const QString& text)
{
    QString upper = text;
    QChar* data = upper.data();
    const qsizetype size = upper.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = data[i];
        if (c.isHighSurrogate() && i + 1 < size && data[i + 1].isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, data[i + 1]);
            const char32_t mapped = QChar::toUpper(code);
            if (QChar::requiresSurrogates(mapped)) {
                data[i] = QChar(QChar::highSurrogate(mapped));
                data[i + 1] = QChar(QChar::lowSurrogate(mapped));
            }
            ++i;
            continue;
        }
        if (c.unicode() < 0x80) {
            // ASCII, most of every name: only a to z change.
            if (c.unicode() >= u'a' && c.unicode() <= u'z')
                data[i] = QChar(char16_t(c.unicode() - 0x20));
            continue;
        }
        const char32_t mapped = QChar::toUpper(char32_t(c.unicode()));
        if (!QChar::requiresSurrogates(mapped))
            data[i] = QChar(char16_t(mapped));
    }
    return upper;
}

} // namespace

int FindReplace::FindLast(const QString& text, const QString& find, bool matchCase,
                          bool exactPhrase, int& pos, int start)
{
    pos = start;
    if (find.isEmpty())
        return 0;
    const QString t = matchCase ? text : upperKeepingPositions(text);
    const QString f = matchCase ? find : upperKeepingPositions(find);
    if (exactPhrase) {
        const qsizetype index = PhraseMatch::lastWholeOccurrence(t, f, t.size());
        if (index < 0 || index + 1 <= start)
            return 0;
        pos = int(index + 1 + f.size());
        return int(index + 1);
    }
    int result = 0;
    for (;;) {
        // An occurrence beginning at position pos + 1 or later is at index pos or later.
        // (A negative pos searches from the first character; Qt would count it from the end.)
        if (pos >= t.size())
            break;
        const qsizetype index = t.indexOf(f, qMax(pos, 0), Qt::CaseSensitive);
        if (index < 0 || index + 1 <= pos)
            break;
        pos = int(index + 1);
        result = pos;
    }
    if (result != 0)
        pos += int(f.size());
    return result;
}

QString FindReplace::ReplaceText(const QString& text, const QString& find,
                                 const QString& replacement, bool matchCase, bool exactPhrase,
                                 bool repeat)
{
    if (find.isEmpty())
        return text;
    QString result = text;
    QString t = matchCase ? text : upperKeepingPositions(text);
    const QString f = matchCase ? find : upperKeepingPositions(find);
    const QString r = matchCase ? replacement : upperKeepingPositions(replacement);
    const qsizetype growth = r.size() - f.size();

    if (!repeat) {
        // The search resumes behind the inserted text, where no occurrence can begin, so
        // exactly the last occurrence is replaced.
        int pos = 0;
        const int k = FindLast(t, f, true, exactPhrase, pos, 0);
        if (k == 0)
            return result;
        if (result.size() + growth > MaxNameLength)
            return QString();
        return result.replace(k - 1, f.size(), replacement);
    }

    // A replacement that holds the search text (as a whole phrase, with Exact phrase)
    // would be found again and again.
    if (exactPhrase ? PhraseMatch::lastWholeOccurrence(r, f, r.size()) >= 0 : r.contains(f))
        return text;
    // Repeat: replace the last occurrence until none is left. The last occurrence is the
    // one with the highest start, so a backward search finds what FindLast finds. After a
    // replacement at index i nothing can begin behind the inserted text (it would have
    // been a later occurrence before), so the next search starts at its last character.
    //
    // A name that shrinks or grows reaches its end within MaxNameLength replacements; the
    // same bound stops a replacement of equal length that keeps recreating occurrences.
    //
    // With Exact phrase, the inserted text's last character is the neighbour of what
    // follows it, so an occurrence right behind it may have become a whole phrase; the
    // next search starts there.
    qsizetype from = t.size();
    for (int replacements = 0;; ++replacements) {
        const qsizetype i =
            exactPhrase ? PhraseMatch::lastWholeOccurrence(t, f, from) : t.lastIndexOf(f, from);
        if (i < 0)
            return result;
        if (replacements >= MaxNameLength || result.size() + growth > MaxNameLength)
            return QString();
        t.replace(i, f.size(), r);
        result.replace(i, f.size(), replacement);
        from = exactPhrase ? i + r.size() : i + r.size() - 1;
        if (from < 0)
            from = 0;
    }
}
