#include "rename/duplicatecheck.h"

#include "list/clashkey.h"

#include <QHash>

#include <optional>

namespace {

// For each key number, walking from the end, the lowest position seen so far: an open
// table of positions (-1 empty) whose numbers are read from the numbers themselves.
class NearestTable {
public:
    explicit NearestTable(const std::vector<quint64>& hashes) : m_hashes(hashes)
    {
        size_t size = 16;
        while (size < hashes.size() * 2)
            size *= 2;
        m_slots.assign(size, -1);
        m_mask = size - 1;
    }

    // The slot of hash: holding the position seen last with it, or -1.
    int& slotOf(quint64 hash)
    {
        size_t at = size_t(hash ^ (hash >> 29)) & m_mask;
        while (m_slots[at] >= 0 && m_hashes[size_t(m_slots[at])] != hash)
            at = (at + 1) & m_mask;
        return m_slots[at];
    }

private:
    const std::vector<quint64>& m_hashes;
    std::vector<int> m_slots;
    size_t m_mask = 0;
};

// firstLaterEqual over the items from first on, through the hashed keys, each equal pair
// confirmed with the keys themselves; empty when two different keys share a hash.
std::optional<std::vector<int>> firstLaterEqualByHash(const ItemStore& store, int first)
{
    const int count = store.ItemCount() - first;
    std::vector<quint64> hashes;
    hashes.reserve(size_t(count));
    ClashKey::Hasher hasher;
    constexpr int Ahead = 8; // items whose texts are fetched while one is hashed
    for (int i = 0; i < count; ++i) {
        if (i + Ahead < count) {
            const Item& later = store.item(first + i + Ahead);
            __builtin_prefetch(later.NewName.constData());
            __builtin_prefetch(later.NewExt.constData());
        }
        hashes.push_back(hasher(store.item(first + i)));
    }
    std::vector<int> partner(static_cast<size_t>(count), -1);
    NearestTable nearest(hashes);
    for (int i = count - 1; i >= 0; --i) {
        int& seen = nearest.slotOf(hashes[size_t(i)]);
        if (seen >= 0) {
            if (ClashKey::of(store.item(first + i)) != ClashKey::of(store.item(first + seen)))
                return std::nullopt;
            partner[size_t(i)] = seen;
        }
        seen = i;
    }
    return partner;
}

} // namespace

std::vector<int> DuplicateCheck::firstLaterEqual(const std::vector<QString>& keys)
{
    // Walking from the end, the hash holds for each key the lowest position seen so far,
    // which is the first later position with that key.
    std::vector<int> partner(keys.size(), -1);
    QHash<QString, int> nearest;
    nearest.reserve(qsizetype(keys.size()));
    for (int i = int(keys.size()) - 1; i >= 0; --i) {
        auto found = nearest.find(keys[size_t(i)]);
        if (found == nearest.end()) {
            nearest.insert(keys[size_t(i)], i);
        } else {
            partner[size_t(i)] = found.value();
            found.value() = i;
        }
    }
    return partner;
}

std::vector<int> DuplicateCheck::findDuplicates(const ItemStore& store,
                                                const std::vector<char>& takesPart)
{
    const int count = store.ItemCount();
    int firstExamined = 0;
    while (firstExamined < count - 1 && !takesPart[size_t(firstExamined)])
        ++firstExamined;
    if (firstExamined >= count - 1)
        return {};

    // Items above the first examined one never meet a comparison. Numbers stand in for
    // the keys; only when two different keys share one do the keys themselves decide.
    std::optional<std::vector<int>> byHash = firstLaterEqualByHash(store, firstExamined);
    if (!byHash) {
        std::vector<QString> keys;
        keys.reserve(size_t(count - firstExamined));
        for (int i = firstExamined; i < count; ++i)
            keys.push_back(ClashKey::of(store.item(i)));
        byHash = firstLaterEqual(keys);
    }
    const std::vector<int>& partner = *byHash;

    // Positions relative to firstExamined from here on.
    const size_t examined = partner.size();
    std::vector<char> inPair(examined, 0);
    for (size_t k = 0; k + 1 < examined; ++k) {
        if (takesPart[k + size_t(firstExamined)] && partner[k] >= 0)
            inPair[k] = inPair[size_t(partner[k])] = 1;
    }
    std::vector<int> clashing;
    for (size_t k = 0; k < examined; ++k) {
        if (inPair[k])
            clashing.push_back(int(k) + firstExamined);
    }
    return clashing;
}

void DuplicateCheck::selectClashes(ItemStore& store, const std::vector<char>& takesPart,
                                   const std::vector<int>& clashing)
{
    const int count = store.ItemCount();
    std::vector<char> inPair(size_t(count), 0);
    for (int i : clashing)
        inPair[size_t(i)] = 1;
    ItemStore::Batch batch(store);
    for (int i = 0; i < count; ++i) {
        const bool examined = takesPart[size_t(i)] && i < count - 1;
        if (examined)
            store.setSelected(i, inPair[size_t(i)] != 0);
        else if (inPair[size_t(i)])
            store.setSelected(i, true);
    }
}

bool DuplicateCheck::markDuplicates(ItemStore& store, const std::vector<char>& takesPart)
{
    const std::vector<int> clashing = findDuplicates(store, takesPart);
    if (clashing.empty())
        return false;
    selectClashes(store, takesPart, clashing);
    return true;
}
