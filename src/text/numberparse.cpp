#include "text/numberparse.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

std::optional<int> toInt16(double whole)
{
    if (!(whole >= -32768.0 && whole <= 32767.0))
        return std::nullopt;
    return int(whole);
}

} // namespace

double NumberParse::leadingNumber(const QString& text)
{
    // Only ASCII digits count: a digit of another script is where the number ends. No
    // exponent is read ("1e5" is 1), so a short answer can never stand for a huge count.
    std::string number;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && isBlank(text.at(i)))
        ++i;
    if (i < size && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        number += char(text.at(i).unicode());
        ++i;
    }
    bool anyDigit = false;
    while (i < size && isAsciiDigit(text.at(i))) {
        number += char(text.at(i).unicode());
        anyDigit = true;
        ++i;
    }
    if (i < size && text.at(i) == QLatin1Char('.')) {
        number += '.';
        ++i;
        while (i < size && isAsciiDigit(text.at(i))) {
            number += char(text.at(i).unicode());
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit)
        return 0;
    // from_chars, unlike strtod, ignores the user's locale: QApplication adopts it, and a
    // locale with a decimal comma would read "2.5" as 2. A run of digits too long for a
    // double is out of range; it reads as infinity, which the range checks reject.
    if (number.front() == '+')
        number.erase(0, 1);
    double value = 0;
    const std::from_chars_result read =
        std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range)
        return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    return value == 0 ? 0 : value; // no negative zero
}

std::optional<int> NumberParse::floorToInt16(const QString& text)
{
    return toInt16(std::floor(leadingNumber(text)));
}

std::optional<int> NumberParse::roundHalfEvenToInt16(const QString& text)
{
    const double value = leadingNumber(text);
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return toInt16(whole);
}
