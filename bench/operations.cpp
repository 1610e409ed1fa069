#include "benchmark.h"

#include "list/itemstore.h"

namespace {

constexpr int ItemTotal = 32767;

// A full list with every other line selected.
void benchCode(OpCode op, const QString& answer, const QString& label,
               const FindReplaceValues& findValues = {})
{
    ItemStore store;
    {
        ItemStore::Batch batch(store);
        for (int i = 0; i < ItemTotal; ++i) {
            Item item;
            item.ItemPath = QStringLiteral("/music/Album %1").arg(i / 20);
            item.OrigName = item.NewName =
                QStringLiteral("%1_Artist_Name_-_Song_Title_%2").arg(i % 20).arg(i);
            item.OrigExt = item.NewExt = QStringLiteral(".mp3");
            store.append(item);
        }
        for (int i = 0; i < ItemTotal; i += 2)
            store.setSelected(i, true);
    }
    benchModifyItems(store, op, answer, label, true, findValues);
}

const BenchRegistrar reg("operations", [] {
    benchCode(OpCode::AddToEnd, QStringLiteral(" (live)"),
              QStringLiteral("ModifyItems 23 add to end, 32767 items, half selected"));

    FindReplaceValues values;
    values.ReplaceMode = true;
    values.FindText = QStringLiteral("_");
    values.ReplaceWith = QStringLiteral(" ");
    values.MatchCase = false;
    values.RepeatReplace = true;
    benchCode(OpCode::ReplaceWithFindValues, QString(),
              QStringLiteral("ModifyItems 200 replace _ by space, Repeat on, same"), values);
});

} // namespace
