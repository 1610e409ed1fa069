#include "rename/duplicatecheck.h"

#include "text/bytename.h"

#include <QHash>

#include <optional>

QString DuplicateCheck::targetKey(const Item& item)
{
    return ByteName::toUpper(item.ItemPath + QLatin1Char('/') + item.NewName + item.NewExt);
}

namespace {

// Upper case as ByteName::toUpper gives it, with a quick path for plain ASCII text.
QString upper(const QString& text)
{
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
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        target[i] = QChar(c >= 'a' && c <= 'z' ? char16_t(c - 32) : c);
    }
    return out;
}

// targetKey for consecutive items, upper-casing each run of one folder once, and the
// key as one number.
class KeyMaker {
public:
    QString key(const Item& item)
    {
        if (!m_started || item.ItemPath != m_folder) {
            m_started = true;
            m_folder = item.ItemPath;
            m_upperFolder = upper(m_folder) + QLatin1Char('/');
        }
        return m_upperFolder + upper(item.NewName + item.NewExt);
    }

    // Equal keys give equal numbers. The folder part of a key ends at its last '/' (a
    // name holds none), so folder and name can be hashed apart.
    quint64 hashedKey(const Item& item)
    {
        const quint64 folder = folderHash(item.ItemPath) * 0x9e3779b97f4a7c15ULL;
        return (folder ^ (folder >> 31)) ^ ByteName::upperHash(item.NewName, item.NewExt);
    }

private:
    // Items of one folder usually share one folder text (the loader makes it once per
    // folder), so the text's data pointer finds the folder's hash without reading the
    // text: a small table remembers the last text seen in each of its slots, and a hash
    // every text seen. Every item is alive while the maker is used, so a data pointer
    // (with the size) keeps its text.
    quint64 folderHash(const QString& folder)
    {
        const void* data = folder.constData();
        const quint64 bits = reinterpret_cast<quintptr>(data) * 0x9e3779b97f4a7c15ULL;
        Known& known = m_known[size_t(bits >> 52)];
        if (known.data != data || known.size != folder.size()) {
            known.data = data;
            known.size = folder.size();
            auto found = m_byText.constFind(folder);
            if (found == m_byText.constEnd())
                found = m_byText.insert(folder, ByteName::upperHash(folder, {}));
            known.hash = found.value();
        }
        return known.hash;
    }

    struct Known {
        const void* data = nullptr;
        qsizetype size = -1;
        quint64 hash = 0;
    };
    std::vector<Known> m_known = std::vector<Known>(size_t(1) << 12);
    QHash<QString, quint64> m_byText;
    bool m_started = false;
    QString m_folder;
    QString m_upperFolder;
};

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
    KeyMaker maker;
    constexpr int Ahead = 8; // items whose texts are fetched while one is hashed
    for (int i = 0; i < count; ++i) {
        if (i + Ahead < count) {
            const Item& later = store.item(first + i + Ahead);
            __builtin_prefetch(later.NewName.constData());
            __builtin_prefetch(later.NewExt.constData());
        }
        hashes.push_back(maker.hashedKey(store.item(first + i)));
    }
    std::vector<int> partner(static_cast<size_t>(count), -1);
    NearestTable nearest(hashes);
    for (int i = count - 1; i >= 0; --i) {
        int& seen = nearest.slotOf(hashes[size_t(i)]);
        if (seen >= 0) {
            if (DuplicateCheck::targetKey(store.item(first + i)) !=
                DuplicateCheck::targetKey(store.item(first + seen)))
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
        KeyMaker maker;
        for (int i = firstExamined; i < count; ++i)
            keys.push_back(maker.key(store.item(i)));
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
