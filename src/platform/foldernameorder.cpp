#include "platform/foldernameorder.h"

#include "text/bytename.h"

#include <algorithm>
#include <string_view>

namespace {

std::u16string_view units(QStringView text)
{
    return {text.utf16(), size_t(text.size())};
}

// The key of a name given as bytes, decoded as the loader decodes the names it shows. A
// name of ASCII bytes reads the same under any decoding, so its key is made from the
// bytes directly (most names, and the quick path for a large folder).
QString keyOfBytes(const QByteArray& name)
{
    const char* const bytes = name.constData();
    const qsizetype size = name.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return foldernameorder::key(ByteName::decode(name));
    }
    QString out(size, Qt::Uninitialized);
    char16_t* const unit = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes[i];
        unit[i] = char16_t(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c);
    }
    return out;
}

} // namespace

QString foldernameorder::key(QString decodedName)
{
    // One unit at a time and by the simple mapping only: a unit whose upper case lies
    // outside the basic plane, or takes more than one unit (the sharp s), stays as it is,
    // and each half of a surrogate pair stays as it is.
    char16_t* unit = reinterpret_cast<char16_t*>(decodedName.data());
    const char16_t* const end = unit + decodedName.size();
    for (; unit != end; ++unit) {
        const char16_t c = *unit;
        if (c < 0x80) {
            if (c >= 'a' && c <= 'z')
                *unit = char16_t(c - ('a' - 'A'));
        } else {
            const char32_t upper = QChar::toUpper(char32_t(c));
            if (upper <= 0xFFFF)
                *unit = char16_t(upper);
        }
    }
    return decodedName;
}

bool foldernameorder::before(QStringView aKey, const QByteArray& aBytes, QStringView bKey,
                             const QByteArray& bBytes)
{
    const int byKey = units(aKey).compare(units(bKey));
    if (byKey != 0)
        return byKey < 0;
    return aBytes < bBytes;
}

void foldernameorder::sort(std::vector<FolderEntry>& entries, size_t first)
{
    if (entries.size() - first < 2)
        return;
    struct Keyed {
        QString key;
        size_t index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(entries.size() - first);
    for (size_t i = first; i < entries.size(); ++i)
        keyed.push_back({keyOfBytes(entries[i].name), i});
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        return before(a.key, entries[a.index].name, b.key, entries[b.index].name);
    });

    std::vector<FolderEntry> ordered;
    ordered.reserve(keyed.size());
    for (const Keyed& k : keyed)
        ordered.push_back(std::move(entries[k.index]));
    std::move(ordered.begin(), ordered.end(), entries.begin() + std::ptrdiff_t(first));
}
