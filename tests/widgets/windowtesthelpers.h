#pragma once

#include "list/itemstore.h"

#include <QList>
#include <QStringList>

// Small helpers shared by the window tests: items made in memory and readable views of
// the store.
inline Item makeItem(const QByteArray& folder, const QString& name, const QString& ext)
{
    Item item;
    item.ItemPath = QString::fromUtf8(folder);
    item.OrigName = item.NewName = name;
    item.OrigExt = item.NewExt = ext;
    item.diskFolder = folder;
    item.diskName = (name + ext).toUtf8();
    return item;
}

inline QStringList lines(const ItemStore& store)
{
    QStringList result;
    for (int i = 0; i < store.ItemCount(); ++i)
        result << store.item(i).line();
    return result;
}

inline QList<int> selectedLines(const ItemStore& store)
{
    QList<int> result;
    for (int i = 0; i < store.ItemCount(); ++i) {
        if (store.isSelected(i))
            result << i;
    }
    return result;
}
