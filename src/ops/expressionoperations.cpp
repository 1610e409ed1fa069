#include "ops/expressionoperations.h"

#include "text/spacetrim.h"

#include <algorithm>

// QRegularExpression finds nothing in text that is not valid UTF-16, and a name keeps each
// byte that is not UTF-8 as a lone surrogate. The pattern runs on a copy with every lone
// surrogate as U+FFFD, one unit for one, so what it finds stands at the same place in the
// name itself.
QString ExpressionOperations::matchable(const QString& s)
{
    const auto surrogate =
        std::find_if(s.begin(), s.end(), [](QChar c) { return c.isSurrogate(); });
    if (surrogate == s.end())
        return s; // shared, not copied: most names
    QString out = s;
    for (qsizetype i = surrogate - s.begin(); i < s.size(); ++i) {
        if (s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate())
            ++i;
        else if (s.at(i).isSurrogate())
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}

ExpressionOperations::Parsed ExpressionOperations::parse(const QString& entry, bool matchCase)
{
    Expression expression;
    expression.matchCase = matchCase;
    const QString trimmed = trimSpaces(entry);
    if (trimmed.size() > 2 && trimmed.startsWith(QLatin1Char('/')) &&
        trimmed.endsWith(QLatin1Char('/'))) {
        QRegularExpression::PatternOptions options = QRegularExpression::NoPatternOption;
        if (!matchCase)
            options |= QRegularExpression::CaseInsensitiveOption;
        expression.pattern = QRegularExpression(trimmed.mid(1, trimmed.size() - 2), options);
        if (!expression.pattern.isValid())
            return {std::nullopt, expression.pattern.errorString()};
        expression.pattern.optimize();
    } else {
        expression.text = entry;
    }
    return {expression, QString()};
}

std::optional<ExpressionOperations::Match>
ExpressionOperations::firstMatch(const Expression& expression, const QString& s)
{
    if (!expression.pattern.pattern().isEmpty()) {
        const QRegularExpressionMatch match = expression.pattern.match(matchable(s));
        if (!match.hasMatch())
            return std::nullopt;
        return Match{match.capturedStart(), match.capturedLength()};
    }
    const qsizetype start = s.indexOf(
        expression.text, 0, expression.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    if (start < 0)
        return std::nullopt;
    return Match{start, expression.text.size()};
}

QString ExpressionOperations::apply(Kind kind, const Expression& expression, const QString& s)
{
    const std::optional<Match> match = firstMatch(expression, s);
    if (!match)
        return s;
    const qsizetype end = match->start + match->length;
    switch (kind) {
    case Kind::CutBefore:
        return s.mid(match->start);
    case Kind::CutAfter:
        return s.left(end);
    case Kind::CropBefore:
        return s.left(match->start);
    case Kind::CropAfter:
        return s.mid(end);
    }
    return s;
}
