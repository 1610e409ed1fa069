#include "templates/nametemplate.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

namespace {

using Kind = TemplateToken::Kind;

// Bounds that keep every counter value, padding and range inside plain integers.
constexpr qint64 CounterLimit = 1000000000;
constexpr int MaxWidth = 12;
constexpr int MaxPosition = 32767;

struct TokenError {
    QString message;
};

// The token in body (the text between the brackets), or why it is not one.
class TokenParser {
public:
    explicit TokenParser(const QString& body) : m_body(body) {}

    std::optional<TemplateToken> parse()
    {
        static const QList<std::pair<QString, Kind>> plain = {
            {QStringLiteral("O"), Kind::OrigName},    {QStringLiteral("E"), Kind::Extension},
            {QStringLiteral("artist"), Kind::Artist}, {QStringLiteral("title"), Kind::Title},
            {QStringLiteral("album"), Kind::Album},   {QStringLiteral("year"), Kind::Year},
            {QStringLiteral("genre"), Kind::Genre},
        };
        for (const auto& [name, kind] : plain) {
            if (m_body == name)
                return token(kind);
        }
        if (m_body.isEmpty())
            return fail(QCoreApplication::translate("NameTemplate", "Empty token []"));
        if (m_body.startsWith(QLatin1Char('N')))
            return newName(m_body.mid(1));
        if (m_body.startsWith(QLatin1Char('F')))
            return folder(m_body.mid(1));
        if (m_body.startsWith(QLatin1String("CF")))
            return counter(Kind::FolderCounter, m_body.mid(2));
        if (m_body.startsWith(QLatin1Char('C')))
            return counter(Kind::Counter, m_body.mid(1));
        if (m_body.startsWith(QLatin1Char('D')))
            return date(Kind::ModifiedDate, m_body.mid(1));
        if (m_body.startsWith(QLatin1Char('X')))
            return date(Kind::TakenDate, m_body.mid(1));
        if (m_body.startsWith(QLatin1String("track")))
            return track(m_body.mid(5));
        return unknown();
    }

    QString error() const { return m_error; }

private:
    static TemplateToken token(Kind kind)
    {
        TemplateToken t;
        t.kind = kind;
        return t;
    }

    std::nullopt_t fail(const QString& message)
    {
        m_error = message;
        return std::nullopt;
    }

    std::nullopt_t unknown()
    {
        return fail(QCoreApplication::translate("NameTemplate", "Unknown token [%1]").arg(m_body));
    }

    // A run of digits as a number in 1..MaxPosition; nullopt (with the error) otherwise.
    std::optional<int> position(const QString& digits, const QString& what)
    {
        bool ok = false;
        const int value = digits.toInt(&ok);
        if (!ok || value > MaxPosition)
            return fail(QCoreApplication::translate("NameTemplate", "%1 too large in [%2]")
                            .arg(what, m_body));
        if (value < 1)
            return fail(QCoreApplication::translate("NameTemplate", "%1 must be 1 or more in [%2]")
                            .arg(what, m_body));
        return value;
    }

    std::optional<TemplateToken> newName(const QString& range)
    {
        TemplateToken t = token(Kind::NewName);
        if (range.isEmpty())
            return t;
        static const QRegularExpression pattern(QStringLiteral("^(\\d*)(-?)(\\d*)$"));
        const QRegularExpressionMatch match = pattern.match(range);
        if (!match.hasMatch())
            return unknown();
        const QString first = match.captured(1);
        const bool dash = !match.captured(2).isEmpty();
        const QString last = match.captured(3);
        if (first.isEmpty() && last.isEmpty())
            return fail(
                QCoreApplication::translate("NameTemplate", "Range without a number in [%1]")
                    .arg(m_body));
        if (!first.isEmpty()) {
            const std::optional<int> from =
                position(first, QCoreApplication::translate("NameTemplate", "Character position"));
            if (!from)
                return std::nullopt;
            t.from = *from;
        }
        if (!dash) {
            t.to = t.from; // [N3]: the third character alone
            return t;
        }
        if (!last.isEmpty()) {
            const std::optional<int> to =
                position(last, QCoreApplication::translate("NameTemplate", "Character position"));
            if (!to)
                return std::nullopt;
            if (*to < t.from)
                return fail(QCoreApplication::translate("NameTemplate",
                                                        "Range ends before it starts in [%1]")
                                .arg(m_body));
            t.to = *to;
        }
        return t;
    }

    std::optional<TemplateToken> folder(const QString& level)
    {
        TemplateToken t = token(Kind::Folder);
        if (level.isEmpty())
            return t;
        static const QRegularExpression digits(QStringLiteral("^\\d+$"));
        if (!digits.match(level).hasMatch())
            return unknown();
        const std::optional<int> value =
            position(level, QCoreApplication::translate("NameTemplate", "Folder level"));
        if (!value)
            return std::nullopt;
        t.level = *value;
        return t;
    }

