// The main window: its start state, layout, buttons, check boxes, Info box, drops and scans.

#include "app/statusline.h"
#include "dialogs/twips.h"
#include "temptree.h"
#include "windowtesthelpers.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>

#include <unistd.h>

namespace {

struct ButtonRow {
    const char* name;
    MainWindow::Button button;
    QStringList linesAfter;
    QString message;  // "title|first line" of the one message shown
    const char* menu; // the popup menu that opened
    bool stillOpen = true;
};

// Drags entries of tree onto the window's list and drops them, as a file manager does:
// "file:a/b" a local file or folder, "web:a/b" a web link whose path is that file's,
// "text:a/b" its path as plain text. Says whether drag enter, drag move and drop were accepted.
QList<bool> dropOn(MainWindow& window, const QByteArrayList& dragged, const TempTree& tree)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QByteArray& entry : dragged) {
        const QByteArray kind = entry.left(entry.indexOf(':'));
        const QByteArray path = tree.path(entry.mid(kind.size() + 1));
        if (kind == "text")
            data.setText(QFile::decodeName(path));
        else
            urls << QUrl::fromEncoded((kind == "web" ? "http://example.invalid" : "file://") +
                                      path.toPercentEncoding("/"));
    }
    if (!urls.isEmpty())
        data.setUrls(urls);
    QWidget* target = window.list()->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at + QPoint(0, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at + QPoint(0, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return {enter.isAccepted(), move.isAccepted(), drop.isAccepted()};
}

} // namespace

