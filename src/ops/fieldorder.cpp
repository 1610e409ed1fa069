#include "ops/fieldorder.h"

namespace {

const QString Separator = QStringLiteral(" - ");

// The fields of s; the search for a separator resumes behind the previous one, so
// " - - " holds two separators only when they do not share characters.
std::vector<QStringView> fields(const QString& s)
{
    std::vector<QStringView> out;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = s.indexOf(Separator, from);
        if (at < 0) {
            out.push_back(QStringView(s).sliced(from));
            return out;
        }
        out.push_back(QStringView(s).sliced(from, at - from));
        from = at + Separator.size();
    }
}

} // namespace

std::optional<std::vector<int>> FieldOrder::parse(const QString& entry)
{
    std::vector<int> order;
    qsizetype i = 0;
    while (i < entry.size()) {
        const QChar c = entry.at(i);
        if (c == QLatin1Char(' ') || c == QLatin1Char(',')) {
            ++i;
            continue;
        }
        int number = 0;
        qsizetype digits = 0;
        for (;
             i < entry.size() && entry.at(i) >= QLatin1Char('0') && entry.at(i) <= QLatin1Char('9');
             ++i, ++digits) {
            // A number beyond any name's fields reads as one that big; it can never match.
            number = std::min(number * 10 + (entry.at(i).unicode() - '0'), 100000);
        }
        if (digits == 0)
            return std::nullopt;
        order.push_back(number);
    }
    if (order.empty())
        return std::nullopt;
    return order;
}

QString FieldOrder::apply(const QString& s, const std::vector<int>& order)
{
    const std::vector<QStringView> parts = fields(s);
    QString out;
    for (size_t n = 0; n < order.size(); ++n) {
        const int field = order[n];
        if (field < 1 || size_t(field) > parts.size())
            return s;
        if (n > 0)
            out += Separator;
        out += parts[size_t(field - 1)];
    }
    return out;
}
