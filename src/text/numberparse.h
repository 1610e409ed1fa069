#pragma once

#include <QString>

#include <optional>

// Reading numbers typed into prompts: the number at the start of the text (blanks
// skipped, optional sign, digits, optional decimal point and fraction); text that does
// not begin with a number reads as 0. Blanks are spaces, tabs and line breaks; digits are
// ASCII only; no exponent is read.
class NumberParse {
public:
    static double leadingNumber(const QString& text);
    // The leading number taken down to the next whole number; empty when that lies
    // outside -32768 to 32767.
    static std::optional<int> floorToInt16(const QString& text);
    // The leading number rounded to the nearest whole number, halves to even; empty
    // when that lies outside -32768 to 32767.
    static std::optional<int> roundHalfEvenToInt16(const QString& text);
};
