// The popup menus: every entry reaches its handler with its index and operation
// code (every entry is enabled), shortcuts work without a menu, and the
// list's own events.

#include "app/filelistview.h"
#include "app/mainwindow.h"
#include "scriptedplatform.h"
#include "windowtesthelpers.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>

namespace {

QStringList captions(const QMenu* menu)
{
    QStringList result;
    for (const QAction* action : menu->actions())
        result << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return result;
}

} // namespace

class TestPopupMenus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Applies keep their journals in the test folders, not in the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void entries_data();
    void entries();
    void captionsAndDefaultEntry_data();
    void captionsAndDefaultEntry();
    void enumSettingsToggle();
    void shortcuts_data();
    void shortcuts();
    void nothingReachableWhileDialogOpen();
    void menuOpeners_data();
    void menuOpeners();
    void doubleClickEditsByHand();
    void deleteRemovesSelected();
};

void TestPopupMenus::entries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("op"); // -1: no ModifyItems
    struct Row {
        const char* entry;
        QList<int> indexes; // {-1}: an entry outside an array
        int op;             // the operation code of index 0 (or of the lone entry), or -1
        bool enabled = true;
    };
    // clang-format off
    const Row rows[] = {
        {"mFManual", {-1}, -1}, {"mFApply", {-1}, -1}, {"mSAll", {-1}, -1}, {"mSNone", {-1}, -1},
        {"mSSel", {0, 1, 2, 3}, -1}, {"mSortSel", {0, 1, 2, 3, 4, 5, 6}, -1},
        {"mInvertSel", {-1}, -1}, {"mFDef", {0, 1, 2, 3, 4}, 20},
        {"mNumbers", {0, 1, 2, 3, 4, 5, 6}, 30}, {"mEnumSettings", {0, 1, 2}, -1},
        {"mFCutX", {0, 1, 2, 3}, 40}, {"mFCropx", {0, 1, 2, 3}, 50}, {"mFCase", {0, 1, 2, 3}, 60},
        {"mFMP3", {0, 1, 2, 3, 4, 5, 7, 8, 9}, 70}, {"mEExt", {0, 1}, 90},
        {"mFCustom", {-1}, 80}, {"mFChangeExt", {-1}, 99}, {"mFRestore", {-1}, 100},
        {"mRemove", {-1}, -1}, {"mSort", {0, 1, 2, 3, 4, 5, 6}, -1}, {"mInvertList", {-1}, -1},
        {"mSSelExt", {-1}, -1}, {"mMove", {0, 1}, -1},
        {"mFUndo", {-1}, -1, false}, {"mUndoList", {-1}, -1, false}, // nothing to undo
    };
    // clang-format on
    for (const Row& row : rows) {
        for (int index : row.indexes) {
            const int op = row.op < 0 ? -1 : row.op + qMax(index, 0);
            QTest::addRow("%s(%d)%s code %d", row.entry, index, row.enabled ? "" : " disabled", op)
                << row.entry << index << row.enabled << op;
        }
    }
}

void TestPopupMenus::entries()
{
    QFETCH(QString, entry);
    QFETCH(int, index);
    QFETCH(bool, enabled);
    QFETCH(int, op);
    ScriptedPlatform platform; // every prompt is cancelled
    MainWindow window(platform, platform);
    fill(window, {"b", "a"});
    QAction* action = window.menus().action(entry, index);
    QVERIFY(action);
    QCOMPARE(action->isEnabled(), enabled);
    QSignalSpy dispatched(&window, &MainWindow::commandDispatched);
    QSignalSpy operations(&window, &MainWindow::operationRequested);
    // "Custom generation..." waits in its dialog: cancel it.
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    action->trigger();
    QCOMPARE(dispatched.count(), enabled ? 1 : 0);
    if (enabled) {
        QCOMPARE(dispatched[0][0].toString(), entry + "_Click");
        QCOMPARE(dispatched[0][1].toInt(), index);
    }
    QCOMPARE(operations.count(), op < 0 ? 0 : 1);
    if (op >= 0)
        QCOMPARE(operations[0][0].toInt(), op);
}

