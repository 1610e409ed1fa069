// A path on the command line that is not valid UTF-8 (an old Latin-1 name handed over by
// a file manager) reaches the very file it names, and renaming it keeps its other bytes.

#include "app/commandline.h"
#include "app/mainwindow.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <QDir>
#include <QTest>

class TestByteArguments : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void latin1PathLoadsAndRenamesByteExact_data();
    void latin1PathLoadsAndRenamesByteExact();
};

void TestByteArguments::latin1PathLoadsAndRenamesByteExact_data()
{
    QTest::addColumn<QByteArray>("argument"); // relative to the tree's root
    QTest::newRow("relative, through a folder named in Latin-1")
        << QByteArray("./d\xe9j\xe0/../d\xe9j\xe0/caf\xe9.txt");
    QTest::newRow("the folder itself") << QByteArray("d\xe9j\xe0");
}

void TestByteArguments::latin1PathLoadsAndRenamesByteExact()
{
    QFETCH(QByteArray, argument);
    TempTree tree;
    tree.addFile("d\xe9j\xe0/caf\xe9.txt", "latte");
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QString::fromUtf8(tree.root())));
    // Qt hands the argument over decoded with a replacement mark; the raw bytes decide.
    const CommandLine::Result parsed =
        CommandLine::parse({"filevane", QString::fromLocal8Bit(argument)}, {"filevane", argument});
    QDir::setCurrent(previous);

    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    window.openPaths(parsed.paths);
    QCOMPARE(window.store().ItemCount(), 1);
    const QByteArray folder = QDir(QString::fromUtf8(tree.root())).canonicalPath().toUtf8();
    QCOMPARE(window.store().item(0).diskFolder, folder + "/d\xe9j\xe0");
    QCOMPARE(window.store().item(0).diskName, QByteArray("caf\xe9.txt"));

    window.store().setNewName(0, QStringLiteral("x") + window.store().item(0).NewName);
    window.eButton_Click(3); // Apply all
    QVERIFY(platform.messages.empty());
    QCOMPARE(tree.list("d\xe9j\xe0"), std::vector<QByteArray>{"xcaf\xe9.txt"});
    QCOMPARE(tree.content("d\xe9j\xe0/xcaf\xe9.txt"), QByteArray("latte"));
}

QTEST_MAIN(TestByteArguments)
#include "tst_bytearguments.moc"
