#pragma once

#include <QString>

// The find and replace values: set by the find and replace dialog, read by the replace
// operation, the Containing command and ReturnFind. The main window owns the one copy
// and lends it to each of them; nothing is saved.
struct FindReplaceValues {
    bool ReplaceMode = false;
    QString FindText;
    QString ReplaceWith;
    bool MatchCase = false;
    bool ExactPhrase = false;
    bool RepeatReplace = false;

    bool operator==(const FindReplaceValues&) const = default;
};
