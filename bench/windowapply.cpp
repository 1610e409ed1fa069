#include "benchmark.h"

#include "app/mainwindow.h"
#include "app/renamesession.h"
#include "temptree.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

// Apply all as a user meets it: the real main window with its own file system and dialogs,
// shown, its journal on, a full list of 32767 files in 1000 folders loaded with Add
// directory's scan, against a bare loop of the same renameat2 calls on a fresh copy of
// the tree.
namespace {

constexpr int ItemTotal = 32767;
constexpr int FolderTotal = 1000;
const int Rounds = qEnvironmentVariableIntValue("FILEVANE_BENCH_ROUNDS") > 0
                       ? qEnvironmentVariableIntValue("FILEVANE_BENCH_ROUNDS")
                       : 6;

void makeTree(TempTree& tree)
{
    for (int folder = 0; folder < FolderTotal; ++folder)
        tree.addFolder("d" + QByteArray::number(folder));
    for (int file = 0; file < ItemTotal; ++file) {
        const QByteArray path = tree.path("d" + QByteArray::number(file % FolderTotal) + "/a" +
                                          QByteArray::number(file) + ".txt");
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_EXCL, 0644);
        if (fd >= 0)
            ::close(fd);
    }
}

double threadCpuMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

BenchStats statsOf(std::vector<double> times, std::vector<double> cpu)
{
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2], *std::min_element(cpu.begin(), cpu.end())};
}

void run()
{
    // FILEVANE_BENCH_DIR picks the file system (a tmpfs takes the disk's noise out).
    const QString parent = qEnvironmentVariableIsEmpty("FILEVANE_BENCH_DIR")
                               ? QDir::tempPath()
                               : qEnvironmentVariable("FILEVANE_BENCH_DIR");
    TempTree journals;
    std::vector<double> raw, window, windowIdle, rawCpu, windowCpu, windowIdleCpu;
    bool failed = false;
    for (int round = 0; round < Rounds; ++round) {
        TempTree forWindow(parent), forLoop(parent);
        makeTree(forWindow);
        makeTree(forLoop);

        auto main = std::make_unique<MainWindow>();
        main->renameSession().setJournals(JournalFolder(QString::fromUtf8(journals.path("j"))));
        main->show();
        while (!main->windowHandle() || !main->windowHandle()->isExposed())
            QApplication::processEvents();
        main->openPaths({forWindow.root()});
        ItemStore& store = main->store();
        failed = failed || store.ItemCount() != ItemTotal;
        // The same renames for the loop, in the order Apply takes them: from the last line up.
        std::vector<std::pair<QByteArray, QByteArray>> paths;
        paths.reserve(size_t(store.ItemCount()));
        {
            ItemStore::Batch batch(store);
            for (int i = store.ItemCount() - 1; i >= 0; --i) {
                const Item& item = store.item(i);
                const QByteArray folder =
                    forLoop.root() + item.diskFolder.mid(forWindow.root().size()) + '/';
                store.setNewName(i, QLatin1Char('b') + item.NewName.mid(1));
                paths.emplace_back(folder + item.diskName, folder + 'b' + item.diskName.mid(1));
            }
        }
        for (int settle = 0; settle < 3; ++settle)
            QApplication::processEvents();

        QElapsedTimer timer;
        double cpu = threadCpuMs();
        timer.start();
        failed = !renameAllRaw(paths) || failed;
        raw.push_back(elapsedMs(timer));
        rawCpu.push_back(threadCpuMs() - cpu);

        cpu = threadCpuMs();
        timer.start();
        main->eButton_Click(int(MainWindow::Button::ApplyAll));
        window.push_back(elapsedMs(timer));
        windowCpu.push_back(threadCpuMs() - cpu);
        // The window answers again: the emptied list painted, the status line counted.
        QApplication::processEvents();
        windowIdle.push_back(elapsedMs(timer));
        windowIdleCpu.push_back(threadCpuMs() - cpu);
        failed = failed || store.ItemCount() != 0;
    }
    const BenchStats rawStats = statsOf(raw, rawCpu);
    const BenchStats windowStats = statsOf(window, windowCpu);
    const BenchStats idleStats = statsOf(windowIdle, windowIdleCpu);
    printFigure(QStringLiteral("bare renameat2 loop, 32767 files in 1000 folders"), rawStats);
    printFigure(QStringLiteral("window: Apply all clicked to returned (journal, list shown)"),
                windowStats);
    printFigure(QStringLiteral("window: Apply all clicked to list painted again"), idleStats);
    printLine(QStringLiteral("ratio window / bare loop: min %1, median %2 (to painted: %3, %4)")
                  .arg(windowStats.minMs / rawStats.minMs, 0, 'f', 2)
                  .arg(windowStats.medianMs / rawStats.medianMs, 0, 'f', 2)
                  .arg(idleStats.minMs / rawStats.minMs, 0, 'f', 2)
                  .arg(idleStats.medianMs / rawStats.medianMs, 0, 'f', 2));
    // On a busy machine the wall time follows the scheduler; the thread's CPU time (system
    // time of the renames included) does not.
    printLine(QStringLiteral("ratio window / bare loop, CPU time: min %1 (to painted: %2)")
                  .arg(windowStats.cpuMinMs / rawStats.cpuMinMs, 0, 'f', 2)
                  .arg(idleStats.cpuMinMs / rawStats.cpuMinMs, 0, 'f', 2));
    QStringList rounds;
    for (int i = 0; i < Rounds; ++i)
        rounds << QString::number(windowIdle[size_t(i)] / raw[size_t(i)], 'f', 2);
    printLine(QStringLiteral("  per round (to painted / loop): ") + rounds.join(QLatin1Char(' ')));
    if (failed)
        printLine(QStringLiteral("WARNING: some renames failed or the list was not full"));
}

BenchRegistrar reg("window-apply", run);

} // namespace
