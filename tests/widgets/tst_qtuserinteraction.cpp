// The window as the application makes it, with no seam handed in: its own Qt dialogs
// must reach its own find and replace dialog without any wiring after construction.

#include "app/mainwindow.h"
#include "dialogs/findreplacedialog.h"
#include "windowtesthelpers.h"

class TestQtUserInteraction : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findReplaceOpensOnItsOwn_data();
    void findReplaceOpensOnItsOwn();
};

void TestQtUserInteraction::findReplaceOpensOnItsOwn_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("title");
    QTest::newRow("Replace... opens the dialog in replace mode") << true << "Replace...";
    QTest::newRow("Containing... opens the dialog in find mode") << false << "Find...";
}

void TestQtUserInteraction::findReplaceOpensOnItsOwn()
{
    QFETCH(bool, replace);
    QFETCH(QString, title);
    MainWindow window;
    fill(window, {"one", "two"});
    window.store().selectAll();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (replace)
        window.mFDef_Click(4);
    else
        window.mSSel_Click(1);
    QVERIFY(window.findReplaceDialog());
    QCOMPARE(window.findReplaceDialog()->windowTitle(), title);
    QVERIFY(!window.isEnabled());
}

QTEST_MAIN(TestQtUserInteraction)
#include "tst_qtuserinteraction.moc"
