#include "text/caseless.h"

#include "text/bytename.h"

#include <algorithm>

namespace {

char16_t asciiUpper(char16_t c)
{
    return c >= 'a' && c <= 'z' ? char16_t(c - ('a' - 'A')) : c;
}

} // namespace

QString Caseless::upper(const QString& text)
{
    // Most names are plain ASCII: those take a loop of their own, without Qt's case
    // tables.
    const QChar* data = text.constData();
    const qsizetype size = text.size();
    bool lower = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c >= 0x80)
            return ByteName::toUpper(text);
        lower = lower || (c >= 'a' && c <= 'z');
    }
    if (!lower)
        return text;
    QString out(size, Qt::Uninitialized);
    QChar* target = out.data();
    for (qsizetype i = 0; i < size; ++i)
        target[i] = QChar(asciiUpper(data[i].unicode()));
    return out;
}

bool Caseless::equal(QStringView a, QStringView b)
{
    const qsizetype size = std::min(a.size(), b.size());
    qsizetype i = 0;
    for (; i < size; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x >= 0x80 || y >= 0x80)
            break;
        if (asciiUpper(x) != asciiUpper(y))
            return false;
    }
    if (i == a.size() && i == b.size())
        return true;
    // Beyond ASCII the upper case may change the length (ß gives SS), so the rest is
    // compared as a whole.
    return ByteName::toUpper(a.sliced(i).toString()) == ByteName::toUpper(b.sliced(i).toString());
}

quint64 Caseless::hash(QStringView first, QStringView second)
{
    return ByteName::upperHash(first, second);
}
