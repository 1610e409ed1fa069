#pragma once

#include <QString>

// The word and character transformations of the text operations. A negative count
// changes nothing; an empty result is handed on (the common finish then keeps the name).
class TextOperations {
public:
    static QString cutFirstWord(const QString& s);
    static QString cutLastWord(const QString& s);
    static QString cutFirstChars(const QString& s, int n);
    static QString cutLastChars(const QString& s, int n);
    static QString cropFirstChars(const QString& s, int n);
    static QString cropLastChars(const QString& s, int n);
};
