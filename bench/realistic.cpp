#include "benchmark.h"
#include "shownloader.h"

#include "list/fileloader.h"
#include "ops/opcode.h"
#include "platform/posixfilesystem.h"
#include "rename/duplicatecheck.h"
#include "rename/renamerunner.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

// Names as users have them: Cyrillic, Greek, CJK, emoji and accented Latin, with full
// paths of about 98 bytes, 32767 files in 1000 folders two levels deep.

namespace {

constexpr int ItemTotal = 32767;
constexpr int Runs = 7;

QByteArray folderOf(int file)
{
    static const char* const tops[] = {"Музыка", "Φωτογραφίες", "音乐收藏", "Vacances été"};
    static const char* const subs[] = {"Альбом", "Ταξίδι", "写真", "Fête 🎉"};
    const int folder = file % 1000;
    return QByteArray(tops[folder % 4]) + ' ' + QByteArray::number(folder / 40) + '/' +
           subs[(folder / 4) % 4] + ' ' + QByteArray::number(folder);
}

QByteArray nameOf(int file)
{
    static const char* const names[] = {
        "Кино - Группа крови",    "Μάνος Χατζιδάκις - Τα παιδιά", "久石譲 - 君をのせて",
        "Holiday 🎉🌴 beach photo", "Café de l'Été - Chanson",      "Ёжик в тумане - серия",
    };
    static const char* const exts[] = {".mp3", ".flac", ".jpg", ".txt"};
    return QByteArray(names[file % 6]) + ' ' + QByteArray::number(file) + exts[file % 4];
}

// Each item proposing "x" + its name, in an order that mixes the folders.
void fillStore(ItemStore& store, const QByteArray& root)
{
    store.clear();
    ItemStore::Batch batch(store);
    std::vector<QString> folders; // one text per folder, as the loader makes them
    for (int folder = 0; folder < 1000; ++folder)
        folders.push_back(QString::fromUtf8(root + '/' + folderOf(folder)));
    for (int file = 0; file < ItemTotal; ++file) {
        Item item;
        item.diskFolder = root + '/' + folderOf(file);
        item.diskName = nameOf(file);
        item.ItemPath = folders[size_t(file % 1000)];
        const QString name = QString::fromUtf8(item.diskName);
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        item.OrigName = name.left(dot);
        item.NewName = QStringLiteral("x") + item.OrigName;
        item.OrigExt = item.NewExt = name.mid(dot);
        store.append(item);
    }
}

void buildTree(TempTree& tree)
{
    for (int file = 0; file < ItemTotal; ++file)
        tree.addFile(folderOf(file) + '/' + nameOf(file));
}

void duplicateCheck()
{
    ItemStore store;
    fillStore(store, "/tmp/qt_temp-Ab12Cd");
    qint64 bytes = 0;
    for (int i = 0; i < ItemTotal; ++i)
        bytes += store.item(i).diskFolder.size() + 1 + store.item(i).diskName.size();
    printLine(
        QStringLiteral("mean path length %1 bytes").arg(double(bytes) / ItemTotal, 0, 'f', 1));
    const std::vector<char> everyItem(ItemTotal, 1);
    printFigure(QStringLiteral("duplicate check, 32767 realistic items, none found"),
                timeRuns(30, {}, [&] { DuplicateCheck::markDuplicates(store, everyItem); }));
}

void operations()
{
    ItemStore store;
    fillStore(store, "/tmp/qt_temp-Ab12Cd");
    store.selectAll();
    benchModifyItems(store, OpCode::AllUppercase, {},
                     QStringLiteral("ModifyItems 62 upper case, 32767 realistic items"));
    benchModifyItems(store, OpCode::AddToEnd, QStringLiteral(" ✓"),
                     QStringLiteral("ModifyItems 23 add to end, 32767 realistic items"));
}

void loadingAndApply()
{
    TempTree tree;
    buildTree(tree);
    const std::string root = tree.root().toStdString();
    rawWalk(root);
    const BenchStats raw = timeRuns(Runs, nullptr, [&] { rawWalk(root); });
    printFigure(QStringLiteral("raw readdir walk, realistic tree"), raw);

    {
        ShownLoader shown;
        FileLoader& loader = shown.loader;
        const BenchStats load = timeRuns(
            Runs, [&] { loader.clearList(); },
            [&] {
                loader.AddDirectory(tree.root());
                QCoreApplication::processEvents();
            });
        printFigure(QStringLiteral("AddDirectory, realistic tree, view shown"), load);
        printLine(QStringLiteral("ratio AddDirectory / raw walk: median %1")
                      .arg(load.medianMs / raw.medianMs, 0, 'f', 2));
    }

    std::vector<double> times;
    for (int run = 0; run < 3; ++run) {
        ItemStore store;
        ScriptedPlatform platform;
        FileLoader(store, platform, platform).AddDirectory(tree.root());
        for (int i = 0; i < store.ItemCount(); ++i)
            store.setNewName(i, (run % 2 ? QStringLiteral("y") : QStringLiteral("x")) +
                                    store.item(i).NewName);
        QElapsedTimer timer;
        timer.start();
        RenameRunner(store, platform).RenameFiles(true);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!platform.messages.empty() || store.ItemCount() != 0)
            printLine(QStringLiteral("WARNING: some renames failed"));
    }
    std::sort(times.begin(), times.end());
    printFigure(QStringLiteral("Apply all, 32767 realistic items, removed"),
                {times.front(), times[1]});
}

