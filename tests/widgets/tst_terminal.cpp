// The terminal jobs run as a user runs them: the program itself, with no display at all,
// on a temporary tree; what it prints, its exit status, and the files afterwards.

#include "mediafiles.h"
#include "temptree.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Every file of the tree with its content, "a/b.txt=content", sorted.
QList<QByteArray> files(const TempTree& tree, const QByteArray& folder = {})
{
    QList<QByteArray> out;
    for (const QByteArray& name : tree.list(folder)) {
        const QByteArray relative = folder.isEmpty() ? name : folder + '/' + name;
        if (QFileInfo(QFile::decodeName(tree.path(relative))).isDir())
            out += files(tree, relative);
        else
            out << relative + '=' + tree.content(relative);
    }
    return out;
}

} // namespace

class TestTerminal : public QObject {
    Q_OBJECT
private:
    // The program with no display, its settings and journals in the tree's "home".
    Run run(const TempTree& home, const QStringList& arguments, const QByteArray& input = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert("XDG_CONFIG_HOME", QString::fromUtf8(home.path("config")));
        environment.insert("XDG_DATA_HOME", QString::fromUtf8(home.path("data")));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(FILEVANE_BINARY), arguments);
        program.write(input);
        program.closeWriteChannel();
        if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit)
            return {};
        return {program.exitCode(), program.readAllStandardOutput(),
                program.readAllStandardError()};
    }

    static QByteArray routine(const QByteArray& steps, int version = 1)
    {
        return R"({"format": "filevane-routine", "version": )" + QByteArray::number(version) +
               R"(, "name": "Prefix", "steps": [)" + steps + "]}";
    }

