#include "benchmark.h"

#include "app/filelistview.h"
#include "app/mainwindow.h"
#include "dialogs/findreplacedialog.h"
#include "scriptedplatform.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QWindow>

#include <memory>

namespace {

constexpr int ItemTotal = 32767;
constexpr int Runs = 7;

void showAndWait(MainWindow& window)
{
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents();
    QApplication::processEvents();
}

void fill(ItemStore& store)
{
    ItemStore::Batch batch(store);
    for (int i = 0; i < ItemTotal; ++i) {
        Item item;
        item.ItemPath = QStringLiteral("/data/music/Folder %1").arg(i % 300);
        item.OrigName = item.NewName = QStringLiteral("Track %1 - Title %2").arg(i).arg(i % 977);
        item.OrigExt = item.NewExt = QStringLiteral(".mp3");
        store.append(item);
    }
}

// What a user waits for after a command: the visible lines painted again.
void repaintList(MainWindow& window)
{
    window.list()->viewport()->repaint();
}

void run()
{
    std::unique_ptr<ScriptedPlatform> startPlatform;
    std::unique_ptr<MainWindow> started;
    printFigure(QStringLiteral("start to shown window, empty list"),
                timeRuns(
                    Runs,
                    [&] {
                        started.reset();
                        QApplication::processEvents();
                        startPlatform = std::make_unique<ScriptedPlatform>();
                    },
                    [&] {
                        started = std::make_unique<MainWindow>(*startPlatform, *startPlatform);
                        showAndWait(*started);
                    }));
    started.reset();

    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    platform.onShowFindReplace = [&window] { window.openFindReplace(); };
    fill(window.store());
    showAndWait(window);
    ItemStore& store = window.store();
    PopupMenus& menus = window.menus();

    // Every command in the list as specified and with the names on disk in columns.
    QAction* diskNames = menus.action(QStringLiteral("mShowDisk"));
    for (const bool onDisk : {false, true}) {
        diskNames->setChecked(onDisk);
        const QString view = onDisk ? QStringLiteral(" [disk]") : QString();
        printFigure(QStringLiteral("32767 items: Ctrl+A (Select All) + repaint") + view,
                    timeRuns(
                        Runs, [&] { store.selectNone(); },
                        [&] {
                            menus.action(QStringLiteral("mSAll"))->trigger();
                            repaintList(window);
                        }));

        printFigure(QStringLiteral("32767 items: Ctrl+I (Invert) + repaint") + view,
                    timeRuns(
                        Runs,
                        [&] {
                            ItemStore::Batch batch(store);
                            store.selectNone();
                            for (int i = 0; i < store.ItemCount(); i += 3)
                                store.setSelected(i, true);
                        },
                        [&] {
                            menus.action(QStringLiteral("mSSel"), 0)->trigger();
                            repaintList(window);
                        }));

        printFigure(
            QStringLiteral("32767 items: Containing... 'Title 97' via dialog OK + repaint") + view,
            timeRuns(
                Runs,
                [&] {
                    store.selectNone();
                    QApplication::processEvents(); // lets the last dialog go
                },
                [&] {
                    menus.action(QStringLiteral("mSSel"), 1)->trigger();
                    FindReplaceDialog* dialog = window.findReplaceDialog();
                    dialog->findBox()->setText(QStringLiteral("Title 97"));
                    dialog->eButton_Click(0);
                    repaintList(window);
                }));
        QApplication::processEvents();
        printLine(QStringLiteral("  (Containing selected %1 lines)").arg(store.selectedCount()));

        printFigure(QStringLiteral("32767 items: Add to end... (all selected) + repaint") + view,
                    timeRuns(
                        Runs,
                        [&] {
                            store.selectAll();
                            platform.inputAnswers.push_back(QStringLiteral("x"));
                        },
                        [&] {
                            menus.action(QStringLiteral("mFDef"), 3)->trigger();
                            repaintList(window);
                        }));
        printLine(QStringLiteral("  (last name after the runs: %1)").arg(store.item(0).line()));
    }

    printFigure(QStringLiteral("32767 items: status line refresh (clash scan, counts)"),
                timeRuns(
                    Runs, [&] { store.setNewName(0, store.item(0).NewName + QLatin1Char('y')); },
                    [&] { QApplication::processEvents(); }));
}

BenchRegistrar reg("window", run);

} // namespace