Q_DECLARE_METATYPE(ButtonRow)

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Applies keep their journals in the test folders, not in the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void addFilesAddsChosenFilesAsADrop()
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
        QCOMPARE(window.store().item(0).line(), QStringLiteral("a.txt"));
        QCOMPARE(window.store().item(1).diskName, QByteArray("b\xff.mp3"));
        QCOMPARE(selectedLines(window.store()), (QList<int>{0, 1})); // the list was empty
    }

    void buttonsRunTheirOwnCommandOnly_data()
    {
        using B = MainWindow::Button;
        const QStringList kept = {"changed.txt", "two.txt"};
        const QString failed = "Error...|One or more files could not be renamed";
        // clang-format off
        const ButtonRow rows[] = {
            {"Add directory, cancelled, changes nothing", B::AddDirectory, kept, "", ""},
            {"Modify opens the item menu", B::Modify, kept, "", "item"},
            {"Apply all renames, reports the missing file", B::ApplyAll, {"two.txt"}, failed, ""},
            {"Sort list opens the order menu", B::SortList, kept, "", "list"},
            {"Restore all restores every name", B::RestoreAll, {"one.txt", "two.txt"}, "", ""},
            {"Clear list empties the list", B::ClearList, {}, "", ""},
            {"Info shows About", B::Info, kept, "About...|Filevane Version 1.00 [beta 3]", ""},
            {"Quit closes the window", B::Quit, kept, "", "", false},
        };
        // clang-format on
        QTest::addColumn<ButtonRow>("row");
        for (const ButtonRow& row : rows)
            QTest::newRow(row.name) << row;
    }

    // Each button does its own command and no other: a proposed name survives every button but
    // Restore all and Clear list.
    void buttonsRunTheirOwnCommandOnly()
    {
        QFETCH(ButtonRow, row);
        TempTree tree;
        tree.addFile("one.txt", "1"); // two.txt is missing: its rename fails
        ScriptedPlatform platform;    // every chooser is cancelled
        MainWindow window(platform, platform);
        for (const char* name : {"one", "two"})
            window.store().append(makeItem(tree.root(), name, ".txt"));
        window.store().setNewName(0, "changed");
        QVERIFY(showActive(window));
        const QMenu* opened =
            popupOpenedBy([&] { QTest::mouseClick(window.button(row.button), Qt::LeftButton); });
        QCOMPARE(lines(window.store()), row.linesAfter);
        QStringList shown;
        for (const auto& m : platform.messages)
            shown << m.title + '|' + m.text.section(QChar(13), 0, 0);
        QCOMPARE(shown.join(';'), row.message);
        const QString menu = row.menu;
        QCOMPARE(opened, menu == "item"   ? window.menus().itemMenu()
                         : menu == "list" ? window.menus().listMenu()
                                          : nullptr);
        QCOMPARE(window.isVisible(), row.stillOpen);
        const QByteArray onDisk =
            row.button == MainWindow::Button::ApplyAll ? "changed.txt" : "one.txt";
        QCOMPARE(tree.list(), std::vector<QByteArray>{onDisk});
        QCOMPARE(tree.content(onDisk), QByteArray("1"));
    }

    // The twip layout stands as defined where the controls fit in their defined sizes, as with
    // a small font; larger ones widen it (tst_layout).
    void startStateLayoutAndCheckBoxes()
    {
        const QFont normalFont = QApplication::font();
        QFont smallFont = normalFont;
        smallFont.setPointSizeF(6);
        QApplication::setFont(smallFont);
        const auto restore = qScopeGuard([&normalFont] { QApplication::setFont(normalFont); });
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        QCOMPARE(window.size(), QSize(Twips::x(&window, 7080), Twips::y(&window, 4995)));
        QVERIFY(window.check(MainWindow::Check::RemoveAfterRename)->isChecked());
        QVERIFY(window.renamer().RemoveAfterRename);
        QVERIFY(!window.check(MainWindow::Check::AlwaysOnTop)->isChecked());
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(window.switches().FixedWidthNumbers && !window.switches().IncludeZero &&
                window.menus().action("mEnumSettings", 0)->isChecked());

        window.resize(Twips::x(&window, 8000), Twips::y(&window, 6000));
        window.move(40, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The list's place holds the list and, under it, the status line.
        QCOMPARE(window.list()->geometry() | window.statusLine()->geometry(),
                 Twips::rect(&window, 1440, 120, 6440, 5250));
        QCOMPARE(window.statusLine()->y(), window.list()->geometry().bottom() + 1);
        // The lower buttons ride on the bottom edge.
        QCOMPARE(window.button(MainWindow::Button::Quit)->mapTo(&window, QPoint(0, 0)).y(),
                 window.height() - Twips::y(&window, 2865) + Twips::y(&window, 2400));
        for (bool remove : {false, true}) {
            clickBox(window.check(MainWindow::Check::RemoveAfterRename));
            QCOMPARE(window.renamer().RemoveAfterRename, remove);
        }
        // Always on top changes the flag but keeps the window where it was.
        const QRect before = window.geometry();
        for (bool onTop : {true, false}) {
            clickBox(window.check(MainWindow::Check::AlwaysOnTop));
            QCOMPARE(bool(window.windowFlags() & Qt::WindowStaysOnTopHint), onTop);
            QVERIFY(window.isVisible());
            QCOMPARE(window.geometry(), before);
        }
    }

    void dropsAddTheLocalFiles_data()
    {
        QTest::addColumn<QByteArrayList>("dragged"); // as dropOn takes them
        QTest::addColumn<bool>("accepted");          // by drag enter, drag move and drop
        QTest::addColumn<QByteArrayList>("added");   // relative to the tree, in list order
        using L = QByteArrayList;
        // clang-format off
        QTest::newRow("files and a folder, in drop order") << L{"file:b.mp3", "file:folder/", "file:a b.txt"} << true << L{"b.mp3", "folder/inner.txt", "a b.txt"};
        QTest::newRow("a name that is not UTF-8 arrives by its bytes") << L{"file:caf\xe9.txt"} << true << L{"caf\xe9.txt"};
        QTest::newRow("web links among local files are left out") << L{"web:b.mp3", "file:a b.txt", "web:folder"} << true << L{"a b.txt"};
        QTest::newRow("web links alone are refused") << L{"web:b.mp3"} << false << L{};
        QTest::newRow("a path as text is refused") << L{"text:b.mp3"} << false << L{};
        // clang-format on
    }

    void dropsAddTheLocalFiles()
    {
        QFETCH(QByteArrayList, dragged);
        QFETCH(bool, accepted);
        QFETCH(QByteArrayList, added);
        TempTree tree;
        for (const char* file : {"a b.txt", "b.mp3", "folder/inner.txt", "caf\xe9.txt"})
            tree.addFile(file);
        // QTemporaryDir cannot remove a name that is not UTF-8.
        const auto unlinkLatin1 = qScopeGuard([&] { ::unlink(tree.path("caf\xe9.txt")); });
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        QVERIFY(showActive(window));
        QCOMPARE(dropOn(window, dragged, tree), QList<bool>(3, accepted));
        QByteArrayList shown;
        for (int i = 0; i < window.store().ItemCount(); ++i) {
            const Item& item = window.store().item(i);
            shown << (item.diskFolder + '/' + item.diskName).mid(tree.root().size() + 1);
        }
        QCOMPARE(shown, added);
        QCOMPARE(window.store().selectedCount(), int(added.size())); // dropped onto an empty list
    }

    void scanBlocksListCommands_data()
    {
        QTest::addColumn<bool>("drop"); // of the subfolders s1 and s2; else Add directory
        QTest::addColumn<QString>("stopBy");
        QTest::addColumn<QStringList>("linesAfter");
        QTest::addColumn<bool>("windowStaysOpen");
        const QStringList firstFolder = {"pre.txt", "a.txt"};
        // clang-format off
        QTest::newRow("Esc ends the scan, the window stays") << false << "esc" << firstFolder << true;
        QTest::newRow("close box mid-scan closes after the scan") << false << "close" << firstFolder << false;
        QTest::newRow("Esc in a drop of folders skips the rest") << true << "esc" << QStringList{"pre.txt", "b.txt"} << true;
        // clang-format on
    }

    void scanBlocksListCommands()
    {
        QFETCH(bool, drop);
        QFETCH(QString, stopBy);
        QFETCH(QStringList, linesAfter);
        QFETCH(bool, windowStaysOpen);
        TempTree tree;
        for (const char* file : {"a.txt", "s1/b.txt", "s1/deep/d.txt", "s2/c.txt"})
            tree.addFile(file);
        ScriptedPlatform platform;
        platform.folderAnswers.push_back(QString::fromUtf8(tree.root()));
        MainWindow window(platform, platform);
        fill(window, {"pre"}, ".txt"); // unselected, so Ctrl+A would show
        QVERIFY(showActive(window));
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
                QTest::keyClick(&window, Qt::Key_Escape);
            else
                window.close();
            openDuringScan = window.isVisible();
        };
        if (drop)
            QCOMPARE(dropOn(window, {"file:s1", "file:s2"}, tree), QList<bool>(3, true));
        else
            window.eButton_Click(1);

        QVERIFY(buttonsDisabled);
        QVERIFY(openDuringScan);
        QCOMPARE(platform.browseInstructions.size(), drop ? 0 : 1);
        // The scan stopped after the first folder and kept what it had found.
        QCOMPARE(lines(window.store()), linesAfter);
        QCOMPARE(window.store().selectedCount(), 0);
        QCOMPARE(window.isVisible(), windowStaysOpen);
        QVERIFY(window.button(MainWindow::Button::ClearList)->isEnabled());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