// The first Add directory of a process: a child process of this program times one raw
// walk (after warming the cache) and then its very first load with the view shown. The
// machine's own hiccups hit single runs, so the median of the runs is the figure.
void firstLoadInFreshProcess()
{
    TempTree tree;
    buildTree(tree);
    constexpr int Children = 5;
    std::vector<double> ratios;
    for (int run = 0; run < Children; ++run) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FILEVANE_BENCH_TREE"), QString::fromUtf8(tree.root()));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("first-load-child")});
        child.waitForFinished(120000);
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            printLine(line);
            const qsizetype at = line.indexOf(QStringLiteral("first / raw: wall "));
            if (at >= 0)
                ratios.push_back(line.mid(at + 18).section(QLatin1Char(','), 0, 0).toDouble());
        }
    }
    if (ratios.empty())
        return;
    std::sort(ratios.begin(), ratios.end());
    printLine(QStringLiteral("first / raw (wall), median of %1 fresh processes: %2")
                  .arg(ratios.size())
                  .arg(ratios[ratios.size() / 2], 0, 'f', 2));
}

double processCpuMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Wall and CPU time of one call; the CPU figure stays meaningful on a busy machine.
std::pair<double, double> timed(const std::function<void()>& body)
{
    const double cpu = processCpuMs();
    QElapsedTimer timer;
    timer.start();
    body();
    return {double(timer.nsecsElapsed()) / 1e6, processCpuMs() - cpu};
}

// Runs only in the child started above.
void firstLoadChild()
{
    const QByteArray root = qgetenv("FILEVANE_BENCH_TREE");
    if (root.isEmpty())
        return;
    rawWalk(root.toStdString());
    const auto raw = timed([&] { rawWalk(root.toStdString()); });
    ShownLoader shown;
    FileLoader& loader = shown.loader;
    // Page faults: in a fresh process the first large load touches every page anew.
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    long faults = usage.ru_minflt;
    const auto first = timed([&] {
        loader.AddDirectory(root);
        QCoreApplication::processEvents();
    });
    ::getrusage(RUSAGE_SELF, &usage);
    faults = usage.ru_minflt - faults;
    loader.clearList();
    QCoreApplication::processEvents();
    const auto second = timed([&] {
        loader.AddDirectory(root);
        QCoreApplication::processEvents();
    });
    printLine(QStringLiteral("page faults during the first AddDirectory: %1").arg(faults));
    printLine(QStringLiteral("fresh process: raw walk %1 ms (cpu %2), first AddDirectory %3 ms "
                             "(cpu %4), second %5 ms (cpu %6); first / raw: wall %7, cpu %8")
                  .arg(raw.first, 0, 'f', 1)
                  .arg(raw.second, 0, 'f', 1)
                  .arg(first.first, 0, 'f', 1)
                  .arg(first.second, 0, 'f', 1)
                  .arg(second.first, 0, 'f', 1)
                  .arg(second.second, 0, 'f', 1)
                  .arg(first.first / raw.first, 0, 'f', 2)
                  .arg(first.second / raw.second, 0, 'f', 2));
}

const BenchRegistrar reg("realistic", [] {
    duplicateCheck();
    operations();
    loadingAndApply();
});
const BenchRegistrar first("first-load", firstLoadInFreshProcess);
const BenchRegistrar child("first-load-child", firstLoadChild);

} // namespace
