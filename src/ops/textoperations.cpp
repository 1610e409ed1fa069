#include "ops/textoperations.h"

QString TextOperations::cutFirstWord(const QString& s)
{
    const qsizetype space = s.indexOf(QLatin1Char(' '));
    if (space < 0)
        return s;
    return s.mid(space + 1);
}

QString TextOperations::cutLastWord(const QString& s)
{
    const qsizetype space = s.lastIndexOf(QLatin1Char(' '));
    if (space < 0)
        return s;
    return s.left(space);
}

QString TextOperations::cutFirstChars(const QString& s, int n)
{
    if (n < 0)
        return s;
    return n >= s.size() ? QString() : s.mid(n);
}

QString TextOperations::cutLastChars(const QString& s, int n)
{
    if (n < 0 || n > s.size())
        return s;
    return s.left(s.size() - n);
}

QString TextOperations::cropFirstChars(const QString& s, int n)
{
    if (n < 0 || n >= s.size())
        return s;
    return s.left(n);
}

QString TextOperations::cropLastChars(const QString& s, int n)
{
    if (n < 0 || n >= s.size())
        return s;
    return s.right(n);
}
