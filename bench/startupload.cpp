#include "benchmark.h"
#include "shownloader.h"
#include "temptree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <vector>

// `filevane DIR` as a user starts it, against its floor: an empty Qt window's start plus a
// raw walk of the same tree. Each start is a whole process on the X display of the
// environment (bench/startup.sh runs one on Xvfb), timed from just before it is started to
// the wall-clock time it prints after the paint that matters: the empty window's first
// paint, filevane's first paint after the load (its bench hook
// FILEVANE_BENCH_EXIT_AFTER_LOAD). The three kinds of start take turns, so that a busy
// moment of the machine does not fall on one kind only; medians are the figures.
// FILEVANE_BENCH_BASELINE=/path/to/an/older/filevane (built with the same hook) adds its
// `filevane DIR` to the turns, for a before/after comparison in the same run.

namespace {

constexpr int Runs = 9;

long long realtimeNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
}

double childrenCpuMs()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Start {
    double wallMs = -1; // from starting the program to the time it prints
    double cpuMs = -1;  // its processor time, all threads, to its end
};

// One start of program; wallMs stays -1 when it printed no time.
Start startToPaint(const QString& program, const QStringList& arguments)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("FILEVANE_BENCH_EXIT_AFTER_LOAD"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Start result;
    const double cpuBefore = childrenCpuMs();
    const long long start = realtimeNs();
    child.start(program, arguments);
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return result;
    }
    result.cpuMs = childrenCpuMs() - cpuBefore;
    const QByteArray output = child.readAllStandardOutput();
    const qsizetype at = output.lastIndexOf("painted ");
    if (at >= 0)
        result.wallMs = double(output.mid(at + 8).trimmed().toLongLong() - start) / 1e6;
    return result;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void run()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        printLine(QStringLiteral("needs an X display: run bench/startup.sh"));
        return;
    }
    const QString dir = QCoreApplication::applicationDirPath();
    const QString filevane = dir + QStringLiteral("/filevane");
    const QString emptyWindow = dir + QStringLiteral("/filevane_emptywindow");
    TempTree tree;
    const std::vector<QByteArray> folders = buildLoadingTree(tree);
    const QString root = QString::fromUtf8(tree.root());

    const std::string walkRoot = tree.root().toStdString();
    int files = rawWalk(walkRoot); // warm the cache
    const BenchStats walk = timeRuns(Runs, nullptr, [&] { files = rawWalk(walkRoot); });
    printLine(QStringLiteral("tree: %1 files in %2 folders").arg(files).arg(folders.size()));

    startToPaint(filevane, {root}); // the program's files in the cache
    startToPaint(emptyWindow, {});
    const QString baseline = qEnvironmentVariable("FILEVANE_BENCH_BASELINE");
    std::vector<Start> empty, bare, loaded, before;
    for (int i = 0; i < Runs; ++i) {
        empty.push_back(startToPaint(emptyWindow, {}));
        bare.push_back(startToPaint(filevane, {}));
        // The two loads take turns at going first: the second of two starts in a row
        // tends to be the slower one.
        if (!baseline.isEmpty() && i % 2 == 1)
            before.push_back(startToPaint(baseline, {root}));
        loaded.push_back(startToPaint(filevane, {root}));
        if (!baseline.isEmpty() && i % 2 == 0)
            before.push_back(startToPaint(baseline, {root}));
    }
    const auto wall = [](const std::vector<Start>& starts) {
        std::vector<double> times;
        for (const Start& start : starts)
            times.push_back(start.wallMs);
        return median(times);
    };
    const double floor = wall(empty) + walk.medianMs;
    // Min and median of the wall times, and the median processor time of the whole
    // processes (all threads, up to their end), which a busy machine inflates less.
    const auto figure = [](const QString& name, const std::vector<Start>& starts) {
        std::vector<double> times, cpu;
        for (const Start& start : starts) {
            times.push_back(start.wallMs);
            cpu.push_back(start.cpuMs);
        }
        printFigure(name, {*std::min_element(times.begin(), times.end()), median(times), -1});
        printLine(QStringLiteral("  processor time of the whole process, median: %1 ms")
                      .arg(median(cpu), 0, 'f', 1));
    };
    figure(QStringLiteral("empty Qt window, process start to first paint"), empty);
    printFigure(QStringLiteral("raw walk of the tree (in process, cache warm)"), walk);
    figure(QStringLiteral("filevane, no path, process start to first paint"), bare);
    figure(QStringLiteral("filevane DIR, process start to all %1 lines painted").arg(files),
           loaded);
    if (!before.empty()) {
        figure(QStringLiteral("baseline %1 DIR").arg(baseline), before);
        printLine(QStringLiteral("baseline DIR / floor: %1").arg(wall(before) / floor, 0, 'f', 2));
    }
    printLine(QStringLiteral("floor (empty window + raw walk, medians): %1 ms; "
                             "filevane DIR / floor: %2")
                  .arg(floor, 0, 'f', 1)
                  .arg(wall(loaded) / floor, 0, 'f', 2));
}

const BenchRegistrar reg("startup-load", run);

} // namespace
