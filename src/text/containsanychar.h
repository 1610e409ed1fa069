#pragma once

#include <QString>

// Characters that no proposed name or extension made by an operation may contain.
inline const QString InvalidChars = QStringLiteral("`<>/?*|\\:\"");

// True when at least one character of chars occurs in text (exact comparison); false
// when chars is empty.
inline bool ContainsAnyChar(const QString& text, const QString& chars)
{
    // One pass over the text, whatever the number of characters asked for: every name of
    // a full list goes through here after each operation. The ASCII ones form a bit mask.
    quint64 ascii[2] = {0, 0};
    bool beyondAscii = false;
    for (QChar c : chars) {
        if (c.unicode() < 0x80)
            ascii[c.unicode() >> 6] |= quint64(1) << (c.unicode() & 63);
        else
            beyondAscii = true;
    }
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 ? (ascii[u >> 6] >> (u & 63)) & 1 : beyondAscii && chars.contains(c))
            return true;
    }
    return false;
}
