#include "list/clashkey.h"

#include "text/caseless.h"

QString ClashKey::of(const Item& item)
{
    return Caseless::upper(item.ItemPath + QLatin1Char('/') + item.NewName + item.NewExt);
}

quint64 ClashKey::Hasher::operator()(const Item& item)
{
    // The folder part of a key ends at its last '/' (a name holds none), so folder and
    // name can be hashed apart.
    const quint64 folder = folderHash(item.ItemPath) * 0x9e3779b97f4a7c15ULL;
    return (folder ^ (folder >> 31)) ^ Caseless::hash(item.NewName, item.NewExt);
}

quint64 ClashKey::Hasher::folderHash(const QString& folder)
{
    // Items of one folder usually share one folder text (the loader makes it once per
    // folder), so the text's data pointer finds the folder's hash without reading the
    // text: a small table remembers the last text seen in each of its slots, and a hash
    // every text seen.
    const void* data = folder.constData();
    const quint64 bits = reinterpret_cast<quintptr>(data) * 0x9e3779b97f4a7c15ULL;
    Known& known = m_known[size_t(bits >> 52)];
    if (known.data != data || known.size != folder.size()) {
        known.data = data;
        known.size = folder.size();
        // Items made one by one each have a text of their own, but neighbours mostly
        // share the folder: the previous folder's text is compared before any lookup.
        if (!m_hasLast || folder != m_lastText) {
            auto found = m_byText.constFind(folder);
            if (found == m_byText.constEnd())
                found = m_byText.insert(folder, Caseless::hash(folder));
            m_hasLast = true;
            m_lastText = folder;
            m_lastHash = found.value();
        }
        known.hash = m_lastHash;
    }
    return known.hash;
}
