#include "ops/findreplace.h"

#include "ops/expressionoperations.h"
#include "ops/phrasematch.h"
#include "text/spacetrim.h"

#include <vector>

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

std::optional<QRegularExpression> FindReplace::pattern(const QString& find, bool matchCase)
{
    ExpressionOperations::Parsed parsed = ExpressionOperations::parse(find, matchCase);
    if (!parsed.expression) {
        // Invalid: the same text compiled again gives the invalid expression itself.
        const QString trimmed = trimSpaces(find);
        return QRegularExpression(trimmed.mid(1, trimmed.size() - 2));
    }
    if (parsed.expression->pattern.pattern().isEmpty())
        return std::nullopt;
    return std::move(parsed.expression->pattern);
}

QString FindReplace::patternError(const QString& find)
{
    return ExpressionOperations::parse(find, true).error;
}

namespace {

// The matches of pattern in text that count, left to right.
std::vector<QRegularExpressionMatch> matchesIn(const QString& text,
                                               const QRegularExpression& pattern, bool exactPhrase)
{
    std::vector<QRegularExpressionMatch> found;
    const QString subject = ExpressionOperations::matchable(text);
    QRegularExpressionMatchIterator it = pattern.globalMatch(subject);
    while (it.hasNext()) {
        QRegularExpressionMatch match = it.next();
        if (!exactPhrase ||
            PhraseMatch::isWholePhrase(subject, match.capturedStart(), match.capturedLength()))
            found.push_back(std::move(match));
    }
    return found;
}

// The replacement with \0 to \9 filled in from text (not from the copy the pattern ran
// on, so stray bytes of the name come back as they were).
void appendReplacement(QString& out, const QString& replacement, const QString& text,
                       const QRegularExpressionMatch& match)
{
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        const QChar c = replacement.at(i);
        if (c != QLatin1Char('\\') || i + 1 == replacement.size()) {
            out += c;
            continue;
        }
        const QChar next = replacement.at(++i);
        if (next >= QLatin1Char('0') && next <= QLatin1Char('9')) {
            const int group = next.digitValue();
            if (group <= match.lastCapturedIndex() && match.capturedStart(group) >= 0)
                out +=
                    QStringView(text).mid(match.capturedStart(group), match.capturedLength(group));
        } else {
            out += next;
        }
    }
}

} // namespace

QString FindReplace::ReplacePattern(const QString& text, const QRegularExpression& pattern,
                                    const QString& replacement, bool exactPhrase, bool repeat)
{
    std::vector<QRegularExpressionMatch> found = matchesIn(text, pattern, exactPhrase);
    if (found.empty())
        return text;
    if (!repeat)
        found.erase(found.begin(), found.end() - 1);
    QString out;
    out.reserve(text.size() + replacement.size() * qsizetype(found.size()));
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& match : found) {
        out += QStringView(text).mid(copied, match.capturedStart() - copied);
        appendReplacement(out, replacement, text, match);
        copied = match.capturedEnd();
        if (out.size() > MaxNameLength)
            return QString();
    }
    out += QStringView(text).mid(copied);
    return out.size() > MaxNameLength ? QString() : out;
}

int FindReplace::FindLastPattern(const QString& text, const QRegularExpression& pattern,
                                 bool exactPhrase)
{
    const std::vector<QRegularExpressionMatch> found = matchesIn(text, pattern, exactPhrase);
    return found.empty() ? 0 : int(found.back().capturedStart() + 1);
}
