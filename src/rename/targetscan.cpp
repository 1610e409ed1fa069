#include "rename/targetscan.h"

#include "rename/duplicatecheck.h"

#include <algorithm>

namespace {

constexpr quint64 FnvPrime = 1099511628211ull;
constexpr quint64 FnvStart = 14695981039346656037ull;
constexpr QChar Slash = QLatin1Char('/');

quint64 addUnits(quint64 hash, const QChar* data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i)
        hash = (hash ^ data[i].unicode()) * FnvPrime;
    return hash;
}

// Continues the hash over the upper case of text, as QString::toUpper spells it, without
// building the upper-case string when the text is plain ASCII. Upper-casing works char by
// char, so hashing the parts of a key one after another hashes the whole key.
quint64 addUpper(quint64 hash, const QString& text)
{
    const QChar* data = text.constData();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i].unicode() >= 0x80) {
            const QString upper = text.toUpper();
            return addUnits(hash, upper.constData(), upper.size());
        }
    }
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        hash = (hash ^ (c >= 'a' && c <= 'z' ? char16_t(c - 32) : c)) * FnvPrime;
    }
    return hash;
}

} // namespace

TargetScan::Result TargetScan::scan(const ItemStore& store)
{
    const int count = store.ItemCount();
    Result result;
    result.clashing.assign(size_t(count), 0);

    // A hash of each target key, sorted: equal keys end up side by side, and only items
    // with equal hashes have their keys built and compared.
    std::vector<std::pair<quint64, int>> hashes;
    hashes.reserve(size_t(count));
    const QString* lastFolder = nullptr;
    quint64 folderHash = 0;
    for (int i = 0; i < count; ++i) {
        const Item& item = store.item(i);
        if (!lastFolder || item.ItemPath != *lastFolder) {
            lastFolder = &item.ItemPath;
            folderHash = addUnits(addUpper(FnvStart, item.ItemPath), &Slash, 1);
        }
        hashes.emplace_back(addUpper(addUpper(folderHash, item.NewName), item.NewExt), i);
        if (item.NewName != item.OrigName || item.NewExt != item.OrigExt)
            ++result.differing;
    }
    std::sort(hashes.begin(), hashes.end());

    for (size_t run = 0; run < hashes.size();) {
        size_t end = run + 1;
        while (end < hashes.size() && hashes[end].first == hashes[run].first)
            ++end;
        if (end - run > 1) {
            // Many items may share one target (every name made the same): sort the keys
            // rather than compare every pair.
            std::vector<std::pair<QString, int>> keys;
            for (size_t k = run; k < end; ++k) {
                const int i = hashes[k].second;
                keys.emplace_back(DuplicateCheck::targetKey(store.item(i)), i);
            }
            std::sort(keys.begin(), keys.end());
            for (size_t k = 1; k < keys.size(); ++k) {
                if (keys[k].first == keys[k - 1].first) {
                    result.clashing[size_t(keys[k].second)] = 1;
                    result.clashing[size_t(keys[k - 1].second)] = 1;
                }
            }
        }
        run = end;
    }
    for (const char flag : result.clashing)
        result.clashes += flag;
    return result;
}
