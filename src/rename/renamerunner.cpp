#include "rename/renamerunner.h"

#include "rename/duplicatecheck.h"
#include "resources/stringtable.h"
#include "text/spacetrim.h"

#include <QFile>

#include <vector>

RenameRunner::RenameRunner(ItemStore& store, Platform& platform)
    : m_store(store), m_platform(platform)
{
}

QByteArray RenameRunner::targetBytes(const Item& item)
{
    const QString target = item.NewName + item.NewExt;
    if (target == item.OrigName + item.OrigExt)
        return item.diskName;
    return QFile::encodeName(target);
}

void RenameRunner::RenameFiles(bool applyAll)
{
    const int count = m_store.ItemCount();
    if (count == 0)
        return;

    std::vector<char> takesPart(size_t(count), 1);
    if (!applyAll) {
        for (int i = 0; i < count; ++i)
            takesPart[size_t(i)] = m_store.isSelected(i);
    }

    if (DuplicateCheck::markDuplicates(m_store, takesPart)) {
        m_platform.messageBox(LoadResString(TextId::DuplicatesFound),
                              LoadResString(TextId::ErrorTitle));
        return;
    }

    bool failed = false;
    std::vector<char> renamed(size_t(count), 0);
    {
        ItemStore::Batch batch(m_store);
        for (int i = count - 1; i >= 0; --i) {
            if (!takesPart[size_t(i)])
                continue;
            const Item& item = m_store.item(i);
            const QByteArray target = targetBytes(item);
            if (!m_platform.renameFile(item.diskFolder, item.diskName, target).ok()) {
                failed = true;
                continue;
            }
            renamed[size_t(i)] = 1;
            if (RemoveAfterRename)
                continue;
            Item& kept = m_store.editItem(i);
            kept.OrigName = kept.NewName;
            kept.OrigExt = kept.NewExt;
            kept.diskName = target;
            m_store.setSelected(i, true);
        }
        if (RemoveAfterRename)
            m_store.removeWhere([&](int i) { return renamed[size_t(i)] != 0; });
    }

    if (failed)
        m_platform.messageBox(LoadResString(TextId::RenameFailed),
                              LoadResString(TextId::ErrorTitle));
}

void RenameRunner::restoreAll()
{
    ItemStore::Batch batch(m_store);
    for (int i = 0; i < m_store.ItemCount(); ++i) {
        const Item& item = m_store.item(i);
        const QString ext = item.OrigExt.isEmpty()
                                ? QString()
                                : item.OrigExt.left(1) + trimSpaces(item.OrigExt.mid(1));
        Item& edited = m_store.editItem(i);
        edited.NewName = trimSpaces(item.OrigName);
        edited.NewExt = ext;
    }
}
