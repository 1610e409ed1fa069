#pragma once

#include <QString>
#include <QStringView>

// Removes the space character (and only it) from both ends of text. Tabs and other
// blanks stay.
inline QStringView trimSpaces(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// The same for a text; the text itself (shared, not copied) when it has no such space.
inline QString trimSpaces(const QString& text)
{
    const QStringView trimmed = trimSpaces(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}
