#include "benchmark.h"
#include "shownloader.h"

#include "app/mainwindow.h"
#include "app/routinecommands.h"
#include "list/itemstore.h"
#include "routines/routinelibrary.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>

#include <sys/resource.h>

namespace {

constexpr int ItemTotal = 32767;

QString routineText(const QByteArray& steps)
{
    return QString::fromUtf8(
        R"({"format": "filevane-routine", "version": 1, "name": "R", "steps": [)" + steps + "]}");
}

const QByteArray fiveSteps = R"({"operation": "cut-numbers"},
    {"operation": "smart-case"},
    {"operation": "replace", "find": "_", "replaceWith": " ", "repeat": true},
    {"operation": "custom-generation", "template": "[N] [C:1,1,5]"},
    {"operation": "extension-lowercase"})";

void fill(ItemStore& store)
{
    ItemStore::Batch batch(store);
    for (int i = 0; i < ItemTotal; ++i) {
        Item item;
        item.ItemPath = QStringLiteral("/music/Album %1").arg(i / 33);
        item.OrigName = item.NewName =
            QStringLiteral("%1_artist_name_-_song_title_%2").arg(i % 20).arg(i);
        item.OrigExt = item.NewExt = QStringLiteral(".MP3");
        item.diskName = (item.OrigName + item.OrigExt).toUtf8();
        store.append(item);
    }
    store.selectAll();
}

// A saved five-step routine chosen in the window on a full list, every line selected:
// reading the file, five calls of ModifyItems, and the repaint.
void fiveStepRoutineInTheWindow()
{
    QTemporaryDir folder;
    RoutineLibrary library(folder.path());
    QFile file(folder.path() + QStringLiteral("/R.json"));
    file.open(QIODevice::WriteOnly);
    file.write(routineText(fiveSteps).toUtf8());
    file.close();

    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    window.routines().setLibrary(library);
    fill(window.store());
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents();
    ItemStore& store = window.store();
    printFigure(QStringLiteral("window: five-step routine, 32767 lines, + repaint"),
                timeRuns(
                    7,
                    [&] {
                        ItemStore::Batch batch(store);
                        for (int i = 0; i < store.ItemCount(); ++i) {
                            store.setNewName(i, store.item(i).OrigName);
                            store.setNewExt(i, store.item(i).OrigExt);
                        }
                        window.routines().startRecording();
                        QApplication::processEvents();
                    },
                    [&] {
                        window.routines().runRoutine(QStringLiteral("R"));
                        QApplication::processEvents();
                        window.list()->viewport()->repaint();
                    }));
    printLine(QStringLiteral("  line 0 after the run: %1").arg(store.item(0).line()));
}

void patternReplace()
{
    ItemStore store;
    fill(store);
    FindReplaceValues values;
    values.ReplaceMode = true;
    values.FindText = QStringLiteral("/(\\w+)_-_(\\w+)/");
    values.ReplaceWith = QStringLiteral("\\2 - \\1");
    values.RepeatReplace = true;
    benchModifyItems(store, OpCode::ReplaceWithFindValues, QString(),
                     QStringLiteral("ModifyItems 200 pattern with groups, 32767 items"), true,
                     values);
}

// 32767 files in 1000 folders (10 folders of 99 subfolders each, and the 10 themselves).
void buildTree(const QByteArray& root)
{
    std::vector<QByteArray> folders;
    for (int a = 0; a < 10; ++a) {
        folders.push_back(root + "/set " + QByteArray::number(a));
        for (int b = 0; b < 99; ++b)
            folders.push_back(folders[size_t(a) * 100] + "/album_" + QByteArray::number(b));
    }
    for (const QByteArray& f : folders)
        QDir().mkpath(QString::fromUtf8(f));
    for (int i = 0; i < ItemTotal; ++i) {
        QFile file(QString::fromUtf8(folders[size_t(i) % folders.size()] + "/track_" +
                                     QByteArray::number(i) + "_name.mp3"));
        file.open(QIODevice::WriteOnly);
    }
}

// CPU time (user and system) of the finished child processes so far, in ms: on a busy
// machine it says more than the wall time.
double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct ProcessTime {
    double wall = 0;
    double cpu = 0;
};

