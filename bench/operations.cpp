#include "benchmark.h"

#include "app/filelistview.h"
#include "ops/globals.h"
#include "ops/operationengine.h"
#include "scriptedplatform.h"

#include <QApplication>

namespace {

constexpr int ItemTotal = 32767;

// A full list with every other line selected, shown in a real list view offscreen. Each
// run starts from the names on disk; the timing covers the operation and one repaint of
// the view.
void benchCode(quint8 op, const QString& answer, const QString& label)
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
    FileListView view(store);
    view.resize(600, 800);
    view.show();
    QApplication::processEvents();

    ScriptedPlatform platform;
    EnumSwitches switches;
    OperationEngine engine(store, platform, switches);
    const BenchStats stats = timeRuns(
        9,
        [&] {
            {
                ItemStore::Batch batch(store);
                for (int i = 0; i < store.ItemCount(); ++i)
                    store.setNewName(i, store.item(i).OrigName);
            }
            view.viewport()->repaint();
            QApplication::processEvents();
            platform.inputAnswers = {answer};
        },
        [&] {
            engine.ModifyItems(op);
            QApplication::processEvents();
            view.viewport()->repaint();
        });
    printFigure(label, stats);
    printLine(QStringLiteral("  line 0 after the run: %1; line 1: %2")
                  .arg(store.item(0).line(), store.item(1).line()));
}

const BenchRegistrar reg("operations", [] {
    benchCode(23, QStringLiteral(" (live)"),
              QStringLiteral("ModifyItems 23 add to end, 32767 items, half selected"));

    FindReplaceValues& values = findReplace();
    const FindReplaceValues saved = values;
    values.ReplaceMode = true;
    values.FindText = QStringLiteral("_");
    values.ReplaceWith = QStringLiteral(" ");
    values.MatchCase = false;
    values.RepeatReplace = true;
    benchCode(200, QString(),
              QStringLiteral("ModifyItems 200 replace _ by space, Repeat on, same"));
    values = saved;
});

} // namespace
