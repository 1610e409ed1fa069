#pragma once

#include <QString>

// Program-wide values: they outlive every window and dialog and are never saved.

// Characters that no proposed name or extension made by an operation may contain.
inline const QString InvalidChars = QStringLiteral("`<>/?*|\\:\"");

// The find and replace values, set by the find and replace dialog and read by the
// replace operation, the Containing command and ReturnFind.
struct FindReplaceValues {
    bool ReplaceMode = false;
    QString FindText;
    QString ReplaceWith;
    bool MatchCase = false;
    bool ExactPhrase = false;
    bool RepeatReplace = false;
};

inline FindReplaceValues& findReplace()
{
    static FindReplaceValues values;
    return values;
}

// The three enumeration switches, owned by the main window.
struct EnumSwitches {
    bool FixedWidthNumbers = true;
    bool IncludeZero = false;
    bool InverseEnumeration = false;
};