void TestPopupMenus::captionsAndDefaultEntry_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("defaultEntry"); // -1: none
    // clang-format off
    QTest::newRow("item menu") << "mF"
        << "&Enter manual...|-|&Apply|Undo last appl&y|-|&Select|Move u&p|Move &down|S&ort|-|Cut &first word|"
           "Cut &last word|&Insert at beginning...|Add &to end...|&Replace...|&More|&Case|"
           "M&usic related|-|Custom &generation...|-|E&xtension|-|Restore &name|-|"
           "Remo&ve from list" << 0;
    QTest::newRow("list order menu") << "mSortList"
        << "Sort by &full name|Sort by &path/filename|Sort by filename/&extension|"
           "Sort by pat&h|Sort by file&name|Sort by e&xtension|Sort by path/ex&tension|-|"
           "&Inverse|-|Undo last appl&y|Show names on &disk" << -1;
    QTest::newRow("Select") << "mS"
        << "&All|-|&Invert|&Containing...|&Min. length|Ma&x. lenght|-|&With extension|-|&None"
        << -1;
    QTest::newRow("Sort") << "mFSort"
        << "Sort by &full name|Sort by &path/filename|Sort by filename/&extension|"
           "Sort by pat&h|Sort by file&name|Sort by e&xtension|Sort by path / ex&tension|-|"
           "&Inverse" << -1;
    QTest::newRow("More: four cut and crop entries each") << "mFMore"
        << "&Add Numbers...|&Reformat numbers|Cro&p numbers|C&ut numbers|&Enumerated filename|"
           "Enumerate a&s path...|Enumerate pat&h / filename...|-|&Generated fixed-width numbers|"
           "Include &0 when enumerating|&Inverse enumeration|-|Cut &first x characters...|"
           "Cut &last x characters...|Crop first &x characters...|Crop las&t x characters...|-|"
           "Cut &before expression...|&Cut after expression...|Cr&op before expression...|"
           "Crop after expressio&n..." << -1;
    // clang-format on
}

void TestPopupMenus::captionsAndDefaultEntry()
{
    QFETCH(QString, menu);
    QFETCH(QString, expected);
    QFETCH(int, defaultEntry);
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    QMenu* item = window.menus().itemMenu();
    const QMenu* shown = menu == "mF"          ? item
                         : menu == "mSortList" ? window.menus().listMenu()
                                               : item->findChild<QMenu*>(menu);
    QVERIFY(shown);
    QCOMPARE(captions(shown).join(QLatin1Char('|')), expected);
    QCOMPARE(shown->defaultAction(), defaultEntry < 0 ? nullptr : shown->actions()[defaultEntry]);
}

void TestPopupMenus::enumSettingsToggle()
{
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    QAction* fixed = window.menus().action("mEnumSettings", 0);
    QAction* zero = window.menus().action("mEnumSettings", 1);
    fixed->trigger();
    QVERIFY(!window.switches().FixedWidthNumbers);
    QVERIFY(!fixed->isChecked());
    fixed->trigger();
    zero->trigger();
    QVERIFY(window.switches().FixedWidthNumbers && fixed->isChecked());
    QVERIFY(window.switches().IncludeZero && zero->isChecked());
    QVERIFY(!window.switches().InverseEnumeration);
}

void TestPopupMenus::shortcuts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("selectedBefore");
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::addColumn<QStringList>("linesAfter");
    QTest::addColumn<QString>("preset"); // of the one prompt shown, answered "mp3"; "-": none
    const QStringList unchanged = {"one.mp3", "two.ogg", "three.mp3"};
    QTest::newRow("Ctrl+A selects all")
        << int(Qt::Key_A) << QList<int>{1} << QList<int>{0, 1, 2} << unchanged << "-";
    QTest::newRow("Ctrl+I inverts")
        << int(Qt::Key_I) << QList<int>{1} << QList<int>{0, 2} << unchanged << "-";
    QTest::newRow("Ctrl+N selects none")
        << int(Qt::Key_N) << QList<int>{0, 2} << QList<int>{} << unchanged << "-";
    QTest::newRow("Ctrl+E selects by extension")
        << int(Qt::Key_E) << QList<int>{1} << QList<int>{0, 2} << unchanged << "ogg";
    QTest::newRow("Ctrl+U moves up") << int(Qt::Key_U) << QList<int>{1} << QList<int>{0}
                                     << QStringList{"two.ogg", "one.mp3", "three.mp3"} << "-";
    QTest::newRow("Ctrl+D moves down") << int(Qt::Key_D) << QList<int>{1} << QList<int>{2}
                                       << QStringList{"one.mp3", "three.mp3", "two.ogg"} << "-";
}

