// The popup menus: every entry reaches its handler with its index and operation code,
// disabled entries stay dead, shortcuts work without a menu, and the list's own events.

#include "app/filelistview.h"
#include "app/mainwindow.h"
#include "scriptedplatform.h"
#include "windowtesthelpers.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

void fill(MainWindow& window, const QStringList& names)
{
    for (const QString& name : names)
        window.store().append(makeItem("/music", name, QStringLiteral(".mp3")));
}

// A shown and active window, so that window shortcuts apply.
bool showActive(MainWindow& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class TestPopupMenus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entryReachesHandler_data();
    void entryReachesHandler();
    void disabledEntries_data();
    void disabledEntries();
    void disabledEntryIgnoresClickInOpenMenu();
    void defaultEntryIsManualEdit();
    void captionsOfBothMenus();
    void enumSettingsToggle();
    void shortcuts_data();
    void shortcuts();
    void deadShortcuts_data();
    void deadShortcuts();
    void nothingReachableWhileDialogOpen();
    void listEventsOpenItemMenu_data();
    void listEventsOpenItemMenu();
    void doubleClickEditsByHand();
    void deleteRemovesSelected();
};

void TestPopupMenus::entryReachesHandler_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("handler");
    QTest::addColumn<int>("op"); // -1: no ModifyItems

    QTest::newRow("Enter manual...") << "mFManual" << -1 << "mFManual_Click" << -1;
    QTest::newRow("Apply") << "mFApply" << -1 << "mFApply_Click" << -1;
    QTest::newRow("Select All") << "mSAll" << -1 << "mSAll_Click" << -1;
    QTest::newRow("Select None") << "mSNone" << -1 << "mSNone_Click" << -1;
    for (int i = 0; i < 4; ++i)
        QTest::addRow("mSSel(%d)", i) << "mSSel" << i << "mSSel_Click" << -1;
    for (int i = 0; i < 7; ++i)
        QTest::addRow("mSortSel(%d)", i) << "mSortSel" << i << "mSortSel_Click" << -1;
    QTest::newRow("Sort > Inverse") << "mInvertSel" << -1 << "mInvertSel_Click" << -1;
    for (int i = 0; i < 5; ++i)
        QTest::addRow("mFDef(%d) is code %d", i, 20 + i) << "mFDef" << i << "mFDef_Click" << 20 + i;
    for (int i = 5; i < 7; ++i)
        QTest::addRow("mNumbers(%d) is code %d", i, 30 + i)
            << "mNumbers" << i << "mNumbers_Click" << 30 + i;
    for (int i = 0; i < 3; ++i)
        QTest::addRow("mEnumSettings(%d)", i)
            << "mEnumSettings" << i << "mEnumSettings_Click" << -1;
    for (int i = 0; i < 4; ++i)
        QTest::addRow("mFCutX(%d) is code %d", i, 40 + i)
            << "mFCutX" << i << "mFCutX_Click" << 40 + i;
    for (int i = 2; i < 4; ++i)
        QTest::addRow("mFCase(%d) is code %d", i, 60 + i)
            << "mFCase" << i << "mFCase_Click" << 60 + i;
    for (int i : {0, 1, 2, 3, 4, 7, 8, 9})
        QTest::addRow("mFMP3(%d) is code %d", i, 70 + i) << "mFMP3" << i << "mFMP3_Click" << 70 + i;
    for (int i = 0; i < 2; ++i)
        QTest::addRow("mEExt(%d) is code %d", i, 90 + i) << "mEExt" << i << "mEExt_Click" << 90 + i;
    QTest::newRow("Extension > Change... is code 99")
        << "mFChangeExt" << -1 << "mFChangeExt_Click" << 99;
    QTest::newRow("Restore name is code 100") << "mFRestore" << -1 << "mFRestore_Click" << 100;
    QTest::newRow("Remove from list") << "mRemove" << -1 << "mRemove_Click" << -1;
    for (int i = 0; i < 7; ++i)
        QTest::addRow("mSort(%d)", i) << "mSort" << i << "mSort_Click" << -1;
    QTest::newRow("list Inverse") << "mInvertList" << -1 << "mInvertList_Click" << -1;
}

void TestPopupMenus::entryReachesHandler()
{
    QFETCH(QString, entry);
    QFETCH(int, index);
    QFETCH(QString, handler);
    QFETCH(int, op);
    ScriptedPlatform platform; // every prompt is cancelled
    MainWindow window(platform);
    fill(window, {"b", "a"});
    QAction* action = window.menus().action(entry, index);
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    QSignalSpy dispatched(&window, &MainWindow::commandDispatched);
    QSignalSpy operations(&window, &MainWindow::operationRequested);
    action->trigger();
    QCOMPARE(dispatched.count(), 1);
    QCOMPARE(dispatched[0][0].toString(), handler);
    QCOMPARE(dispatched[0][1].toInt(), index);
    if (op < 0) {
        QCOMPARE(operations.count(), 0);
    } else {
        QCOMPARE(operations.count(), 1);
        QCOMPARE(operations[0][0].toInt(), op);
    }
}

