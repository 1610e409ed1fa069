#include "benchmark.h"

#include "app/filelistview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

constexpr int ItemTotal = 32767;
constexpr int Runs = 7;

void key(FileListView& view, Qt::Key code, Qt::KeyboardModifiers modifiers = {})
{
    QKeyEvent press(QEvent::KeyPress, code, modifiers);
    QApplication::sendEvent(&view, &press);
}

void mouse(FileListView& view, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers modifiers = {})
{
    QWidget* target = view.viewport();
    QMouseEvent event(type, pos, target->mapToGlobal(pos), Qt::LeftButton, buttons, modifiers);
    QApplication::sendEvent(target, &event);
}

// What a user sees change: each event as the list box receives it, then one repaint.
void run()
{
    ItemStore store;
    FileListView view(store);
    view.resize(600, 800);
    view.show();
    {
        ItemStore::Batch batch(store);
        for (int i = 0; i < ItemTotal; ++i) {
            Item item;
            item.ItemPath = QStringLiteral("/data/music/Folder %1").arg(i % 300);
            item.OrigName = item.NewName = QStringLiteral("Track %1").arg(i);
            item.OrigExt = item.NewExt = QStringLiteral(".mp3");
            store.append(item);
        }
    }
    QApplication::processEvents();
    const QPoint top = view.visualRect(store.index(0)).center();
    const QPoint bottom(top.x(), view.viewport()->height() - 2);

    printFigure(QStringLiteral("32767 items: Home, Shift+End + repaint"),
                timeRuns(
                    Runs, [&] { key(view, Qt::Key_Home); },
                    [&] {
                        key(view, Qt::Key_End, Qt::ShiftModifier);
                        view.viewport()->repaint();
                    }));
    printFigure(QStringLiteral("32767 items, all selected: click + repaint"),
                timeRuns(
                    Runs, [&] { store.selectAll(); },
                    [&] {
                        mouse(view, QEvent::MouseButtonPress, top, Qt::LeftButton);
                        mouse(view, QEvent::MouseButtonRelease, top, Qt::NoButton);
                        view.viewport()->repaint();
                    }));
    printFigure(QStringLiteral("32767 items: 100 x PgDn + repaint"),
                timeRuns(
                    Runs, [&] { key(view, Qt::Key_Home); },
                    [&] {
                        for (int i = 0; i < 100; ++i)
                            key(view, Qt::Key_PageDown);
                        view.viewport()->repaint();
                    }));
    printFigure(QStringLiteral("32767 items: drag, 100 moves below the edge + repaint"),
                timeRuns(
                    Runs, [&] { key(view, Qt::Key_Home); },
                    [&] {
                        mouse(view, QEvent::MouseButtonPress, top, Qt::LeftButton);
                        for (int i = 0; i < 100; ++i)
                            mouse(view, QEvent::MouseMove, bottom + QPoint(0, 20), Qt::LeftButton);
                        mouse(view, QEvent::MouseButtonRelease, bottom, Qt::NoButton);
                        view.viewport()->repaint();
                    }));
    printLine(QStringLiteral("  (selected after the drag: %1)").arg(store.selectedCount()));
}

BenchRegistrar reg("selection", run);

} // namespace
