// The main window: its start state, layout, buttons, check boxes, Info box and
// closing.

#include "app/filelistview.h"
#include "app/infobox.h"
#include "app/mainwindow.h"
#include "dialogs/twips.h"
#include "scriptedplatform.h"
#include "temptree.h"
#include "windowtesthelpers.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Applies keep their journals in the test folders, not in the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void listSizeRule_data();
    void listSizeRule();
    void layoutFollowsWindowSize_data();
    void layoutFollowsWindowSize();
    void startState();
    void infoText_data();
    void infoText();
    void addFilesAddsChosenFilesAsADrop();
    void buttonsRunTheirOwnCommandOnly_data();
    void buttonsRunTheirOwnCommandOnly();
    void checkBoxes();
    void scanBlocksListCommands_data();
    void scanBlocksListCommands();
};

void TestMainWindow::listSizeRule_data()
{
    QTest::addColumn<double>("clientWidth");
    QTest::addColumn<double>("clientHeight");
    QTest::addColumn<double>("listWidth");
    QTest::addColumn<double>("listHeight");
    QTest::newRow("start size 7080 x 4995") << 7080.0 << 4995.0 << 5520.0 << 4245.0;
    QTest::newRow("height 749 clamps to 0") << 7080.0 << 749.0 << 5520.0 << 0.0;
    QTest::newRow("height 750 gives 0") << 7080.0 << 750.0 << 5520.0 << 0.0;
    QTest::newRow("width 1000 clamps to 0") << 1000.0 << 4995.0 << 0.0 << 4245.0;
    QTest::newRow("half twip goes down to even") << 1562.5 << 752.5 << 2.0 << 2.0;
    QTest::newRow("half twip goes up to even") << 1563.5 << 753.5 << 4.0 << 4.0;
    QTest::newRow("fraction below half goes down") << 1563.4 << 753.4 << 3.0 << 3.0;
}

void TestMainWindow::listSizeRule()
{
    QFETCH(double, clientWidth);
    QFETCH(double, clientHeight);
    QFETCH(double, listWidth);
    QFETCH(double, listHeight);
    const Twips::ListSize size = Twips::listSizeForClient(clientWidth, clientHeight);
    QCOMPARE(size.width, listWidth);
    QCOMPARE(size.height, listHeight);
}

void TestMainWindow::layoutFollowsWindowSize_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<int>("listWidth");
    QTest::addColumn<int>("listHeight");
    QTest::newRow("8000 x 6000") << 8000 << 6000 << 6440 << 5250;
    QTest::newRow("start size 7080 x 4995") << 7080 << 4995 << 5520 << 4245;
}

void TestMainWindow::layoutFollowsWindowSize()
{
    QFETCH(int, clientWidth);
    QFETCH(int, clientHeight);
    QFETCH(int, listWidth);
    QFETCH(int, listHeight);
    // The twip layout stands as defined where the controls fit in their defined sizes,
    // as with a small font; larger ones widen it (tst_layout).
    const QFont normalFont = QApplication::font();
    QFont smallFont = normalFont;
    smallFont.setPointSizeF(6);
    QApplication::setFont(smallFont);
    const auto restore = qScopeGuard([&normalFont] { QApplication::setFont(normalFont); });
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    auto twips = [&window](int x, int y) {
        return QSize(Twips::x(&window, x), Twips::y(&window, y));
    };
    window.resize(twips(clientWidth, clientHeight));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), twips(clientWidth, clientHeight));

    auto* list = static_cast<QWidget*>(window.list());
    QCOMPARE(list->size(), twips(listWidth, listHeight));
    QCOMPARE(list->pos(), QPoint(Twips::x(&window, 1440), Twips::y(&window, 120)));
    // The strip with the lower buttons rides on the bottom edge at full width.
    QCOMPARE(window.strip()->geometry().bottom(), window.height() - 1);
    QCOMPARE(window.strip()->width(), window.width());
    QCOMPARE(window.button(MainWindow::Button::Quit)->mapTo(&window, QPoint(0, 0)).y(),
             window.height() - Twips::y(&window, 2865) + Twips::y(&window, 2400));
}

