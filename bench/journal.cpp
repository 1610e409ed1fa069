#include "benchmark.h"

#include "rename/journalfolder.h"
#include "rename/renamerunner.h"
#include "rename/renameundo.h"
#include "rename/targetscan.h"
#include "scriptedplatform.h"

#include "temptree.h"
#include <QFile>

#include <QElapsedTimer>

#include <algorithm>
#include <fcntl.h>
#include <vector>

namespace {

constexpr int FileTotal = 32767;
constexpr int FolderTotal = 1000;

struct Move {
    QByteArray folder;
    QByteArray from;
    QByteArray to;
};

std::vector<Move> movesFor(const TempTree& tree, const char* from, const char* to)
{
    std::vector<Move> moves;
    moves.reserve(FileTotal);
    for (int file = FileTotal - 1; file >= 0; --file) {
        moves.push_back({tree.path("d" + QByteArray::number(file % FolderTotal)),
                         from + QByteArray::number(file) + ".txt",
                         to + QByteArray::number(file) + ".txt"});
    }
    return moves;
}

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

BenchStats statsOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

// Apply all over one item per move (tried in the order of the moves), with or without
// the journal; the list is filled untimed.
double applyAll(const std::vector<Move>& moves, const JournalFolder* journals)
{
    ItemStore store;
    {
        ItemStore::Batch batch(store);
        for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
            Item item;
            item.diskFolder = move->folder;
            item.diskName = move->from;
            item.ItemPath = QFile::decodeName(move->folder);
            item.OrigName = QFile::decodeName(move->from);
            item.NewName = QFile::decodeName(move->to);
            store.append(item);
        }
    }
    ScriptedPlatform platform;
    RenameRunner runner(store, platform);
    if (journals)
        runner.setJournalFolder(*journals);
    QElapsedTimer timer;
    timer.start();
    const RenameRunner::Result result = runner.RenameFiles(true);
    const double ms = elapsedMs(timer);
    if (result.renamed != int(moves.size()) || store.ItemCount() != 0)
        printLine(QStringLiteral("WARNING: some renames failed"));
    return ms;
}

double rawLoop(const std::vector<Move>& moves)
{
    std::vector<std::pair<QByteArray, QByteArray>> paths;
    paths.reserve(moves.size());
    for (const Move& move : moves)
        paths.emplace_back(move.folder + '/' + move.from, move.folder + '/' + move.to);
    QElapsedTimer timer;
    timer.start();
    renameAllRaw(paths);
    return elapsedMs(timer);
}

void journalCost()
{
    TempTree tree, store;
    for (int file = 0; file < FileTotal; ++file)
        tree.addFile("d" + QByteArray::number(file % FolderTotal) + "/a" +
                     QByteArray::number(file) + ".txt");
    const JournalFolder journals(QString::fromUtf8(store.path("journals")));
    ScriptedFileSystem fileSystem;

    // The runs take turns so that both meet the same directory state and cache.
    std::vector<double> without, with, undo, raw, check, stamp;
    for (int run = 0; run < 5; ++run) {
        without.push_back(applyAll(movesFor(tree, "a", "b"), nullptr));
        with.push_back(applyAll(movesFor(tree, "b", "a"), &journals));
        {
            QElapsedTimer timer;
            timer.start();
            if (!RenameUndo(journals, fileSystem).canUndo())
                printLine(QStringLiteral("WARNING: nothing to undo"));
            check.push_back(elapsedMs(timer));
            timer.start();
            if (journals.stamp().isEmpty())
                printLine(QStringLiteral("WARNING: no journal"));
            stamp.push_back(elapsedMs(timer));
        }

        RenameUndo undoer(journals, fileSystem);
        QElapsedTimer timer;
        timer.start();
        const auto result = undoer.undoLast();
        undo.push_back(elapsedMs(timer));
        if (result.outcomes.size() != size_t(FileTotal) || result.journalError != 0)
            printLine(QStringLiteral("WARNING: undo incomplete"));
        raw.push_back(rawLoop(movesFor(tree, "b", "a")));
    }
    const BenchStats a = statsOf(without), b = statsOf(with), u = statsOf(undo), r = statsOf(raw);
    printFigure(QStringLiteral("Apply all, 32767 files in 1000 folders, no journal"), a);
    printFigure(QStringLiteral("Apply all, 32767 files in 1000 folders, journal"), b);
    printLine(QStringLiteral("ratio journal / no journal: min %1, median %2")
                  .arg(b.minMs / a.minMs, 0, 'f', 3)
                  .arg(b.medianMs / a.medianMs, 0, 'f', 3));
    printFigure(QStringLiteral("whether there is a run to undo, 32767 renames: read"),
                statsOf(check));
    printFigure(QStringLiteral("  later menus, journals unchanged: their stamp"), statsOf(stamp));
    printFigure(QStringLiteral("undo of 32767 renames from the journal"), u);
    printFigure(QStringLiteral("raw renameat2 loop, 32767 files"), r);
    printLine(QStringLiteral("ratio undo / raw loop: min %1, median %2")
                  .arg(u.minMs / r.minMs, 0, 'f', 3)
                  .arg(u.medianMs / r.medianMs, 0, 'f', 3));
}

// Realistic names: music files in album folders, two clashes among them.
void clashScan()
{
    ItemStore store;
    {
        ItemStore::Batch batch(store);
        for (int file = 0; file < FileTotal; ++file) {
            Item item;
            item.ItemPath = QStringLiteral("/home/user/Music/Artist %1/Album %2 (Deluxe Edition)")
                                .arg(file / 400)
                                .arg(file / 20);
            item.OrigName = QStringLiteral("%1 - Some Artist Name - Track Title Number %2")
                                .arg(file % 20 + 1, 2, 10, QLatin1Char('0'))
                                .arg(file);
            item.OrigExt = item.NewExt = QStringLiteral(".mp3");
            item.NewName = QStringLiteral("Some Artist Name - %1 - Track Title Number %2")
                               .arg(file % 20 + 1, 2, 10, QLatin1Char('0'))
                               .arg(file);
            store.append(item);
        }
    }
    store.setNewName(1, store.item(0).NewName.toUpper());
    store.setNewName(FileTotal - 1, store.item(FileTotal - 2).NewName);
    int clashes = 0;
    printFigure(QStringLiteral("clash scan, 32767 items, realistic names"),
                timeRuns(9, {}, [&] { clashes = TargetScan::scan(store).clashes; }));
    if (clashes != 4)
        printLine(QStringLiteral("WARNING: %1 clashes found, 4 expected").arg(clashes));

    for (int i = 0; i < FileTotal; ++i)
        store.setNewName(i, QStringLiteral("Every item the same"));
    printFigure(QStringLiteral("clash scan, 32767 items, one target per folder"),
                timeRuns(9, {}, [&] { clashes = TargetScan::scan(store).clashes; }));
}

BenchRegistrar journalGroup("journal", [] { journalCost(); });
BenchRegistrar clashGroup("clashes", [] { clashScan(); });

} // namespace