    std::optional<TemplateToken> counter(Kind kind, const QString& rest)
    {
        TemplateToken t = token(kind);
        if (rest.isEmpty())
            return t;
        if (!rest.startsWith(QLatin1Char(':')))
            return unknown();
        const QStringList parts = rest.mid(1).split(QLatin1Char(','));
        const QString usage = kind == Kind::Counter ? QStringLiteral("[C:start,step,width]")
                                                    : QStringLiteral("[CF:start,step,width]");
        if (parts.size() > 3)
            return fail(QCoreApplication::translate("NameTemplate", "Bad counter [%1]: write %2")
                            .arg(m_body, usage));
        qint64 values[3] = {t.start, t.step, t.width};
        for (qsizetype p = 0; p < parts.size(); ++p) {
            const QString part = parts[p].trimmed();
            if (part.isEmpty())
                continue; // an empty part keeps its default: [C:,,3]
            bool ok = false;
            values[p] = part.toLongLong(&ok);
            if (!ok || values[p] < -CounterLimit || values[p] > CounterLimit)
                return fail(
                    QCoreApplication::translate("NameTemplate", "Bad counter [%1]: write %2")
                        .arg(m_body, usage));
        }
        if (values[2] < 1 || values[2] > MaxWidth)
            return fail(
                QCoreApplication::translate("NameTemplate", "Counter width must be 1 to %1 in [%2]")
                    .arg(MaxWidth)
                    .arg(m_body));
        t.start = values[0];
        t.step = values[1];
        t.width = int(values[2]);
        return t;
    }

    std::optional<TemplateToken> date(Kind kind, const QString& rest)
    {
        TemplateToken t = token(kind);
        t.text = QStringLiteral("yyyy-MM-dd");
        if (rest.isEmpty())
            return t;
        if (!rest.startsWith(QLatin1Char(':')))
            return unknown();
        t.text = rest.mid(1);
        if (t.text.isEmpty())
            return fail(QCoreApplication::translate("NameTemplate", "Empty date format in [%1]")
                            .arg(m_body));
        return t;
    }

    std::optional<TemplateToken> track(const QString& rest)
    {
        TemplateToken t = token(Kind::Track);
        if (rest.isEmpty())
            return t;
        static const QRegularExpression width(QStringLiteral("^:(\\d+)$"));
        const QRegularExpressionMatch match = width.match(rest);
        if (!match.hasMatch())
            return unknown();
        const int value = match.captured(1).toInt();
        if (value < 1 || value > MaxWidth)
            return fail(
                QCoreApplication::translate("NameTemplate", "Track width must be 1 to %1 in [%2]")
                    .arg(MaxWidth)
                    .arg(m_body));
        t.width = value;
        return t;
    }

    QString m_body;
    QString m_error;
};

} // namespace

NameTemplate NameTemplate::parse(const QString& text)
{
    NameTemplate result;
    result.m_text = text;
    QString literal;
    const auto flushLiteral = [&] {
        if (literal.isEmpty())
            return;
        TemplateToken t;
        t.text = literal;
        result.m_tokens.push_back(t);
        literal.clear();
    };
    const auto fail = [&](qsizetype at, const QString& message) {
        result.m_tokens.clear();
        result.m_errorPosition = int(at);
        result.m_errorMessage =
            QCoreApplication::translate("NameTemplate", "Column %1: %2").arg(at + 1).arg(message);
        return result;
    };

    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        const bool doubled = i + 1 < n && text[i + 1] == c;
        if (c == QLatin1Char(']')) {
            if (!doubled)
                return fail(i, QCoreApplication::translate("NameTemplate",
                                                           "] without [ (write ]] for a bracket)"));
            literal += c;
            i += 2;
            continue;
        }
        if (c != QLatin1Char('[')) {
            literal += c;
            ++i;
            continue;
        }
        if (doubled) {
            literal += c;
            i += 2;
            continue;
        }
        qsizetype close = i + 1;
        while (close < n && text[close] != QLatin1Char(']') && text[close] != QLatin1Char('['))
            ++close;
        if (close == n || text[close] == QLatin1Char('['))
            return fail(i, QCoreApplication::translate("NameTemplate",
                                                       "[ without ] (write [[ for a bracket)"));
        TokenParser parser(text.mid(i + 1, close - i - 1));
        const std::optional<TemplateToken> token = parser.parse();
        if (!token)
            return fail(i, parser.error());
        flushLiteral();
        result.m_tokens.push_back(*token);
        i = close + 1;
    }
    flushLiteral();
    return result;
}

MetadataParts NameTemplate::metadataNeeded() const
{
    MetadataParts parts;
    for (const TemplateToken& t : m_tokens) {
        switch (t.kind) {
        case Kind::ModifiedDate:
            parts |= MetadataPart::ModificationTime;
            break;
        case Kind::TakenDate:
            parts |= MetadataPart::DateTaken | MetadataPart::ModificationTime;
            break;
        case Kind::Artist:
        case Kind::Title:
        case Kind::Album:
        case Kind::Track:
        case Kind::Year:
        case Kind::Genre:
            parts |= MetadataPart::AudioTags;
            break;
        default:
            break;
        }
    }
    return parts;
}