void TestPopupMenus::shortcuts()
{
    QFETCH(int, key);
    QFETCH(QList<int>, selectedBefore);
    QFETCH(QList<int>, selectedAfter);
    QFETCH(QStringList, linesAfter);
    QFETCH(QString, preset);
    ScriptedPlatform platform;
    platform.inputAnswers = {QStringLiteral("mp3")};
    MainWindow window(platform, platform);
    fill(window, {"one", "two", "three"});
    window.store().setNewExt(1, QStringLiteral(".ogg"));
    for (int line : selectedBefore)
        window.store().setSelected(line, true);
    window.store().setCurrentLine(1);
    QVERIFY(showActive(window));
    window.list()->setFocus();
    QTest::keyClick(window.list(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(selectedLines(window.store()), selectedAfter);
    QCOMPARE(lines(window.store()), linesAfter);
    QCOMPARE(platform.prompts.size(), size_t(preset == "-" ? 0 : 1));
    if (preset != "-")
        QCOMPARE(platform.prompts[0].preset, preset);
    QVERIFY(!QApplication::activePopupWidget());
}

void TestPopupMenus::nothingReachableWhileDialogOpen()
{
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    platform.onShowFindReplace = [&window] { window.openFindReplace(); };
    fill(window, {"one", "two"});
    QVERIFY(showActive(window));
    QTest::keyClick(window.list(), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(platform.findReplaceShown, 1);
    QVERIFY(window.findReplaceDialog());
    QVERIFY(!window.findValues().ReplaceMode);
    QVERIFY(!window.isEnabled());

    QSignalSpy dispatched(&window, &MainWindow::commandDispatched);
    QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
    window.menus().action("mSAll")->trigger();
    window.menus().action("mFDef", 3)->trigger();
    Q_EMIT window.list()->menuRequested(QPoint());
    Q_EMIT window.list()->removeRequested();
    QCOMPARE(dispatched.count(), 0);
    QVERIFY(selectedLines(window.store()).isEmpty());
    QCOMPARE(window.store().ItemCount(), 2);

    window.findReplaceDialog()->reject();
    QVERIFY(window.isEnabled());
}

void TestPopupMenus::menuOpeners_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("right click on the list opens the item menu") << "right click";
    QTest::newRow("context-menu key in the list opens the item menu") << "menu key";
}

void TestPopupMenus::menuOpeners()
{
    QFETCH(QString, how);
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    fill(window, {"one", "two"});
    QVERIFY(showActive(window));
    QSignalSpy opening(&window, &MainWindow::menuOpening);
    QMenu* shown = popupOpenedBy([&] {
        if (how == "right click")
            QTest::mouseClick(window.list()->viewport(), Qt::RightButton, {}, QPoint(20, 5));
        else
            QTest::keyClick(window.list(), Qt::Key_Menu);
    });
    QCOMPARE(opening.count(), 1);
    QCOMPARE(shown, window.menus().itemMenu());
}

void TestPopupMenus::doubleClickEditsByHand()
{
    ScriptedPlatform platform;
    platform.inputAnswers.push_back(QStringLiteral("typed"));
    MainWindow window(platform, platform);
    fill(window, {"one", "two"});
    QVERIFY(showActive(window));
    QWidget* viewport = window.list()->viewport();
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(10, viewport->height() - 3));
    QVERIFY(platform.prompts.empty()); // below the lines
    const QPoint second = window.list()->visualRect(window.store().index(1, 0)).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, second);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, second);
    QCOMPARE(platform.prompts.size(), size_t(1));
    QCOMPARE(platform.prompts[0].preset, QStringLiteral("two"));
    QCOMPARE(lines(window.store()), (QStringList{"one.mp3", "typed.mp3"}));
}

void TestPopupMenus::deleteRemovesSelected()
{
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    fill(window, {"one", "two", "three"});
    window.store().setSelected(0, true);
    window.store().setSelected(2, true);
    QVERIFY(showActive(window));
    QTest::keyClick(window.list(), Qt::Key_Delete);
    QCOMPARE(lines(window.store()), (QStringList{"two.mp3"}));
}

QTEST_MAIN(TestPopupMenus)
#include "tst_popupmenus.moc"
