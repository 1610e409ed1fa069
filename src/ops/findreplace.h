#pragma once

#include <QRegularExpression>
#include <QString>

#include <optional>

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

    // The regular expression of a find text written between slashes ("/(\d+)-(\d+)/": its
    // text without surrounding spaces starts and ends with '/' and has something between),
    // in the syntax of the expression operations; nothing for plain text. An invalid one
    // comes back with isValid() false.
    static std::optional<QRegularExpression> pattern(const QString& find, bool matchCase);
    // Why a find text's pattern is invalid; "" for a valid pattern and for plain text.
    static QString patternError(const QString& find);

    // ReplaceText for a pattern: without repeat the last match is replaced, with repeat
    // every match, left to right, once. In the replacement \1 to \9 stand for the groups,
    // \0 for the whole match, and a backslash before anything else for that character.
    // Matches of nothing count like any other. With exactPhrase only matches that stand
    // as a whole phrase count. A result longer than 32767 characters gives "".
    static QString ReplacePattern(const QString& text, const QRegularExpression& pattern,
                                  const QString& replacement, bool exactPhrase, bool repeat);
    // FindLast for a pattern: the position (from 1) of the last match, or 0.
    static int FindLastPattern(const QString& text, const QRegularExpression& pattern,
                               bool exactPhrase);
};
