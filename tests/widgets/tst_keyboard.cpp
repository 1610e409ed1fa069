// The window without a mouse: the tab order, accelerator letters that lead to one entry
// each, and the item menu opened from the keyboard at the current line.

#include "app/filelistview.h"
#include "app/mainwindow.h"
#include "scriptedplatform.h"
#include "windowtesthelpers.h"

#include <QAction>
#include <QPushButton>

namespace {

// The accelerator letter of a caption ("Add &to end..." gives t), or none; "&&" is a
// literal ampersand.
QChar accelerator(const QString& caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// Entries without a letter, or with a letter that another entry of the same menu has,
// in every menu and submenu below menu.
QStringList acceleratorFaults(const QMenu* menu)
{
    QStringList faults;
    QHash<QChar, QString> taken;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QChar letter = accelerator(action->text());
        if (letter.isNull())
            faults << menu->title() + QStringLiteral(" > \"") + action->text() +
                          QStringLiteral("\" has no letter");
        else if (taken.contains(letter))
            faults << menu->title() + QStringLiteral(" > \"") + action->text() +
                          QStringLiteral("\" shares its letter with \"") + taken[letter] + '"';
        else
            taken.insert(letter, action->text());
        if (action->menu())
            faults << acceleratorFaults(action->menu());
    }
    return faults;
}

} // namespace

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
    // Add files is disabled, so Tab passes it by.
    const QList<QWidget*> expected = {window.list(),
                                      window.check(MainWindow::Check::RemoveAfterRename),
                                      window.check(MainWindow::Check::AlwaysOnTop),
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
    QStringList faults =
        acceleratorFaults(window.menus().itemMenu()) + acceleratorFaults(window.menus().listMenu());
    // The buttons and check boxes share the window, so their letters must differ too.
    QMenu controls;
    controls.setTitle(QStringLiteral("window"));
    for (const QAbstractButton* control : window.findChildren<QAbstractButton*>())
        controls.addAction(control->text());
    faults << acceleratorFaults(&controls);
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
