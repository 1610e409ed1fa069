// Starting the program with arguments: --help and --version, paths loaded in the order given,
// and paths that cannot be opened.

#include "app/commandline.h"
#include "temptree.h"
#include "windowtesthelpers.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace {

QStringList loaded(const ItemStore& store)
{
    QStringList result;
    for (int i = 0; i < store.ItemCount(); ++i)
        result << store.item(i).ItemPath.section(QLatin1Char('/'), -1) + QLatin1Char('/') +
                      store.item(i).line();
    return result;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void programPrintsAndExits_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // a pattern of what is printed
        QTest::newRow("--help prints the usage with paths")
            << "--help" << 0 << "^Usage: .*filevane \\[options\\] \\[PATH\\.\\.\\.\\]";
        QTest::newRow("--help documents the terminal jobs")
            << "--help" << 0
            << "--routine <NAME_OR_FILE>[\\s\\S]*--dry-run[\\s\\S]*--undo[\\s\\S]*--yes";
        // The version as the package and the AppStream file name it, not the Info box's words.
        QTest::newRow("--version prints the build's version and the license")
            << "--version" << 0
            << QStringLiteral("^Filevane %1\\.%2\\.%3\nLicense GPL-3\\.0-or-later: ")
                   .arg(FILEVANE_VERSION_MAJOR)
                   .arg(FILEVANE_VERSION_MINOR)
                   .arg(FILEVANE_VERSION_PATCH);
        QTest::newRow("an unknown option is an error on standard error")
            << "--frobnicate" << 2 << "frobnicate";
    }

    void programPrintsAndExits()
    {
        QFETCH(QString, argument);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess program;
        program.start(QStringLiteral(FILEVANE_BINARY), {argument});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString printed = QString::fromLocal8Bit(
            exitCode == 0 ? program.readAllStandardOutput() : program.readAllStandardError());
        QVERIFY2(printed.contains(QRegularExpression(output)), qPrintable(printed));
    }

    void programNamesBadPathOnStandardError()
    {
        TempTree tree;
        tree.addFile("good.txt");
        const QString missing = QString::fromUtf8(tree.path("missing.txt"));
        QProcess program;
        program.start(QStringLiteral(FILEVANE_BINARY),
                      {missing, QString::fromUtf8(tree.path("good.txt"))});
        const QByteArray named =
            QStringLiteral("filevane: %1: cannot be opened\n").arg(missing).toLocal8Bit();
        QByteArray errors;
        // The window stays open with its message: read until the name shows, then end it.
        QTRY_VERIFY_WITH_TIMEOUT((errors += program.readAllStandardError()).contains(named), 30000);
        program.kill();
        program.waitForFinished();
        QVERIFY2(!errors.contains("good.txt"), errors.constData());
    }

    void pathsLoadInOrderGiven_data()
    {
        // The arguments are relative to the tree.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("unopened");
        using L = QStringList;
        QTest::newRow("files and a folder keep their order, the folder breadth-first")
            << L{"b.txt", "album", "a.txt"}
            << L{"root/b.txt", "album/1.mp3", "album/2.mp3", "cd2/3.mp3", "root/a.txt"} << L{};
        QTest::newRow("a missing path is named once, the others load")
            << L{"gone", "a.txt", "nothing.txt", "b.txt"} << L{"root/a.txt", "root/b.txt"}
            << L{"gone", "nothing.txt"};
        QTest::newRow("a missing name with a line break is named on one line")
            << L{"gone\nnow", "a.txt"} << L{"root/a.txt"} << L{"gone\nnow"};
    }

    void pathsLoadInOrderGiven()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, items);
        QFETCH(QStringList, unopened);
        TempTree tree;
        for (const char* file : {"root/a.txt", "root/b.txt", "root/album/1.mp3", "root/album/2.mp3",
                                 "root/album/cd2/3.mp3"})
            tree.addFile(file);
        const QString root = QString::fromUtf8(tree.path("root"));
        for (QString& argument : arguments)
            argument = root + QLatin1Char('/') + argument;
        const CommandLine::Result parsed = CommandLine::parse(QStringList{"filevane"} + arguments);
        QCOMPARE(parsed.action, CommandLine::Action::Run);
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        QStringList reported;
        window.openPaths(parsed.paths, [&reported](const QByteArray& path) {
            reported << QFile::decodeName(path).section(QLatin1Char('/'), -1);
        });

        QCOMPARE(loaded(window.store()), items);
        QCOMPARE(reported, unopened);
        QCOMPARE(platform.messages.size(), size_t(unopened.isEmpty() ? 0 : 1));
        for (const QString& name : unopened) {
            const QString shown = QString(name).replace(QLatin1Char('\n'), QLatin1String("\\n"));
            QVERIFY(platform.messages[0].text.contains(root + QLatin1Char('/') + shown));
        }
    }

    void relativePathsBecomeAbsolute()
    {
        TempTree tree;
        tree.addFile("dir/a.txt");
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QString::fromUtf8(tree.root())));
        // A name that is not UTF-8, as a file manager may pass it: kept byte for byte.
        const QByteArray latin1Name("caf\xe9.txt");
        const CommandLine::Result parsed =
            CommandLine::parse({"filevane", "dir/", "./dir/a.txt", QFile::decodeName(latin1Name)},
                               {"filevane", "dir/", "./dir/a.txt", latin1Name});
        QDir::setCurrent(previous);
        const QByteArray root =
            QFile::encodeName(QDir(QString::fromUtf8(tree.root())).canonicalPath());
        QCOMPARE(parsed.paths, (std::vector<QByteArray>{root + "/dir", root + "/dir/a.txt",
                                                        root + '/' + latin1Name}));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
