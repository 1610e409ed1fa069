#pragma once

#include <QString>
#include <QStringView>

// Decimal numbers padded with zeros in front to a width, as every numbering writes them.
class ZeroPad {
public:
    // The digits of the number's absolute value; 0 has one.
    static int digitCount(qint64 value);
    // Appends the digits of value's absolute value, at least width of them; a negative
    // value gets its minus sign in front of the zeros (-007).
    static void append(QString& out, qint64 value, int width);
    static QString text(qint64 value, int width);
    // Appends a run of digits as it stands, with zeros in front up to width.
    static void appendDigits(QString& out, QStringView digits, int width);
};
