#pragma once

#include <QString>
#include <QStringView>

// Letter case ignored, the one way the program does it: two texts are equal when their
// upper case is (ByteName::toUpper: every letter, also beyond U+FFFF, and the sharp s
// is SS), and every escaped byte of a name keeps its place, so names that differ in a
// byte that is not part of a character stay different.
class Caseless {
public:
    // The upper case that equal() compares; the text itself when it holds no lower-case
    // ASCII letter and nothing beyond ASCII.
    static QString upper(const QString& text);
    static bool equal(QStringView a, QStringView b);
    // A number for upper(first + second), found without building either text: equal
    // upper cases give equal numbers.
    static quint64 hash(QStringView first, QStringView second = {});
};
