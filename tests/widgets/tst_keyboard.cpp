// The window without a mouse: the tab order, accelerator letters that lead to one entry
// each, and the item menu opened from the keyboard at the current line.

#include "accelerators.h"
#include "app/filelistview.h"
#include "app/mainwindow.h"
#include "scriptedplatform.h"
#include "windowtesthelpers.h"

#include <QAction>
#include <QPushButton>

class TestKeyboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tabRunsDownButtonsThenListThenChecks();
    void everyEntryHasItsOwnLetter();
    void keyboardOpensItemMenuAtCurrentLine_data();
    void keyboardOpensItemMenuAtCurrentLine();
};

void TestKeyboard::tabRunsDownButtonsThenListThenChecks()
{
    using B = MainWindow::Button;
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    QVERIFY(showActive(window));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window.list()));
    const QList<QWidget*> expected = {window.list(),
                                      window.check(MainWindow::Check::RemoveAfterRename),
                                      window.check(MainWindow::Check::AlwaysOnTop),
                                      window.button(B::AddFiles),
                                      window.button(B::AddDirectory),
                                      window.button(B::Modify),
                                      window.button(B::ApplyAll),
                                      window.button(B::SortList),
                                      window.button(B::RestoreAll),
                                      window.button(B::ClearList),
                                      window.button(B::Info),
                                      window.button(B::Quit),
                                      window.list()};
    QList<QWidget*> visited = {QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, expected);
}

void TestKeyboard::everyEntryHasItsOwnLetter()
{
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    const QStringList faults = windowAcceleratorFaults(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestKeyboard::keyboardOpensItemMenuAtCurrentLine_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
}

void TestKeyboard::keyboardOpensItemMenuAtCurrentLine()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    fill(window, {"a", "b", "c", "d", "e", "f", "g"});
    QVERIFY(showActive(window));
    window.store().setCurrentLine(4);
    QWidget* viewport = window.list()->viewport();
    const QRect line = window.list()->visualRect(window.store().index(4, 0));
    const QRect lineOnScreen(viewport->mapToGlobal(line.topLeft()), line.size());
    QCursor::setPos(window.mapToGlobal(QPoint(window.width() - 2, window.height() - 2)));

    QPoint shownAt(-1, -1);
    QTimer::singleShot(0, [&shownAt] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shownAt = menu->pos();
            menu->close();
        }
    });
    QTest::keyClick(window.list(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // Just below the current line, at its left end, not at the pointer.
    QVERIFY2(lineOnScreen.adjusted(0, 0, 0, 2).contains(QPoint(lineOnScreen.left(), shownAt.y())),
             qPrintable(QStringLiteral("menu at %1,%2; line at %3,%4")
                            .arg(shownAt.x())
                            .arg(shownAt.y())
                            .arg(lineOnScreen.left())
                            .arg(lineOnScreen.bottom())));
    QVERIFY(shownAt.x() >= lineOnScreen.left() && shownAt.x() < lineOnScreen.center().x());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
