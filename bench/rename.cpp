#include "benchmark.h"

#include "rename/duplicatecheck.h"
#include "rename/renamerunner.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <vector>

namespace {

constexpr int ItemTotal = 32767;
constexpr int FolderTotal = 1000;

QByteArray folderOf(const TempTree& tree, int file)
{
    return tree.path("d" + QByteArray::number(file % FolderTotal));
}

QByteArray fileName(const char* prefix, int file)
{
    return prefix + QByteArray::number(file) + ".txt";
}

// The files in the order the loader lists them: folder by folder.
std::vector<int> loaderOrder()
{
    std::vector<int> order;
    order.reserve(ItemTotal);
    for (int folder = 0; folder < FolderTotal; ++folder) {
        for (int file = folder; file < ItemTotal; file += FolderTotal)
            order.push_back(file);
    }
    return order;
}

// The full list as the loader makes it, each item proposing the other prefix.
void fillStore(ItemStore& store, const TempTree& tree, const char* from, const char* to)
{
    store.clear();
    ItemStore::Batch batch(store);
    for (const int file : loaderOrder()) {
        Item item;
        item.diskFolder = folderOf(tree, file);
        item.diskName = fileName(from, file);
        item.ItemPath = QFile::decodeName(item.diskFolder);
        item.OrigName = QString::fromLatin1(from) + QString::number(file);
        item.OrigExt = item.NewExt = QStringLiteral(".txt");
        item.NewName = QString::fromLatin1(to) + QString::number(file);
        store.append(item);
    }
}

BenchStats statsOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void applyAllAgainstRawLoop()
{
    TempTree tree;
    for (int file = 0; file < ItemTotal; ++file)
        tree.addFile("d" + QByteArray::number(file % FolderTotal) + '/' + fileName("a", file));

    // Each run moves every file from one prefix to another; the two loops take turns so
    // that both meet the same directory state and cache.
    const char* prefixes[] = {"a", "b", "c"};
    int current = 0;
    std::vector<double> raw, apply;
    bool failed = false;
    for (int run = 0; run < 5; ++run) {
        {
            const char* from = prefixes[current];
            const char* to = prefixes[(current + 1) % 3];
            std::vector<std::pair<QByteArray, QByteArray>> paths;
            paths.reserve(ItemTotal);
            // In the order Apply takes: from the last line of the list up.
            const std::vector<int> order = loaderOrder();
            for (auto it = order.rbegin(); it != order.rend(); ++it) {
                const int file = *it;
                const QByteArray folder = folderOf(tree, file);
                paths.emplace_back(folder + '/' + fileName(from, file),
                                   folder + '/' + fileName(to, file));
            }
            QElapsedTimer timer;
            timer.start();
            failed = !renameAllRaw(paths) || failed;
            raw.push_back(elapsedMs(timer));
            current = (current + 1) % 3;
        }
        {
            ItemStore store;
            ScriptedPlatform platform;
            fillStore(store, tree, prefixes[current], prefixes[(current + 1) % 3]);
            RenameRunner runner(store, platform);
            QElapsedTimer timer;
            timer.start();
            const int renamed = runner.RenameFiles(true).renamed;
            apply.push_back(elapsedMs(timer));
            failed = failed || renamed != ItemTotal || store.ItemCount() != 0;
            current = (current + 1) % 3;
        }
    }
    const BenchStats rawStats = statsOf(raw);
    const BenchStats applyStats = statsOf(apply);
    printFigure(QStringLiteral("raw renameat2 loop, 32767 files in 1000 folders"), rawStats);
    printFigure(QStringLiteral("Apply all, 32767 items in 1000 folders, removed"), applyStats);
    printLine(QStringLiteral("ratio Apply all / raw loop: min %1, median %2")
                  .arg(applyStats.minMs / rawStats.minMs, 0, 'f', 2)
                  .arg(applyStats.medianMs / rawStats.medianMs, 0, 'f', 2));
    if (failed)
        printLine(QStringLiteral("WARNING: some renames failed"));
}

void duplicateCheck()
{
    ItemStore store;
    TempTree tree; // only for folder names; nothing is created
    fillStore(store, tree, "a", "b");
    const std::vector<char> everyItem(ItemTotal, 1);
    printFigure(QStringLiteral("duplicate check, 32767 items, none found"),
                timeRuns(9, {}, [&] { DuplicateCheck::markDuplicates(store, everyItem); }));

    store.setNewName(ItemTotal - 1, store.item(0).NewName);
    store.editItem(ItemTotal - 1).ItemPath = store.item(0).ItemPath;
    printFigure(QStringLiteral("duplicate check, 32767 items, first and last equal"),
                timeRuns(9, {}, [&] { DuplicateCheck::markDuplicates(store, everyItem); }));
}

BenchRegistrar reg("rename", [] {
    duplicateCheck();
    applyAllAgainstRawLoop();
});

} // namespace
