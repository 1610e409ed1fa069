#include "rename/targetscan.h"

#include "list/clashkey.h"

#include <algorithm>

TargetScan::Result TargetScan::scan(const ItemStore& store)
{
    const int count = store.ItemCount();
    Result result;
    result.clashing.assign(size_t(count), 0);

    // A hash of each target key, sorted: equal keys end up side by side, and only items
    // with equal hashes have their keys built and compared.
    std::vector<std::pair<quint64, int>> hashes;
    hashes.reserve(size_t(count));
    ClashKey::Hasher hasher;
    for (int i = 0; i < count; ++i) {
        const Item& item = store.item(i);
        hashes.emplace_back(hasher(item), i);
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
                keys.emplace_back(ClashKey::of(store.item(i)), i);
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