ProcessTime processTime(const QString& program, const QStringList& arguments, const QString& home,
                        int* exitCode = nullptr)
{
    const double cpuBefore = childrenCpuMs();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (exitCode)
        *exitCode = process.exitCode();
    return {ms, childrenCpuMs() - cpuBefore};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void terminal()
{
    QTemporaryDir home;
    const QString routine = home.path() + QStringLiteral("/prefix.json");
    QFile file(routine);
    file.open(QIODevice::WriteOnly);
    file.write(routineText(R"({"operation": "insert-at-beginning", "answer": "x_"})").toUtf8());
    file.close();
    const QString tree = home.path() + QStringLiteral("/tree");
    buildTree(tree.toUtf8());
    const QString binary = QStringLiteral(FILEVANE_BINARY);

    // Dry run as a whole process against the raw walk, both on a warm cache.
    rawWalk(tree.toStdString());
    std::vector<double> walk, find, dry, findCpu, dryCpu;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        rawWalk(tree.toStdString());
        walk.push_back(double(timer.nsecsElapsed()) / 1e6);
        const ProcessTime f =
            processTime(QStringLiteral("find"),
                        {tree, QStringLiteral("-type"), QStringLiteral("f")}, home.path());
        const ProcessTime d = processTime(
            binary, {QStringLiteral("--routine"), routine, QStringLiteral("--dry-run"), tree},
            home.path());
        find.push_back(f.wall);
        findCpu.push_back(f.cpu);
        dry.push_back(d.wall);
        dryCpu.push_back(d.cpu);
    }
    printLine(QStringLiteral("raw walk (in process) median %1 ms; find as a process %2 ms")
                  .arg(median(walk), 0, 'f', 1)
                  .arg(median(find), 0, 'f', 1));
    printLine(QStringLiteral("filevane --routine --dry-run, 32767 files in 1000 folders, whole "
                             "process: median %1 ms = %2 x the raw walk, %3 x find")
                  .arg(median(dry), 0, 'f', 1)
                  .arg(median(dry) / median(walk), 0, 'f', 2)
                  .arg(median(dry) / median(find), 0, 'f', 2));
    printLine(QStringLiteral("  CPU time: filevane --dry-run median %1 ms, find %2 ms (%3 x)")
                  .arg(median(dryCpu), 0, 'f', 1)
                  .arg(median(findCpu), 0, 'f', 1)
                  .arg(median(dryCpu) / median(findCpu), 0, 'f', 2));

    // The whole job, prefix and rename, each on a fresh copy of the tree.
    std::vector<double> ours, perl, oursCpu, perlCpu;
    for (int run = 0; run < 3; ++run) {
        for (const bool filevane : {true, false}) {
            const QString copy = home.path() + QStringLiteral("/copy");
            QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), copy});
            QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), tree, copy});
            rawWalk(copy.toStdString());
            int status = -1;
            if (filevane) {
                const ProcessTime t = processTime(
                    binary, {QStringLiteral("--routine"), routine, copy}, home.path(), &status);
                ours.push_back(t.wall);
                oursCpu.push_back(t.cpu);
            } else {
                const ProcessTime t = processTime(
                    QStringLiteral("sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral("find '%1' -type f -print0 | rename -0 's{([^/]+)$}{x_$1}'")
                         .arg(copy)},
                    home.path(), &status);
                perl.push_back(t.wall);
                perlCpu.push_back(t.cpu);
            }
            if (status != 0)
                printLine(QStringLiteral("  (exit status %1)").arg(status));
        }
    }
    printLine(QStringLiteral("prefix every name of 32767 files and rename, whole process: "
                             "filevane --routine median %1 ms, perl rename median %2 ms")
                  .arg(median(ours), 0, 'f', 1)
                  .arg(median(perl), 0, 'f', 1));
    printLine(QStringLiteral("  CPU time: filevane median %1 ms, perl rename (with find) %2 ms")
                  .arg(median(oursCpu), 0, 'f', 1)
                  .arg(median(perlCpu), 0, 'f', 1));
}

const BenchRegistrar reg("routines", [] {
    fiveStepRoutineInTheWindow();
    patternReplace();
});
const BenchRegistrar regTerminal("routines-terminal", terminal);

} // namespace
