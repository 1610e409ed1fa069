#include "benchmark.h"

#include "app/filelistview.h"
#include "ops/operationengine.h"
#include "scriptedplatform.h"

#include <QApplication>

void benchModifyItems(ItemStore& store, OpCode op, const QString& answer, const QString& label,
                      bool withView, const FindReplaceValues& findValues)
{
    FileListView view(store);
    view.resize(600, 800);
    if (withView)
        view.show();
    QApplication::processEvents();

    ScriptedPlatform platform;
    EnumSwitches switches;
    FindReplaceValues values = findValues;
    OperationEngine engine(store, platform, switches, values);
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
