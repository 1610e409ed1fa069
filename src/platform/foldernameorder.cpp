#include "platform/foldernameorder.h"

#include "text/bytename.h"

#include <QChar>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

// Key bytes kept between calls: room for a folder of 20000 names of 100 bytes.
constexpr size_t KeptBytes = size_t(4) << 20;

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
    // name; a name never decodes to more units than it has bytes. Each unit is stored
    // high byte first, so that memcmp orders two keys as their units compare.
    size_t total = 0, longest = 0;
    for (size_t i = first; i < entries.size(); ++i) {
        total += size_t(entries[i].name.size());
        longest = std::max(longest, size_t(entries[i].name.size()));
    }
    // The buffers stay from call to call: a large one would otherwise come fresh from the
    // system each time and fault on every page.
    thread_local std::vector<unsigned char> keys;
    thread_local std::vector<char16_t> units;
    if (keys.size() < 2 * total)
        keys.resize(2 * total);
    if (units.size() < longest)
        units.resize(longest);
    struct Keyed {
        const unsigned char* key;
        size_t size; // bytes
        size_t index;
    };
    thread_local std::vector<Keyed> keyed;
    keyed.clear();
    keyed.reserve(count);
    unsigned char* at = keys.data();
    for (size_t i = first; i < entries.size(); ++i) {
        const qsizetype size = ByteName::decodeTo(entries[i].name, units.data());
        upperUnits(units.data(), units.data() + size);
        for (qsizetype u = 0; u < size; ++u) {
            at[2 * u] = static_cast<unsigned char>(units[size_t(u)] >> 8);
            at[2 * u + 1] = static_cast<unsigned char>(units[size_t(u)]);
        }
        keyed.push_back({at, 2 * size_t(size), i});
        at += 2 * size;
    }
    // Names whose keys are equal go by their bytes, so the order is total.
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        const int byKey = std::memcmp(a.key, b.key, std::min(a.size, b.size));
        if (byKey != 0)
            return byKey < 0;
        if (a.size != b.size)
            return a.size < b.size;
        return entries[a.index].name < entries[b.index].name;
    });

    std::vector<FolderEntry> ordered;
    ordered.reserve(count);
    for (const Keyed& k : keyed)
        ordered.push_back(std::move(entries[k.index]));
    std::move(ordered.begin(), ordered.end(), entries.begin() + std::ptrdiff_t(first));
    // Only buffers of the size of usual folders are kept.
    if (keys.size() > KeptBytes || keyed.capacity() * sizeof(Keyed) > KeptBytes) {
        keys = {};
        keyed = {};
    }
}
