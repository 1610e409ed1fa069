#include "ops/expressionoperations.h"

#include "text/spacetrim.h"

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
        const QRegularExpressionMatch match = expression.pattern.match(s);
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