void TestPopupMenus::disabledEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("index");
    QTest::newRow("With extension") << "mSSelExt" << -1;
    QTest::newRow("Move up") << "mMove" << 0;
    QTest::newRow("Move down") << "mMove" << 1;
    for (int i = 0; i < 5; ++i)
        QTest::addRow("mNumbers(%d)", i) << "mNumbers" << i;
    for (int i = 0; i < 4; ++i)
        QTest::addRow("mFCropx(%d)", i) << "mFCropx" << i;
    QTest::newRow("Smart case") << "mFCase" << 0;
    QTest::newRow("Upper-Lower-Case") << "mFCase" << 1;
    QTest::newRow("Swap infos (any)") << "mFMP3" << 5;
    QTest::newRow("Custom generation...") << "mFCustom" << -1;
}

void TestPopupMenus::disabledEntries()
{
    QFETCH(QString, entry);
    QFETCH(int, index);
    ScriptedPlatform platform;
    MainWindow window(platform);
    QAction* action = window.menus().action(entry, index);
    QVERIFY(action);
    QVERIFY(!action->isEnabled());
    QSignalSpy dispatched(&window, &MainWindow::commandDispatched);
    action->trigger();
    QCOMPARE(dispatched.count(), 0);
}

void TestPopupMenus::disabledEntryIgnoresClickInOpenMenu()
{
    ScriptedPlatform platform;
    MainWindow window(platform);
    QVERIFY(showActive(window));
    QSignalSpy dispatched(&window, &MainWindow::commandDispatched);
    QMenu* menu = window.menus().itemMenu();
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
        QAction* moveUp = window.menus().action("mMove", 0);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(moveUp).center());
        stillOpen = menu->isVisible();
        menu->close();
    });
    window.popUp(menu);
    QVERIFY(stillOpen);
    QCOMPARE(dispatched.count(), 0);
}

void TestPopupMenus::defaultEntryIsManualEdit()
{
    ScriptedPlatform platform;
    MainWindow window(platform);
    QAction* manual = window.menus().itemMenu()->defaultAction();
    QVERIFY(manual);
    QCOMPARE(manual->text(), QStringLiteral("Enter manual..."));
    QCOMPARE(window.menus().itemMenu()->actions().first(), manual);
    QCOMPARE(window.menus().listMenu()->defaultAction(), nullptr);
}

void TestPopupMenus::captionsOfBothMenus()
{
    ScriptedPlatform platform;
    MainWindow window(platform);
    auto captions = [](const QMenu* menu) {
        QStringList result;
        for (const QAction* action : menu->actions())
            result << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return result;
    };
    QCOMPARE(captions(window.menus().itemMenu()), (QStringList{"Enter manual...",
                                                               "-",
                                                               "Apply",
                                                               "-",
                                                               "Select",
                                                               "Move up",
                                                               "Move down",
                                                               "Sort",
                                                               "-",
                                                               "Cut first word",
                                                               "Cut last word",
                                                               "Insert at beginning...",
                                                               "Add to end...",
                                                               "Replace...",
                                                               "More",
                                                               "Case",
                                                               "Music related",
                                                               "-",
                                                               "Custom generation...",
                                                               "-",
                                                               "Extension",
                                                               "-",
                                                               "Restore name",
                                                               "-",
                                                               "Remove from list"}));
    QCOMPARE(captions(window.menus().listMenu()),
             (QStringList{"Sort by full name", "Sort by path/filename",
                          "Sort by filename/extension", "Sort by path", "Sort by filename",
                          "Sort by extension", "Sort by path/extension", "-", "Inverse"}));
    const auto* select = window.menus().itemMenu()->findChild<QMenu*>(QStringLiteral("mS"));
    QVERIFY(select);
    QCOMPARE(captions(select),
             (QStringList{"&All", "-", "&Invert", "&Containing...", "&Min. length", "Ma&x. lenght",
                          "-", "With extension", "-", "&None"}));
    QCOMPARE(window.menus().action("mSortSel", 6)->text(),
             QStringLiteral("Sort by path / extension"));
}

void TestPopupMenus::enumSettingsToggle()
{
    ScriptedPlatform platform;
    MainWindow window(platform);
    QAction* fixed = window.menus().action("mEnumSettings", 0);
    QAction* zero = window.menus().action("mEnumSettings", 1);
    fixed->trigger();
    QVERIFY(!window.switches().FixedWidthNumbers);
    QVERIFY(!fixed->isChecked());
    fixed->trigger();
    QVERIFY(window.switches().FixedWidthNumbers);
    QVERIFY(fixed->isChecked());
    zero->trigger();
    QVERIFY(window.switches().IncludeZero);
    QVERIFY(zero->isChecked());
    QVERIFY(!window.switches().InverseEnumeration);
}

void TestPopupMenus::shortcuts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("selectedBefore");
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::newRow("Ctrl+A selects all") << int(Qt::Key_A) << QList<int>{1} << QList<int>{0, 1, 2};
    QTest::newRow("Ctrl+I inverts") << int(Qt::Key_I) << QList<int>{1} << QList<int>{0, 2};
    QTest::newRow("Ctrl+N selects none") << int(Qt::Key_N) << QList<int>{0, 2} << QList<int>{};
}

