#include "rename/duplicatecheck.h"

#include "text/bytename.h"

#include <QHash>

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

// targetKey for consecutive items, upper-casing each run of one folder once.
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

private:
    bool m_started = false;
    QString m_folder;
    QString m_upperFolder;
};

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

    // Items above the first examined one never meet a comparison.
    std::vector<QString> keys;
    keys.reserve(size_t(count - firstExamined));
    KeyMaker maker;
    for (int i = firstExamined; i < count; ++i)
        keys.push_back(maker.key(store.item(i)));
    const std::vector<int> partner = firstLaterEqual(keys);

    // Positions relative to firstExamined from here on.
    std::vector<char> inPair(keys.size(), 0);
    for (size_t k = 0; k + 1 < keys.size(); ++k) {
        if (takesPart[k + size_t(firstExamined)] && partner[k] >= 0)
            inPair[k] = inPair[size_t(partner[k])] = 1;
    }
    std::vector<int> clashing;
    for (size_t k = 0; k < keys.size(); ++k) {
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
