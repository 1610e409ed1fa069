#pragma once

#include <QRegularExpression>
#include <QString>

#include <optional>

// Cut before / Cut after / Crop before / Crop after expression. The expression is plain
// text, or a regular expression (Perl syntax) when written between slashes: "/\d{4}/".
// Only the first match in the name counts; a name without a match keeps its name.
class ExpressionOperations {
public:
    enum class Kind {
        CutBefore,  // remove what stands before the match
        CutAfter,   // remove what follows the match
        CropBefore, // keep only what stands before the match
        CropAfter,  // keep only what follows the match
    };

    // A compiled expression, or the reason why the typed one is not valid.
    struct Expression {
        QString text;               // the plain text, when not a regular expression
        QRegularExpression pattern; // valid when the entry was written between slashes
        bool matchCase = false;
    };
    struct Parsed {
        std::optional<Expression> expression;
        QString error; // set when expression is empty: the regular expression's error
    };

    // The entry as typed. It is a regular expression when, without its surrounding spaces,
    // it starts and ends with '/' and has something between them; anything else (spaces
    // included) is searched as plain text.
    static Parsed parse(const QString& entry, bool matchCase);

    // Start and length of the first match, if any. A regular expression may match the
    // empty string; that empty match counts like any other.
    struct Match {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    static std::optional<Match> firstMatch(const Expression& expression, const QString& s);

    static QString apply(Kind kind, const Expression& expression, const QString& s);

    // s as a regular expression can search it: a name's stray bytes (lone surrogates) become
    // U+FFFD one for one, so every match stands at the same place in s itself.
    static QString matchable(const QString& s);
};
