#include "ops/numberoperations.h"

#include "text/numberparse.h"
#include "text/zeropad.h"

#include <cstdlib>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Calls onText(begin, end) and onDigits(begin, end) for the alternating runs of s.
template <typename Text, typename Digits>
void forEachRun(const QString& s, Text onText, Digits onDigits)
{
    qsizetype i = 0;
    while (i < s.size()) {
        const qsizetype begin = i;
        const bool digits = isDigit(s.at(i));
        while (i < s.size() && isDigit(s.at(i)) == digits)
            ++i;
        if (digits)
            onDigits(begin, i);
        else
            onText(begin, i);
    }
}

bool isEdgeJunk(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_') ||
           c == QLatin1Char('.');
}

} // namespace

std::optional<NumberOperations::Counter> NumberOperations::parseCounter(const QString& entry,
                                                                        bool includeZero)
{
    // The step is the text after a '+' that follows the start number (a '+' right at the
    // start of the number is its sign), up to a comma. Code 35 reads the rest.
    QString rest = entry;
    int step = 1;
    const qsizetype bar = entry.indexOf(QLatin1Char('|'));
    if (bar >= 0) {
        const QString startPart = entry.left(bar);
        qsizetype numberStart = 0;
        while (numberStart < startPart.size() && startPart.at(numberStart) == QLatin1Char(' '))
            ++numberStart;
        const qsizetype plus = startPart.indexOf(QLatin1Char('+'), numberStart + 1);
        if (plus >= 0) {
            const qsizetype comma = startPart.indexOf(QLatin1Char(','), plus);
            const qsizetype stepEnd = comma < 0 ? startPart.size() : comma;
            const QString stepText = startPart.mid(plus + 1, stepEnd - plus - 1);
            const std::optional<int> read = NumberParse::roundHalfEvenToInt16(stepText);
            if (!read || *read < 1)
                return std::nullopt;
            step = *read;
            rest = startPart.left(plus) + startPart.mid(stepEnd) + entry.mid(bar);
        }
    }
    std::optional<Enumeration::Formation> formation =
        Enumeration::parseFormation(OpCode::EnumerateAsPath, rest, includeZero);
    if (!formation)
        return std::nullopt;
    return Counter{*formation, step};
}

qint64 NumberOperations::counterNumber(const Counter& counter, int rank, int count, bool inverse)
{
    const int steps = inverse ? count - 1 - rank : rank;
    return qint64(counter.formation.pathStart) + qint64(counter.step) * steps;
}

QString NumberOperations::counterName(const Counter& counter, qint64 number,
                                      const QString& folderKey, bool fixedWidth, qint64 first,
                                      qint64 last)
{
    int width = counter.formation.fileWidth;
    if (fixedWidth)
        width = std::max({width, ZeroPad::digitCount(first), ZeroPad::digitCount(last)});
    const QString text = ZeroPad::text(number, width);
    QString name = counter.formation.body;
    name.replace(QLatin1Char('$'), folderKey);
    name.replace(QLatin1Char('%'), text);
    return name;
}

std::optional<int> NumberOperations::readWidth(const QString& answer)
{
    const std::optional<int> width = NumberParse::floorToInt16(answer);
    if (!width || *width < 1 || *width > 255)
        return std::nullopt;
    return width;
}

QString NumberOperations::reformatNumbers(const QString& s, int width)
{
    QString out;
    out.reserve(s.size() + 8);
    forEachRun(
        s, [&](qsizetype b, qsizetype e) { out += QStringView(s).sliced(b, e - b); },
        [&](qsizetype b, qsizetype e) {
            ZeroPad::appendDigits(out, QStringView(s).sliced(b, e - b), width);
        });
    return out;
}

QString NumberOperations::cropNumbers(const QString& s)
{
    QString out;
    forEachRun(
        s, [](qsizetype, qsizetype) {},
        [&](qsizetype b, qsizetype e) {
            if (!out.isEmpty())
                out += QLatin1Char(' ');
            out += QStringView(s).sliced(b, e - b);
        });
    return out.isEmpty() ? s : out;
}

QString NumberOperations::cutNumbers(const QString& s)
{
    QString out;
    out.reserve(s.size());
    forEachRun(
        s,
        [&](qsizetype b, qsizetype e) {
            for (qsizetype i = b; i < e; ++i) {
                const QChar c = s.at(i);
                if (c != QLatin1Char(' ') || out.isEmpty() || out.back() != QLatin1Char(' '))
                    out += c;
            }
        },
        [](qsizetype, qsizetype) {});
    qsizetype first = 0;
    qsizetype last = out.size();
    while (first < last && isEdgeJunk(out.at(first)))
        ++first;
    while (last > first && isEdgeJunk(out.at(last - 1)))
        --last;
    return out.mid(first, last - first);
}

QString NumberOperations::enumeratedName(int rank, int count, const EnumSwitches& switches)
{
    const int base = switches.IncludeZero ? 0 : 1;
    const int number = base + (switches.InverseEnumeration ? count - 1 - rank : rank);
    const int width = switches.FixedWidthNumbers ? ZeroPad::digitCount(count) : 1;
    return ZeroPad::text(number, width);
}
