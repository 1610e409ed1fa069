#include "rename/duplicatecheck.h"

#include <QHash>

QString DuplicateCheck::targetKey(const Item& item)
{
    return (item.ItemPath + QLatin1Char('/') + item.NewName + item.NewExt).toUpper();
}

namespace {

// Upper case as QString::toUpper gives it, with a quick path for plain ASCII text.
QString upper(const QString& text)
{
    const QChar* data = text.constData();
    const qsizetype size = text.size();
    bool lower = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (c >= 0x80)
            return text.toUpper();
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

bool DuplicateCheck::markDuplicates(ItemStore& store, const std::vector<char>& takesPart)
{
    const int count = store.ItemCount();
    int firstExamined = 0;
    while (firstExamined < count - 1 && !takesPart[size_t(firstExamined)])
        ++firstExamined;
    if (firstExamined >= count - 1)
        return false;

    // Items above the first examined one never meet a comparison.
    std::vector<QString> keys;
    keys.reserve(size_t(count - firstExamined));
    KeyMaker maker;
    for (int i = firstExamined; i < count; ++i)
        keys.push_back(maker.key(store.item(i)));
    const std::vector<int> partner = firstLaterEqual(keys);

    bool found = false;
    for (int i = firstExamined; i < count - 1 && !found; ++i)
        found = takesPart[size_t(i)] && partner[size_t(i - firstExamined)] >= 0;
    if (!found)
        return false;

    ItemStore::Batch batch(store);
    for (int i = firstExamined; i < count - 1; ++i) {
        if (takesPart[size_t(i)])
            store.setSelected(i, partner[size_t(i - firstExamined)] >= 0);
    }
    for (int i = firstExamined; i < count - 1; ++i) {
        const int p = partner[size_t(i - firstExamined)];
        if (takesPart[size_t(i)] && p >= 0)
            store.setSelected(p + firstExamined, true);
    }
    return true;
}