private Q_SLOTS:
    void routineRuns_data()
    {
        QTest::addColumn<QByteArray>("routineFile");
        QTest::addColumn<QStringList>("arguments"); // options, then paths in the tree
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("printed");      // standard output, the tree as ROOT
        QTest::addColumn<QByteArray>("errors");       // a part of standard error
        QTest::addColumn<QList<QByteArray>>("after"); // empty: the tree as it was

        const QByteArray prefix =
            routine(R"({"operation": "insert-at-beginning", "answer": "x_"})");
        QTest::newRow("dry run prints every change and touches nothing")
            << prefix << QStringList{"--dry-run", "t"} << 0
            << QByteArray("ROOT/t/a_b.txt → x_a_b.txt\nROOT/t/caf\\xE9.txt → x_caf\\xE9.txt\n"
                          "ROOT/t/sub/c.txt → x_c.txt\nROOT/t/sub/x_c.txt → x_x_c.txt\n")
            << QByteArray() << QList<QByteArray>();
        QTest::newRow("apply renames byte-exact and counts")
            << prefix << QStringList{"t"} << 0
            << QByteArray("ROOT/t/a_b.txt → x_a_b.txt\nROOT/t/caf\\xE9.txt → x_caf\\xE9.txt\n"
                          "ROOT/t/sub/c.txt → x_c.txt\nROOT/t/sub/x_c.txt → x_x_c.txt\n"
                          "4 renamed, 0 not renamed\n")
            << QByteArray()
            << QList<QByteArray>{"t/sub/x_c.txt=c", "t/sub/x_x_c.txt=taken", "t/x_a_b.txt=ab",
                                 "t/x_caf\xe9.txt=latte"};
        QTest::newRow("a name taken on disk is not renamed")
            << prefix << QStringList{"t/sub/c.txt", "t/a_b.txt"} << 1
            << QByteArray("ROOT/t/sub/c.txt → x_c.txt\nROOT/t/a_b.txt → x_a_b.txt\n"
                          "1 renamed, 1 not renamed\n")
            << QByteArray("not renamed: ROOT/t/sub/c.txt → x_c.txt: a file with that name exists")
            << QList<QByteArray>{"t/caf\xe9.txt=latte", "t/sub/c.txt=c", "t/sub/x_c.txt=taken",
                                 "t/x_a_b.txt=ab"};
        QTest::newRow("groups; names that clash rename nothing")
            << routine(
                   R"({"operation": "replace", "find": "/^(\\w)_(\\w)$/", "replaceWith": "\\2"})")
            << QStringList{"t"} << 1
            << QByteArray("ROOT/t/a_b.txt → b.txt\nROOT/t/sub/x_c.txt → c.txt\nclash: "
                          "ROOT/t/sub/c.txt → c.txt\nclash: ROOT/t/sub/x_c.txt → c.txt\nNothing "
                          "was renamed: 2 names clash with another name in their folder.\n")
            << QByteArray() << QList<QByteArray>();
        QTest::newRow("a newer routine is named and nothing runs")
            << routine(R"({"operation": "insert-at-beginning", "answer": "x_"},
                          {"operation": "rot13"})",
                       2)
            << QStringList{"t"} << 2 << QByteArray()
            << QByteArray("“Prefix” was written by a newer version of Filevane (routine format "
                          "2; this one reads format 1): step 2 (rot13) cannot be run")
            << QList<QByteArray>();
        QTest::newRow("a damaged routine is named and nothing runs")
            << QByteArray("{\"format\": \"filevane-routine\",") << QStringList{"t"} << 2
            << QByteArray() << QByteArray("The routine “r” cannot be read: it is damaged")
            << QList<QByteArray>();
        QTest::newRow("a path that cannot be opened touches nothing")
            << prefix << QStringList{"t/a_b.txt", "t/gone"} << 2 << QByteArray()
            << QByteArray("ROOT/t/gone: cannot be opened") << QList<QByteArray>();
        QTest::newRow("--dry-run alone is a bad argument")
            << prefix << QStringList{"--dry-run"} << 2 << QByteArray()
            << QByteArray("--dry-run needs --routine") << QList<QByteArray>();
    }

    void routineRuns()
    {
        QFETCH(QByteArray, routineFile);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, printed);
        QFETCH(QByteArray, errors);
        QFETCH(QList<QByteArray>, after);
        TempTree home;
        home.addFile("r.json", routineFile);
        home.addFile("t/a_b.txt", "ab");
        home.addFile("t/caf\xe9.txt", "latte");
        home.addFile("t/sub/c.txt", "c");
        home.addFile("t/sub/x_c.txt", "taken");
        const QList<QByteArray> before = files(home, "t");
        const QString root = QString::fromUtf8(home.root());
        for (QString& argument : arguments) {
            if (!argument.startsWith('-'))
                argument = root + '/' + argument;
        }
        if (!arguments.contains("--dry-run") || arguments.size() > 1)
            arguments = QStringList{"--routine", root + "/r.json"} + arguments;

        const Run result = run(home, arguments);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, QByteArray(printed).replace("ROOT", home.root()));
        QVERIFY2(result.err.contains(QByteArray(errors).replace("ROOT", home.root())),
                 result.err.constData());
        QCOMPARE(files(home, "t"), after.isEmpty() ? before : after);
    }

    // Apply from the terminal, then undo it: every name and every byte comes back; the undo
    // says what it will do and asks, and without a terminal it needs --yes.
    void applyThenUndoRestoresEveryByte()
    {
        TempTree home;
        home.addFile("r.json", routine(R"({"operation": "all-uppercase"},
                                          {"operation": "extension-lowercase"})"));
        home.addFile("t/a_b.TXT", "ab");
        home.addFile("t/caf\xe9.txt", "latte");
        home.addFile("t/sub/c.txt", QByteArray("\0\x01\xff", 3));
        const QList<QByteArray> before = files(home, "t");
        const QString root = QString::fromUtf8(home.root());
        QCOMPARE(run(home, {"--routine", root + "/r.json", root + "/t"}).exitCode, 0);
        QCOMPARE(files(home, "t"), (QList<QByteArray>{"t/A_B.txt=ab", "t/CAF\xe9.txt=latte",
                                                      QByteArray("t/sub/C.txt=\0\x01\xff", 15)}));

        const Run refused = run(home, {"--undo"});
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.out.startsWith("Undo renames 3 files back:\n") &&
                     refused.out.contains("  " + home.root() + "/t/CAF\\xE9.txt → caf\\xE9.txt\n"),
                 refused.out.constData());
        QVERIFY(refused.err.contains("add --yes"));
        QCOMPARE(files(home, "t").size(), 3);
        QVERIFY(files(home, "t") != before);

        const Run undone = run(home, {"--undo", "--yes"});
        QCOMPARE(undone.exitCode, 0);
        QVERIFY2(undone.out.endsWith("3 renamed, 0 not renamed\n"), undone.out.constData());
        QCOMPARE(files(home, "t"), before);
        const Run nothing = run(home, {"--undo", "--yes"});
        QCOMPARE(nothing.exitCode, 0);
        QCOMPARE(nothing.out, QByteArray("Nothing to undo.\n"));
    }

    // Tags come through the metadata module, which the program loads when a template needs
    // them.
    void templatesReadTagsThroughTheModule()
    {
        TempTree home;
        home.addFile("r.json", routine(R"x({"operation": "custom-generation",
                                           "template": "[artist] - [title] ([year])"})x"));
        home.addFile("t/song.mp3", MediaFiles::mp3WithId3v1("Nina", "Blue", "1999"));
        const QString root = QString::fromUtf8(home.root());
        const Run result = run(home, {"--routine", root + "/r.json", "--dry-run", root + "/t"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, home.root() + "/t/song.mp3 → Nina - Blue (1999).mp3\n");
    }

    // A saved routine runs by its name.
    void savedRoutineRunsByName()
    {
        TempTree home;
        home.addFile("config/Filevane/routines/whatever.json",
                     routine(R"({"operation": "add-to-end", "answer": "!"})"));
        home.addFile("t/a.txt");
        const Run result =
            run(home, {"--routine", "Prefix", "--dry-run", QString::fromUtf8(home.path("t"))});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, home.root() + "/t/a.txt → a!.txt\n");
        const Run missing = run(home, {"--routine", "Nothing", QString::fromUtf8(home.path("t"))});
        QCOMPARE(missing.exitCode, 2);
        QCOMPARE(missing.err, QByteArray("filevane: There is no routine called “Nothing”.\n"));
    }
};

QTEST_GUILESS_MAIN(TestTerminal)
#include "tst_terminal.moc"
