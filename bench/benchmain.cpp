#include "benchmark.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <stdio.h>
#include <string>
#include <vector>

namespace {

std::map<std::string, std::function<void()>>& groups()
{
    static std::map<std::string, std::function<void()>> all;
    return all;
}

double threadCpuMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

BenchRegistrar::BenchRegistrar(const char* group, std::function<void()> run)
{
    groups()[group] = std::move(run);
}

BenchStats timeRuns(int runs, const std::function<void()>& setup, const std::function<void()>& body)
{
    std::vector<double> times;
    double cpuMin = -1;
    for (int run = 0; run < runs; ++run) {
        if (setup)
            setup();
        const double cpu = threadCpuMs();
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        const double used = threadCpuMs() - cpu;
        cpuMin = cpuMin < 0 ? used : std::min(cpuMin, used);
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2], cpuMin};
}

void printFigure(const QString& name, const BenchStats& stats)
{
    if (stats.cpuMinMs >= 0)
        std::printf("%-60s min %9.2f ms   median %9.2f ms   cpu min %9.2f ms\n", qPrintable(name),
                    stats.minMs, stats.medianMs, stats.cpuMinMs);
    else
        std::printf("%-60s min %9.2f ms   median %9.2f ms\n", qPrintable(name), stats.minMs,
                    stats.medianMs);
    std::fflush(stdout);
}

bool renameAllRaw(const std::vector<std::pair<QByteArray, QByteArray>>& paths)
{
    bool ok = true;
    for (const auto& [source, target] : paths) {
        if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(),
                        RENAME_NOREPLACE) != 0)
            ok = false;
    }
    return ok;
}

void printLine(const QString& text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::vector<std::string> wanted(argv + 1, argv + argc);
    for (const auto& [name, run] : groups()) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), name) == wanted.end())
            continue;
        printLine(QStringLiteral("== %1").arg(QString::fromStdString(name)));
        run();
    }
    return 0;
}