void TestMainWindow::startState()
{
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    QCOMPARE(window.windowTitle(), QStringLiteral("Filevane"));
    const QStringList captions = {"Add &files...", "Add &directory", "&Modify",
                                  "&Apply all",    "&Sort list",     "&Restore all",
                                  "&Clear list",   "&Info",          "&Quit"};
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(window.button(MainWindow::Button(i))->text(), captions[i]);
        QVERIFY(window.button(MainWindow::Button(i))->isEnabled());
    }
    QCOMPARE(window.check(MainWindow::Check::RemoveAfterRename)->text(),
             QStringLiteral("Remove items from &list after renaming"));
    QVERIFY(window.check(MainWindow::Check::RemoveAfterRename)->isChecked());
    QCOMPARE(window.check(MainWindow::Check::AlwaysOnTop)->text(),
             QStringLiteral("Allways on &top"));
    QVERIFY(!window.check(MainWindow::Check::AlwaysOnTop)->isChecked());
    QVERIFY(window.renamer().RemoveAfterRename);
    QVERIFY(window.switches().FixedWidthNumbers);
    QVERIFY(!window.switches().IncludeZero);
    QVERIFY(!window.switches().InverseEnumeration);
    QVERIFY(window.menus().action("mEnumSettings", 0)->isChecked());
    QCOMPARE(window.size(), QSize(Twips::x(&window, 7080), Twips::y(&window, 4995)));
    QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
}

void TestMainWindow::infoText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("1.1.10 is beta 10") << 1 << 1 << 10 << "Filevane Version 1.01 [beta 10]";
    QTest::newRow("2.5.0 is a release") << 2 << 5 << 0 << "Filevane Version 2.05";
    QTest::newRow("minor 12 keeps two digits") << 3 << 12 << 0 << "Filevane Version 3.12";
}

void TestMainWindow::infoText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, firstLine);
    const QStringList lines = InfoBox::message(major, minor, revision).split(QChar(13));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], firstLine);
    for (int i = 1; i < 4; ++i)
        QVERIFY2(!lines[i].isEmpty(), "each notice line has a text");
}

void TestMainWindow::buttonsRunTheirOwnCommandOnly_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("linesAfter");
    QTest::addColumn<QString>("message"); // "title|first line" of the one message shown
    QTest::addColumn<QString>("menu");    // the popup menu that opened
    QTest::addColumn<bool>("stillOpen");
    using B = MainWindow::Button;
    const QStringList kept = {"changed.txt", "two.txt"};
    QTest::newRow("Add directory, cancelled, changes nothing") << int(B::AddDirectory) << kept << ""
                                                               << "" << true;
    QTest::newRow("Modify opens the item menu") << int(B::Modify) << kept << ""
                                                << "item" << true;
    QTest::newRow("Apply all renames on disk, reports the missing file")
        << int(B::ApplyAll) << QStringList{"two.txt"}
        << "Error...|One or more files could not be renamed"
        << "" << true;
    QTest::newRow("Sort list opens the order menu") << int(B::SortList) << kept << ""
                                                    << "list" << true;
    QTest::newRow("Restore all restores every name")
        << int(B::RestoreAll) << QStringList{"one.txt", "two.txt"} << ""
        << "" << true;
    QTest::newRow("Clear list empties the list") << int(B::ClearList) << QStringList{} << ""
                                                 << "" << true;
    QTest::newRow("Info shows About")
        << int(B::Info) << kept << "About...|Filevane Version 1.00 [beta 3]"
        << "" << true;
    QTest::newRow("Quit closes the window") << int(B::Quit) << kept << ""
                                            << "" << false;
}

void TestMainWindow::addFilesAddsChosenFilesAsADrop()
{
    TempTree tree;
    tree.addFile("a.txt");
    tree.addFile("b\xff.mp3"); // not UTF-8: kept by its bytes
    ScriptedPlatform platform;
    platform.fileAnswers.push_back({tree.path("a.txt"), tree.path("b\xff.mp3")});
    MainWindow window(platform, platform);
    window.store().LastDirectory = QString::fromUtf8(tree.root());
    QTest::mouseClick(window.button(MainWindow::Button::AddFiles), Qt::LeftButton);
    QCOMPARE(platform.fileChooserFolders, QStringList{QString::fromUtf8(tree.root())});
    QCOMPARE(window.store().ItemCount(), 2);
    QCOMPARE(window.store().item(0).line(), QStringLiteral("a.txt"));
    QCOMPARE(window.store().item(1).diskName, QByteArray("b\xff.mp3"));
    QCOMPARE(window.store().item(1).diskFolder, tree.root());
    QCOMPARE(selectedLines(window.store()), (QList<int>{0, 1})); // the list was empty
    // A second choice, cancelled, adds nothing.
    QTest::mouseClick(window.button(MainWindow::Button::AddFiles), Qt::LeftButton);
    QCOMPARE(platform.fileChooserFolders.size(), 2);
    QCOMPARE(window.store().ItemCount(), 2);
}

