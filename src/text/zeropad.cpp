#include "text/zeropad.h"

#include <charconv>

namespace {

// The absolute value, also of the lowest qint64, which has no positive counterpart.
quint64 magnitude(qint64 value)
{
    return value < 0 ? quint64(0) - quint64(value) : quint64(value);
}

void appendZeros(QString& out, qsizetype count, int width)
{
    for (qsizetype pad = count; pad < width; ++pad)
        out += QLatin1Char('0');
}

} // namespace

int ZeroPad::digitCount(qint64 value)
{
    int digits = 1;
    for (quint64 rest = magnitude(value); rest >= 10; rest /= 10)
        ++digits;
    return digits;
}

void ZeroPad::append(QString& out, qint64 value, int width)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, magnitude(value)).ptr;
    if (value < 0)
        out += QLatin1Char('-');
    appendZeros(out, end - digits, width);
    out += QLatin1StringView(digits, end - digits);
}

QString ZeroPad::text(qint64 value, int width)
{
    QString out;
    append(out, value, width);
    return out;
}

void ZeroPad::appendDigits(QString& out, QStringView digits, int width)
{
    appendZeros(out, digits.size(), width);
    out += digits;
}
