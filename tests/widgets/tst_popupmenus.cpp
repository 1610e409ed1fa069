// The popup menus and the keyboard: every entry reaches its handler with its index and operation
// code, shortcuts, the list's own events, the tab order and accelerator letters.

#include "accelerators.h"
#include "windowtesthelpers.h"

#include <QInputDialog>

namespace {

// Every entry row of both menu tables.
QList<const MenuRow*> entryRows()
{
    QList<const MenuRow*> rows;
    for (const auto table : {PopupMenus::itemRows(), PopupMenus::listRows()}) {
        for (const MenuRow& row : table) {
            if (row.kind == MenuRow::Kind::Entry)
                rows << &row;
        }
    }
    return rows;
}

// The code that ModifyItems gets from the first entry of each operation array.
const QHash<QString, int> specifiedBase = {
    {"mFDef", 20}, {"mNumbers", 30}, {"mFCutX", 40}, {"mFCropx", 50},     {"mFCase", 60},
    {"mFMP3", 70}, {"mFCustom", 80}, {"mEExt", 90},  {"mFChangeExt", 99}, {"mFRestore", 100}};

} // namespace

class TestPopupMenusAndKeyboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Applies keep their journals in the test folders, not in the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void entries_data()
    {
        QTest::addColumn<const MenuRow*>("row");
        for (const MenuRow* row : entryRows())
            QTest::newRow(qPrintable(row->entryName())) << row;
    }

    // Every row's entry, chosen, reaches its handler with its index once, or ModifyItems
    // with base + index; nothing to undo at start, so Undo is disabled and runs nothing.
    void entries()
    {
        QFETCH(const MenuRow*, row);
        ScriptedPlatform platform; // every prompt is cancelled
        MainWindow window(platform, platform);
        fill(window, {"b", "a"});
        QAction* action = window.menus().action(*row);
        QVERIFY(action);
        QCOMPARE(action->objectName(), row->entryName());
        QCOMPARE(window.menus().action(row->name, row->index), action);
        QCOMPARE(action->text(), QString::fromLatin1(row->caption));
        const bool enabled = row->command != MenuCommand(&MainWindow::mUndo_Click);
        QCOMPARE(action->isEnabled(), enabled);
        const bool checkedBefore = action->isChecked();
        QSignalSpy dispatched(&window, &MainWindow::commandDispatched);
        QSignalSpy operations(&window, &MainWindow::operationRequested);
        // "Custom generation..." waits in its dialog: cancel it.
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        action->trigger();
        QCOMPARE(dispatched.count(), enabled ? 1 : 0);
        QCOMPARE(dispatched.value(0),
                 (enabled ? QVariantList{QString::fromLatin1(row->name) + "_Click", row->index}
                          : QVariantList{}));
        const int base = specifiedBase.value(row->name, -1);
        QCOMPARE(operations.value(0).value(0, -1).toInt(),
                 base < 0 ? -1 : base + qMax(row->index, 0));
        // The numbering switches and the names-on-disk view toggle their check mark.
        QCOMPARE(action->isChecked(), action->isCheckable() != checkedBefore);
    }

    // The menus are built as their tables say: the same entries, separators and submenus
    // in the same order, and nothing else; the item menu's default is "Enter manual...".
    void menusFollowTheirTables_data()
    {
        QTest::addColumn<bool>("itemMenu");
        QTest::newRow("item menu") << true;
        QTest::newRow("list order menu") << false;
    }

    void menusFollowTheirTables()
    {
        QFETCH(bool, itemMenu);
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        QStringList expected;
        for (const MenuRow& row : itemMenu ? PopupMenus::itemRows() : PopupMenus::listRows()) {
            switch (row.kind) {
            case MenuRow::Kind::Entry:
                expected << row.entryName();
                break;
            case MenuRow::Kind::Separator:
                expected << "-";
                break;
            case MenuRow::Kind::Submenu:
                expected << QString::fromLatin1(row.name) + " {";
                break;
            case MenuRow::Kind::EndSubmenu:
                expected << "}";
                break;
            }
        }
        const std::function<QStringList(const QMenu*)> walk = [&walk](const QMenu* menu) {
            QStringList seen;
            for (const QAction* action : menu->actions()) {
                if (action->isSeparator())
                    seen << "-";
                else if (action->menu())
                    seen << action->menu()->objectName() + " {" << walk(action->menu()) << "}";
                else
                    seen << action->objectName();
            }
            return seen;
        };
        QMenu* menu = itemMenu ? window.menus().itemMenu() : window.menus().listMenu();
        QCOMPARE(walk(menu), expected);
        QCOMPARE(menu->defaultAction(), itemMenu ? window.menus().action("mFManual") : nullptr);
        QCOMPARE(window.menus().actions().size(), entryRows().size());
    }

    void shortcuts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<int>>("selectedAfter");
        QTest::addColumn<QStringList>("linesAfter");
        QTest::addColumn<QString>("preset"); // of the one prompt, answered "mp3"; "-": none
        const QStringList same = {"one.mp3", "two.ogg", "three.mp3"};
        const QStringList up = {"two.ogg", "one.mp3", "three.mp3"};
        const QStringList down = {"one.mp3", "three.mp3", "two.ogg"};
        using L = QList<int>;
        // clang-format off
        QTest::newRow("Ctrl+A selects all") << int(Qt::Key_A) << L{0, 1, 2} << same << "-";
        QTest::newRow("Ctrl+I inverts") << int(Qt::Key_I) << L{0, 2} << same << "-";
        QTest::newRow("Ctrl+N selects none") << int(Qt::Key_N) << L{} << same << "-";
        QTest::newRow("Ctrl+E selects by extension") << int(Qt::Key_E) << L{0, 2} << same << "ogg";
        QTest::newRow("Ctrl+U moves up") << int(Qt::Key_U) << L{0} << up << "-";
        QTest::newRow("Ctrl+D moves down") << int(Qt::Key_D) << L{2} << down << "-";
        // clang-format on
    }

    void shortcuts()
    {
        QFETCH(int, key);
        QFETCH(QList<int>, selectedAfter);
        QFETCH(QStringList, linesAfter);
        QFETCH(QString, preset);
        ScriptedPlatform platform;
        platform.inputAnswers = {QStringLiteral("mp3")};
        MainWindow window(platform, platform);
        fill(window, {"one", "two", "three"});
        window.store().setNewExt(1, QStringLiteral(".ogg"));
        window.store().setSelected(1, true); // the current line, two.ogg
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

    void doubleClickEditsDeleteRemoves()
    {
        ScriptedPlatform platform;
        platform.inputAnswers.push_back(QStringLiteral("typed"));
        MainWindow window(platform, platform);
        fill(window, {"one", "two", "three"});
        QVERIFY(showActive(window));
        QWidget* viewport = window.list()->viewport();
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(10, viewport->height() - 3));
        QVERIFY(platform.prompts.empty()); // below the lines
        const QPoint second = window.list()->visualRect(window.store().index(1, 0)).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, second);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, second);
        QCOMPARE(platform.prompts.size(), size_t(1));
        QCOMPARE(platform.prompts[0].preset, QStringLiteral("two"));
        QCOMPARE(lines(window.store()), (QStringList{"one.mp3", "typed.mp3", "three.mp3"}));

        window.store().invertSelection(); // the click selected the second line
        QTest::keyClick(window.list(), Qt::Key_Delete);
        QCOMPARE(lines(window.store()), (QStringList{"typed.mp3"}));
    }

    void tabRunsDownButtonsThenListThenChecks()
    {
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        QVERIFY(showActive(window));
        QList<QWidget*> expected = {window.list(),
                                    window.check(MainWindow::Check::RemoveAfterRename),
                                    window.check(MainWindow::Check::AlwaysOnTop)};
        for (int i = 0; i < 9; ++i)
            expected << window.button(MainWindow::Button(i));
        expected << window.list();
        QList<QWidget*> visited = {QApplication::focusWidget()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited, expected);
    }

    // The real window and its real prompt: Modify clicked, "Add to end..." chosen by its
    // letter, the prompt answered with Enter; the keyboard is back in the list, whose
    // Shift+F10 opens the item menu again.
    void focusReturnsToTheListAfterAPrompt()
    {
        MainWindow window;
        fill(window, {"one", "two"});
        window.store().selectAll();
        QVERIFY(showActive(window));
        bool answered = false;
        QTimer::singleShot(0, [&window] {
            if (QApplication::activePopupWidget() == window.menus().itemMenu())
                QTest::keyClick(window.menus().itemMenu(), Qt::Key_T); // Add &to end...
        });
        // The prompt opens once the menu has closed; answer it like a user.
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&answered] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!dialog || answered)
                return;
            answered = true;
            QTest::keyClicks(dialog->focusWidget(), QStringLiteral("!"));
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        poll.start(10);
        QTest::mouseClick(window.button(MainWindow::Button::Modify), Qt::LeftButton);
        poll.stop();
        QVERIFY(answered);
        QCOMPARE(lines(window.store()), (QStringList{"one!.mp3", "two!.mp3"}));
        // The desktop gives the window back its activation (the offscreen platform needs
        // to be asked); the window brings back its own focus widget.
        QVERIFY(showActive(window));
        QCOMPARE(QApplication::focusWidget(), window.list());
        QVERIFY(window.store().currentLine() >= 0);
        // The key goes through the window system, so the menu opens a moment later.
        QPointer<QMenu> opened;
        connect(&poll, &QTimer::timeout, [&opened] {
            if ((opened = qobject_cast<QMenu*>(QApplication::activePopupWidget())))
                opened->close();
        });
        poll.start(10);
        QTest::keyClick(window.windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_COMPARE(opened.data(), window.menus().itemMenu());
    }

    void everyEntryHasItsOwnLetter()
    {
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        const QStringList faults = windowAcceleratorFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void itemMenuOpensAtTheLine_data()
    {
        QTest::addColumn<int>("key"); // 0: a right click on the line
        QTest::addColumn<int>("modifiers");
        QTest::newRow("right click") << 0 << int(Qt::NoModifier);
        QTest::newRow("menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }

    // The keys open it just below the current line, in its left half, not at the pointer.
    void itemMenuOpensAtTheLine()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        fill(window, {"a", "b", "c", "d", "e", "f", "g"});
        QVERIFY(showActive(window));
        window.store().setCurrentLine(4);
        const QRect line = window.list()->visualRect(window.store().index(4, 0));
        const QPoint lineLeft = window.list()->viewport()->mapToGlobal(line.bottomLeft());
        QCursor::setPos(window.mapToGlobal(QPoint(window.width() - 2, window.height() - 2)));
        QPoint shownAt(-1, -1);
        QTimer::singleShot(0, [&shownAt, &window] {
            if (QApplication::activePopupWidget() == window.menus().itemMenu()) {
                shownAt = window.menus().itemMenu()->pos();
                window.menus().itemMenu()->close();
            }
        });
        if (key == 0) {
            QTest::mouseClick(window.list()->viewport(), Qt::RightButton, {}, QPoint(20, 5));
            QVERIFY(shownAt != QPoint(-1, -1));
            return;
        }
        QTest::keyClick(window.list(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY2(QRect(lineLeft.x(), lineLeft.y() - line.height() + 1, line.width() / 2,
                       line.height() + 2)
                     .contains(shownAt),
                 qPrintable(QStringLiteral("menu at %1,%2").arg(shownAt.x()).arg(shownAt.y())));
    }
};

QTEST_MAIN(TestPopupMenusAndKeyboard)
#include "tst_popupmenus.moc"
