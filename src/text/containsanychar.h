#pragma once

#include <QString>

// Characters that no proposed name or extension made by an operation may contain.
inline const QString InvalidChars = QStringLiteral("`<>/?*|\\:\"");

// True when at least one character of chars occurs in text (exact comparison); false
// when chars is empty.
inline bool ContainsAnyChar(const QString& text, const QString& chars)
{
    for (QChar c : chars) {
        if (text.contains(c))
            return true;
    }
    return false;
}
