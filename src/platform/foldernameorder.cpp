#include "platform/foldernameorder.h"

#include "text/bytename.h"

#include <QChar>

#include <algorithm>
#include <atomic>
#include <string_view>

namespace {

// The key unit of each unit beyond ASCII, found once (0: not yet known).
std::atomic<char16_t> upperUnit[0x10000];

char16_t upperOf(char16_t c)
{
    char16_t upper = upperUnit[c].load(std::memory_order_relaxed);
    if (upper == 0) {
        const char32_t full = QChar::toUpper(char32_t(c));
        upper = full <= 0xFFFF ? char16_t(full) : c;
        upperUnit[c].store(upper, std::memory_order_relaxed);
    }
    return upper;
}

// Turns a decoded name into its key in place. One unit at a time and by the simple
// mapping only: a unit whose upper case lies outside the basic plane, or takes more than
// one unit (the sharp s), stays as it is, and each half of a surrogate pair stays as it is.
void upperUnits(char16_t* unit, const char16_t* end)
{
    for (; unit != end; ++unit) {
        const char16_t c = *unit;
        if (c < 0x80) {
            if (c >= 'a' && c <= 'z')
                *unit = char16_t(c - ('a' - 'A'));
        } else {
            *unit = upperOf(c);
        }
    }
}

} // namespace

void foldernameorder::sort(std::vector<FolderEntry>& entries, size_t first)
{
    const size_t count = entries.size() - first;
    if (count < 2)
        return;
    // Every key lies in one buffer, so a folder of thousands of names costs no text per
    // name; a name never decodes to more units than it has bytes.
    size_t total = 0;
    for (size_t i = first; i < entries.size(); ++i)
        total += size_t(entries[i].name.size());
    std::vector<char16_t> units(total);
    struct Keyed {
        std::u16string_view key;
        size_t index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(count);
    char16_t* at = units.data();
    for (size_t i = first; i < entries.size(); ++i) {
        const qsizetype size = ByteName::decodeTo(entries[i].name, at);
        upperUnits(at, at + size);
        keyed.push_back({std::u16string_view(at, size_t(size)), i});
        at += size;
    }
    // Names whose keys are equal go by their bytes, so the order is total.
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        const int byKey = a.key.compare(b.key);
        if (byKey != 0)
            return byKey < 0;
        return entries[a.index].name < entries[b.index].name;
    });

    std::vector<FolderEntry> ordered;
    ordered.reserve(count);
    for (const Keyed& k : keyed)
        ordered.push_back(std::move(entries[k.index]));
    std::move(ordered.begin(), ordered.end(), entries.begin() + std::ptrdiff_t(first));
}
