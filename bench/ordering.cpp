#include "benchmark.h"

#include "app/filelistview.h"
#include "list/listordering.h"
#include "list/selectioncommands.h"
#include "ops/operationengine.h"
#include "scriptedplatform.h"

#include <QApplication>

#include <random>

namespace {

constexpr int ItemTotal = 32767;

// A full list in no particular order, with many equal and prefix names so that the sort
// meets the ties it must resolve exactly.
void refill(ItemStore& store)
{
    std::mt19937 random(11);
    store.clear();
    ItemStore::Batch batch(store);
    for (int i = 0; i < ItemTotal; ++i) {
        Item item;
        item.ItemPath = QStringLiteral("/data/music/Folder %1").arg(random() % 200);
        item.OrigName = item.NewName =
            QStringLiteral("Track %1 - Title %2").arg(random() % 50).arg(random() % 400);
        item.OrigExt = item.NewExt = random() % 4 ? QStringLiteral(".mp3") : QString();
        store.append(item);
    }
}

void selectEveryOther(ItemStore& store)
{
    ItemStore::Batch batch(store);
    store.selectNone();
    for (int i = 0; i < store.ItemCount(); i += 2)
        store.setSelected(i, true);
}

void run()
{
    ItemStore store;
    FileListView view(store);
    view.resize(600, 800);
    view.show();
    refill(store);
    QApplication::processEvents();

    ScriptedPlatform platform;
    EnumSwitches switches;
    FindReplaceValues findValues;
    OperationEngine engine(store, platform, switches, findValues);
    ListOrdering ordering(store, platform);
    SelectionCommands selection(store, platform, findValues);
    platform.onShowFindReplace = [&] {
        findValues.FindText = QStringLiteral("Title 12");
        engine.ReturnFind();
    };

    const auto measure = [&](const QString& label, const std::function<void()>& prepare,
                             const std::function<void()>& command) {
        const BenchStats stats = timeRuns(
            7,
            [&] {
                refill(store);
                prepare();
                QApplication::processEvents();
                view.viewport()->repaint();
            },
            [&] {
                command();
                QApplication::processEvents();
                view.viewport()->repaint();
            });
        printFigure(label, stats);
    };
    const auto nothing = [] {};

    measure(QStringLiteral("sort list by full name, 32767 items"), nothing,
            [&] { ordering.sortList(ListOrdering::FullName); });
    measure(
        QStringLiteral("sort selected by filename, every other line"),
        [&] { selectEveryOther(store); }, [&] { ordering.sortSelected(ListOrdering::Name); });
    measure(QStringLiteral("reverse list"), nothing, [&] { ordering.reverseList(); });
    measure(
        QStringLiteral("reverse selected, every other line"), [&] { selectEveryOther(store); },
        [&] { ordering.reverseSelected(); });
    measure(
        QStringLiteral("remove every other line"), [&] { selectEveryOther(store); },
        [&] { ordering.removeSelected(); });
    measure(
        QStringLiteral("invert selection"), [&] { selectEveryOther(store); },
        [&] { selection.invert(); });
    measure(QStringLiteral("select containing \"Title 12\""), nothing,
            [&] { selection.containing(); });
    measure(
        QStringLiteral("select min. length 20"),
        [&] { platform.inputAnswers = {QStringLiteral("20")}; }, [&] { selection.minLength(); });
    printLine(QStringLiteral("  items left after the last run: %1, selected: %2")
                  .arg(store.ItemCount())
                  .arg(store.selectedCount()));
}

BenchRegistrar reg("ordering", run);

} // namespace
