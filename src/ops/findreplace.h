#pragma once

#include <QString>

// The search and replace routines shared by the replace operation, the Containing
// command and the enumeration prompts. Positions count from 1; 0 means "not found".
class FindReplace {
public:
    // Position of the last occurrence of find in text that begins after start, or 0.
    // pos ends just behind that occurrence. Occurrences may overlap. With exactPhrase only
    // occurrences that stand as a whole phrase count (PhraseMatch).
    static int FindLast(const QString& text, const QString& find, bool matchCase, bool exactPhrase,
                        int& pos, int start);

    // Replaces the last occurrence (repeat off) or every occurrence until none is left
    // (repeat on). A result that would grow beyond the longest possible name (32767
    // characters), or a Repeat that has not ended after that many replacements, gives "".
    // Without matchCase, matching ignores case; the name keeps its own case and the
    // replacement goes in as typed. With exactPhrase only whole-phrase occurrences are
    // replaced, and Repeat is refused when the replacement holds find as a whole phrase.
    static QString ReplaceText(const QString& text, const QString& find, const QString& replacement,
                               bool matchCase, bool exactPhrase, bool repeat);
};
