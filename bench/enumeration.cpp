#include "benchmark.h"

#include "list/itemstore.h"

namespace {

constexpr int ItemTotal = 32767;
constexpr int FolderTotal = 1000;

// A full list as a folder scan leaves it: the files of each folder side by side.
void fill(ItemStore& store)
{
    ItemStore::Batch batch(store);
    for (int i = 0; i < ItemTotal; ++i) {
        Item item;
        item.ItemPath = QStringLiteral("/data/photos/Folder %1").arg(i * FolderTotal / ItemTotal);
        item.OrigName = item.NewName = QStringLiteral("IMG_%1").arg(i, 5, 10, QLatin1Char('0'));
        item.OrigExt = item.NewExt = QStringLiteral(".jpg");
        store.append(item);
    }
}

void benchCode(OpCode op, const QString& formation, const QString& label, bool withView = true)
{
    ItemStore store;
    fill(store);
    store.selectAll();
    benchModifyItems(store, op, formation, label, withView);
}

BenchRegistrar reg("enumeration", [] {
    benchCode(OpCode::EnumeratePathFilename, QStringLiteral("$$ - %%"),
              QStringLiteral("code 36, 32767 selected in 1000 folders, view shown"));
    benchCode(OpCode::EnumeratePathFilename, QStringLiteral("$$ - %%"),
              QStringLiteral("code 36, no view"), false);
    benchCode(OpCode::EnumerateAsPath, QStringLiteral("$ - %%"),
              QStringLiteral("code 35, 32767 selected in 1000 folders, view shown"));
});

} // namespace
