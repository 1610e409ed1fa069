#pragma once

#include <QString>

// Letter case that does not damage names. Words are separated by spaces; case mapping is
// done per code point, so letters outside the basic plane (surrogate pairs) are handled
// like any other letter.
class SmartCase {
public:
    // Title case: within every word, each part (the word's start, and what follows '-',
    // '_', '(', '[', '.' or an apostrophe after a single letter, as in O'Brien) gets an upper-
    // case first letter and a lower-case rest. A part written all in capitals with two or
    // more letters stays (ABBA, USB, AC-DC, Roman numerals such as IV); a part that begins
    // with a digit keeps its letters in lower case (1st). The small words a, an, and, as,
    // at, by, for, in, of, on, or, the, to, vs and with are lower case, except as the first
    // or last word of the name or of a field between " - " separators.
    static QString titleCase(const QString& s);
    // Sentence case: the first letter of the name upper case, every other letter lower.
    static QString sentenceCase(const QString& s);
};
