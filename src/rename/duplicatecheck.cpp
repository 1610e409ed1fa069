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
        const quint64 folder = quint64(folderId(item)) * 0x9e3779b97f4a7c15ULL;
        return folder ^ ByteName::upperHash(item.NewName, item.NewExt);
    }

private:
    // Items of one folder usually share one folder text (the loader makes it once per
    // folder), so the text's data pointer finds the folder without reading the text.
    // Every item is alive while the maker is used, so a data pointer keeps its text.
    int folderId(const Item& item)
    {
        const void* data = item.ItemPath.constData();
        if (data == m_lastData)
            return m_lastId;
        auto known = m_byData.constFind(data);
        if (known == m_byData.constEnd()) {
            auto byText = m_byText.constFind(item.ItemPath);
            if (byText == m_byText.constEnd()) {
                const QString upperFolder = upper(item.ItemPath);
                auto byUpper = m_byUpper.constFind(upperFolder);
                if (byUpper == m_byUpper.constEnd())
                    byUpper = m_byUpper.insert(upperFolder, int(m_byUpper.size()));
                byText = m_byText.insert(item.ItemPath, byUpper.value());
            }
            known = m_byData.insert(data, byText.value());
        }
        m_lastData = data;
        m_lastId = known.value();
        return m_lastId;
    }

    bool m_started = false;
    QString m_folder;
    QString m_upperFolder;
    const void* m_lastData = nullptr;
    int m_lastId = 0;
    QHash<const void*, int> m_byData;
    QHash<QString, int> m_byText;
    QHash<QString, int> m_byUpper;
};

// firstLaterEqual over the items from first on, through the hashed keys, each equal pair
// confirmed with the keys themselves; empty when two different keys share a hash.
std::optional<std::vector<int>> firstLaterEqualByHash(const ItemStore& store, int first)
{
    const int count = store.ItemCount() - first;
    std::vector<quint64> hashes(static_cast<size_t>(count));
    KeyMaker maker;
    for (int i = 0; i < count; ++i)
        hashes[size_t(i)] = maker.hashedKey(store.item(first + i));
    std::vector<int> partner(static_cast<size_t>(count), -1);
    QHash<quint64, int> nearest;
    nearest.reserve(count);
    for (int i = count - 1; i >= 0; --i) {
        auto found = nearest.find(hashes[size_t(i)]);
        if (found == nearest.end()) {
            nearest.insert(hashes[size_t(i)], i);
            continue;
        }
        if (DuplicateCheck::targetKey(store.item(first + i)) !=
            DuplicateCheck::targetKey(store.item(first + found.value())))
            return std::nullopt;
        partner[size_t(i)] = found.value();
        found.value() = i;
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