// Each button does its own command and no other: a proposed name survives every button
// but Restore all and Clear list.
void TestMainWindow::buttonsRunTheirOwnCommandOnly()
{
    QFETCH(int, button);
    QFETCH(QStringList, linesAfter);
    QFETCH(QString, message);
    QFETCH(QString, menu);
    QFETCH(bool, stillOpen);
    TempTree tree;
    tree.addFile("one.txt", "1"); // two.txt is missing: its rename fails
    ScriptedPlatform platform;    // every chooser is cancelled
    MainWindow window(platform, platform);
    for (const char* name : {"one", "two"})
        window.store().append(makeItem(tree.root(), name, ".txt"));
    window.store().setNewName(0, "changed");
    QVERIFY(showActive(window));
    const QMenu* opened = popupOpenedBy(
        [&] { QTest::mouseClick(window.button(MainWindow::Button(button)), Qt::LeftButton); });
    QCOMPARE(lines(window.store()), linesAfter);
    QStringList shown;
    for (const auto& m : platform.messages)
        shown << m.title + '|' + m.text.section(QChar(13), 0, 0);
    QCOMPARE(shown.join(';'), message);
    QCOMPARE(opened, menu == "item"   ? window.menus().itemMenu()
                     : menu == "list" ? window.menus().listMenu()
                                      : nullptr);
    QCOMPARE(window.isVisible(), stillOpen);
    const bool renamed = MainWindow::Button(button) == MainWindow::Button::ApplyAll;
    QCOMPARE(tree.list(), std::vector<QByteArray>{renamed ? "changed.txt" : "one.txt"});
    QCOMPARE(tree.content(renamed ? "changed.txt" : "one.txt"), QByteArray("1"));
}

void TestMainWindow::checkBoxes()
{
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    window.resize(Twips::x(&window, 8000), Twips::y(&window, 6000));
    window.move(40, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clickBox(window.check(MainWindow::Check::RemoveAfterRename));
    QVERIFY(!window.check(MainWindow::Check::RemoveAfterRename)->isChecked());
    QVERIFY(!window.renamer().RemoveAfterRename);
    clickBox(window.check(MainWindow::Check::RemoveAfterRename));
    QVERIFY(window.renamer().RemoveAfterRename);

    // Always on top changes the flag but keeps the window where it was.
    const QRect before = window.geometry();
    for (bool onTop : {true, false}) {
        clickBox(window.check(MainWindow::Check::AlwaysOnTop));
        QCOMPARE(bool(window.windowFlags() & Qt::WindowStaysOnTopHint), onTop);
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry(), before);
    }
}

void TestMainWindow::scanBlocksListCommands_data()
{
    QTest::addColumn<QString>("stopBy");
    QTest::addColumn<bool>("windowStaysOpen");
    QTest::newRow("Esc ends the scan, the window stays") << "esc" << true;
    QTest::newRow("close box mid-scan closes after the scan") << "close" << false;
    QTest::newRow("Quit mid-scan closes after the scan") << "quit" << false;
}

void TestMainWindow::scanBlocksListCommands()
{
    QFETCH(QString, stopBy);
    QFETCH(bool, windowStaysOpen);
    TempTree tree;
    for (const char* file : {"a.txt", "s1/b.txt", "s1/deep/d.txt", "s2/c.txt"})
        tree.addFile(file);
    ScriptedPlatform platform;
    platform.folderAnswers.push_back(QString::fromUtf8(tree.root()));
    MainWindow window(platform, platform);
    fill(window, {"pre"}, ".txt"); // unselected, so Ctrl+A would show
    QVERIFY(showActive(window));

    QSignalSpy dispatched(&window, &MainWindow::commandDispatched);
    bool buttonsDisabled = false;
    bool openDuringScan = false;
    platform.onPendingEvents = [&] {
        if (platform.pendingEventCalls != 1)
            return;
        buttonsDisabled = !window.button(MainWindow::Button::AddDirectory)->isEnabled() &&
                          !window.button(MainWindow::Button::ClearList)->isEnabled();
        QTest::keyClick(window.list(), Qt::Key_A, Qt::ControlModifier);
        window.menus().action("mRemove")->trigger();
        window.eButton_Click(6); // Clear list
        window.eButton_Click(1); // a second Add directory
        if (stopBy == "esc")
            QTest::keyClick(window.list(), Qt::Key_Escape);
        else if (stopBy == "close")
            window.close();
        else
            window.eButton_Click(8);
        openDuringScan = window.isVisible();
    };
    window.eButton_Click(1);

    QVERIFY(buttonsDisabled);
    QVERIFY(openDuringScan);
    QCOMPARE(dispatched.count(), 0);
    QCOMPARE(platform.browseInstructions.size(), 1);
    // The scan stopped after the first folder and kept what it had found.
    QCOMPARE(lines(window.store()), (QStringList{"pre.txt", "a.txt"}));
    QCOMPARE(window.store().selectedCount(), 0);
    QCOMPARE(window.isVisible(), windowStaysOpen);
    QVERIFY(window.button(MainWindow::Button::ClearList)->isEnabled());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
