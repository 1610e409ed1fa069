#include "benchmark.h"
#include "list/fileloader.h"
#include "platform/foldernameorder.h"
#include "platform/posixfilesystem.h"
#include "shownloader.h"
#include "temptree.h"

#include <QCoreApplication>

#include <algorithm>
#include <random>
#include <string>
#include <sys/stat.h>
#include <time.h>

namespace {

constexpr int FileCount = 32767;
constexpr int Runs = 7;

// 10 folders, each with 9 subfolders, each with 10 more: 1000 folders three levels deep,
// holding 32767 files named with spaces, several dots and letters beyond ASCII.
QByteArray folderName(int level, int i)
{
    static const char* const stems[] = {"Album ", "\xc3\x96lfarbe ", "sub.dir.", "Fotos 20"};
    return QByteArray(stems[(level + i) % 4]) + QByteArray::number(i);
}

QByteArray fileName(int i)
{
    const QByteArray n = QByteArray::number(i);
    switch (i % 5) {
    case 0:
        return "Track " + n +
               " - \xc3\x9c"
               "ber \xc3\x84rger.mp3";
    case 1:
        return "backup " + n + ".tar.gz";
    case 2:
        return "notes " + n;
    case 3:
        return "photo " + n + ". jpg";
    default:
        return "  caf\xc3\xa9 " + n + " .txt";
    }
}

std::vector<QByteArray> buildTree(TempTree& tree)
{
    std::vector<QByteArray> folders;
    for (int a = 0; a < 10; ++a) {
        const QByteArray top = folderName(0, a);
        folders.push_back(top);
        for (int b = 0; b < 9; ++b) {
            const QByteArray mid = top + '/' + folderName(1, b);
            folders.push_back(mid);
            for (int c = 0; c < 10; ++c)
                folders.push_back(mid + '/' + folderName(2, c));
        }
    }
    for (const QByteArray& folder : folders)
        tree.addFolder(folder);
    for (int i = 0; i < FileCount; ++i)
        tree.addFile(folders[size_t(i) % folders.size()] + '/' + fileName(i));
    return folders;
}

double threadCpuMs()
{
    timespec now;
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The cost of the name order on its own: one folder's worth of entries (the most the
// list can take), shuffled, put in name order. The processor time is printed too, since
// the wall time swells when the machine is shared.
void sortFigure()
{
    std::vector<FolderEntry> shuffled;
    for (int i = 0; i < FileCount; ++i)
        shuffled.push_back({fileName(i), PathKind::File});
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    std::vector<FolderEntry> entries;
    double cpuMs = 0;
    printFigure(
        QStringLiteral("name order of %1 entries of one folder, keys included").arg(FileCount),
        timeRuns(
            Runs, [&] { entries = shuffled; },
            [&] {
                const double start = threadCpuMs();
                foldernameorder::sort(entries);
                cpuMs += threadCpuMs() - start;
            }));
    printLine(QStringLiteral("  processor time per run: %1 ms").arg(cpuMs / Runs, 0, 'f', 2));
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void run()
{
    TempTree tree;
    const std::vector<QByteArray> folders = buildTree(tree);
    printLine(QStringLiteral("tree: %1 files in %2 folders").arg(FileCount).arg(folders.size()));

    const std::string root = tree.root().toStdString();
    int walked = rawWalk(root); // warm the cache
    const BenchStats raw = timeRuns(Runs, nullptr, [&] { walked = rawWalk(root); });
    printFigure(QStringLiteral("raw readdir walk, classify every entry (%1 files)").arg(walked),
                raw);

    ShownLoader shown;
    FileLoader& loader = shown.loader;
    ItemStore& store = shown.store;
    FileListView& view = shown.view;
    const BenchStats load = timeRuns(
        Runs,
        [&] {
            loader.clearList();
            settle();
        },
        [&] {
            loader.AddDirectory(tree.root());
            QCoreApplication::processEvents(); // the view lays out and paints the last lines
        });
    printFigure(
        QStringLiteral("AddDirectory, view shown and painted (%1 items)").arg(store.ItemCount()),
        load);
    printLine(QStringLiteral("ratio AddDirectory / raw walk: median %1, min %2")
                  .arg(load.medianMs / raw.medianMs, 0, 'f', 2)
                  .arg(load.minMs / raw.minMs, 0, 'f', 2));
    sortFigure();

    settle();
    const auto repaint = [&] { view.viewport()->repaint(); };
    printFigure(QStringLiteral("select all %1 lines, view repainted").arg(store.ItemCount()),
                timeRuns(
                    Runs,
                    [&] {
                        store.selectNone();
                        settle();
                    },
                    [&] {
                        store.selectAll();
                        repaint();
                    }));
    printFigure(QStringLiteral("select none of %1 lines, view repainted").arg(store.ItemCount()),
                timeRuns(
                    Runs,
                    [&] {
                        store.selectAll();
                        settle();
                    },
                    [&] {
                        store.selectNone();
                        repaint();
                    }));
    const auto everyOther = [&] {
        ItemStore::Batch batch(store);
        store.selectNone();
        for (int i = 0; i < store.ItemCount(); i += 2)
            store.setSelected(i, true);
    };
    printFigure(
        QStringLiteral("invert every other line of %1, view repainted").arg(store.ItemCount()),
        timeRuns(
            Runs,
            [&] {
                everyOther();
                settle();
            },
            [&] {
                store.invertSelection();
                repaint();
            }));
    int marked = 0;
    printFigure(
        QStringLiteral("read the marks of %1 lines, every other one set").arg(store.ItemCount()),
        timeRuns(Runs, everyOther, [&] {
            marked = 0;
            for (int i = 0; i < store.ItemCount(); ++i)
                marked += store.isSelected(i);
        }));
}

BenchRegistrar reg("loading", run);

} // namespace

std::vector<QByteArray> buildLoadingTree(TempTree& tree)
{
    return buildTree(tree);
}