void TestPopupMenus::shortcuts()
{
    QFETCH(int, key);
    QFETCH(QList<int>, selectedBefore);
    QFETCH(QList<int>, selectedAfter);
    ScriptedPlatform platform;
    MainWindow window(platform);
    fill(window, {"one", "two", "three"});
    for (int line : selectedBefore)
        window.store().setSelected(line, true);
    QVERIFY(showActive(window));
    window.list()->setFocus();
    QTest::keyClick(window.list(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(selectedLines(window.store()), selectedAfter);
    QVERIFY(!QApplication::activePopupWidget());
}

void TestPopupMenus::deadShortcuts_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Ctrl+E (With extension)") << int(Qt::Key_E);
    QTest::newRow("Ctrl+U (Move up)") << int(Qt::Key_U);
    QTest::newRow("Ctrl+D (Move down)") << int(Qt::Key_D);
}

void TestPopupMenus::deadShortcuts()
{
    QFETCH(int, key);
    ScriptedPlatform platform;
    MainWindow window(platform);
    fill(window, {"one", "two", "three"});
    window.store().setSelected(1, true);
    window.store().setCurrentLine(1);
    QVERIFY(showActive(window));
    QSignalSpy dispatched(&window, &MainWindow::commandDispatched);
    QTest::keyClick(window.list(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(dispatched.count(), 0);
    QCOMPARE(lines(window.store()), (QStringList{"one.mp3", "two.mp3", "three.mp3"}));
    QCOMPARE(selectedLines(window.store()), QList<int>{1});
}

void TestPopupMenus::nothingReachableWhileDialogOpen()
{
    ScriptedPlatform platform;
    MainWindow window(platform);
    platform.onShowFindReplace = [&window] { window.openFindReplace(); };
    fill(window, {"one", "two"});
    QVERIFY(showActive(window));
    QTest::keyClick(window.list(), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(platform.findReplaceShown, 1);
    QVERIFY(window.findReplaceDialog());
    QVERIFY(!findReplace().ReplaceMode);
    QVERIFY(!window.isEnabled());

    QSignalSpy dispatched(&window, &MainWindow::commandDispatched);
    QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
    window.menus().action("mSAll")->trigger();
    window.menus().action("mFDef", 3)->trigger();
    Q_EMIT window.list()->menuRequested();
    Q_EMIT window.list()->removeRequested();
    QCOMPARE(dispatched.count(), 0);
    QVERIFY(selectedLines(window.store()).isEmpty());
    QCOMPARE(window.store().ItemCount(), 2);

    window.findReplaceDialog()->reject();
    QVERIFY(window.isEnabled());
}

void TestPopupMenus::listEventsOpenItemMenu_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("right click on the list") << "right click";
    QTest::newRow("context-menu key in the list") << "menu key";
    QTest::newRow("Modify button") << "button";
}

void TestPopupMenus::listEventsOpenItemMenu()
{
    QFETCH(QString, how);
    ScriptedPlatform platform;
    MainWindow window(platform);
    fill(window, {"one", "two"});
    QVERIFY(showActive(window));
    QSignalSpy opening(&window, &MainWindow::menuOpening);
    QMenu* shown = nullptr;
    QTimer::singleShot(0, [&shown] {
        shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (shown)
            shown->close();
    });
    if (how == "right click")
        QTest::mouseClick(window.list()->viewport(), Qt::RightButton, {}, QPoint(20, 5));
    else if (how == "menu key")
        QTest::keyClick(window.list(), Qt::Key_Menu);
    else
        QTest::mouseClick(window.button(2), Qt::LeftButton);
    QCOMPARE(opening.count(), 1);
    QCOMPARE(shown, window.menus().itemMenu());
    QCOMPARE(shown->defaultAction()->text(), QStringLiteral("Enter manual..."));
}

void TestPopupMenus::doubleClickEditsByHand()
{
    ScriptedPlatform platform;
    platform.inputAnswers.push_back(QStringLiteral("typed"));
    MainWindow window(platform);
    fill(window, {"one", "two"});
    QVERIFY(showActive(window));
    const QPoint second = window.list()->visualRect(window.store().index(1, 0)).center();
    QTest::mouseClick(window.list()->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(window.list()->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(platform.prompts.size(), size_t(1));
    QCOMPARE(platform.prompts[0].preset, QStringLiteral("two"));
    QCOMPARE(lines(window.store()), (QStringList{"one.mp3", "typed.mp3"}));
}

void TestPopupMenus::deleteRemovesSelected()
{
    ScriptedPlatform platform;
    MainWindow window(platform);
    fill(window, {"one", "two", "three"});
    window.store().setSelected(0, true);
    window.store().setSelected(2, true);
    QVERIFY(showActive(window));
    QTest::keyClick(window.list(), Qt::Key_Delete);
    QCOMPARE(lines(window.store()), (QStringList{"two.mp3"}));
}

QTEST_MAIN(TestPopupMenus)
#include "tst_popupmenus.moc"
