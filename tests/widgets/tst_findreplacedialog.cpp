// The find and replace dialog: its two modes, what OK and Cancel store, the
// disabled main window, and the Containing search it serves.

#include "app/mainwindow.h"
#include "dialogs/findreplacedialog.h"
#include "scriptedplatform.h"
#include "windowtesthelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {

void typeInto(QLineEdit* box, const QString& text)
{
    box->selectAll();
    box->del();
    QTest::keyClicks(box, text);
}

// Fills the shown window with names.txt and opens the dialog by a menu entry.
FindReplaceDialog* openBy(ScriptedPlatform& platform, MainWindow& window, const char* entry,
                          int index, const QStringList& names)
{
    platform.onShowFindReplace = [&window] { window.openFindReplace(); };
    fill(window, names, ".txt");
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return nullptr;
    window.menus().action(entry, index)->trigger();
    return window.findReplaceDialog();
}

} // namespace

class TestFindReplaceDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modes_data();
    void modes();
    void showsLastValuesAndCancelKeepsOptions();
    void okStoresTexts_data();
    void okStoresTexts();
    void mainWindowDisabledUntilClosed_data();
    void mainWindowDisabledUntilClosed();
    void returnFindRunsWhileOpen();
    void replaceThroughMenu();
};

void TestFindReplaceDialog::modes_data()
{
    QTest::addColumn<bool>("replaceMode");
    QTest::addColumn<QString>("title");
    QTest::newRow("find mode") << false << "Find...";
    QTest::newRow("replace mode") << true << "Replace...";
}

void TestFindReplaceDialog::modes()
{
    QFETCH(bool, replaceMode);
    QFETCH(QString, title);
    QWidget main;
    FindReplaceValues values;
    values.ReplaceMode = replaceMode;
    FindReplaceDialog dialog(&main, values, [] {});
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.replaceBox()->isEnabled(), replaceMode);
    QCOMPARE(dialog.check(FindReplaceDialog::Check::Repeat)->isEnabled(), replaceMode);
    QVERIFY(dialog.findBox()->isEnabled());
    QVERIFY(dialog.check(FindReplaceDialog::Check::MatchCase)->isEnabled());
    QVERIFY(!dialog.check(FindReplaceDialog::Check::ExactPhrase)
                 ->isEnabled()); // Exact phrase, in both modes
    QVERIFY(dialog.button(FindReplaceDialog::Button::Ok)->isDefault());
    // A fixed size: not resizable.
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
}

void TestFindReplaceDialog::showsLastValuesAndCancelKeepsOptions()
{
    FindReplaceValues values{true, QStringLiteral(" ab "), QStringLiteral("cd"), false, true, true};
    QWidget main;
    {
        FindReplaceDialog dialog(&main, values, [] { QFAIL("Cancel must not confirm"); });
        QCOMPARE(dialog.findBox()->text(), QStringLiteral(" ab "));
        QCOMPARE(dialog.replaceBox()->text(), QStringLiteral("cd"));
        QVERIFY(!dialog.check(FindReplaceDialog::Check::MatchCase)->isChecked());
        QVERIFY(dialog.check(FindReplaceDialog::Check::ExactPhrase)->isChecked());
        QVERIFY(dialog.check(FindReplaceDialog::Check::Repeat)->isChecked());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        clickBox(dialog.check(FindReplaceDialog::Check::MatchCase));
        clickBox(dialog.check(FindReplaceDialog::Check::Repeat));
        typeInto(dialog.findBox(), QStringLiteral("new"));
        QTest::mouseClick(dialog.button(FindReplaceDialog::Button::Cancel), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }
    // The options are stored at once, the texts only by OK.
    QVERIFY(values.MatchCase);
    QVERIFY(!values.RepeatReplace);
    QCOMPARE(values.FindText, QStringLiteral(" ab "));
    FindReplaceDialog again(&main, values, [] {});
    QVERIFY(again.check(FindReplaceDialog::Check::MatchCase)->isChecked());
    QVERIFY(!again.check(FindReplaceDialog::Check::Repeat)->isChecked());
}

void TestFindReplaceDialog::okStoresTexts_data()
{
    QTest::addColumn<QString>("typedFind");
    QTest::addColumn<QString>("typedReplace");
    QTest::addColumn<QString>("findText");
    QTest::addColumn<QString>("replaceWith");
    QTest::addColumn<bool>("confirmed");
    struct Row {
        const char *name, *typedFind, *typedReplace, *findText, *replaceWith;
        bool confirmed;
    };
    // clang-format off
    const Row rows[] = {
        {"both typed", "ab", "xy", "ab", "xy", true},
        {"empty replace box keeps the earlier text", "ab", "", "ab", "earlier", true},
        {"spaces-only replace box keeps the earlier text", "ab", "   ", "ab", "earlier", true},
        {"spaces around the find word are kept", " ab ", "x", " ab ", "x", true},
        {"blank find box stores nothing and confirms nothing", "   ", "", "before", "earlier", false},
        {"blank find box still stores a typed replacement", "", "xy", "before", "xy", false},
    };
    // clang-format on
    for (const Row& r : rows)
        QTest::newRow(r.name) << r.typedFind << r.typedReplace << r.findText << r.replaceWith
                              << r.confirmed;
}

void TestFindReplaceDialog::okStoresTexts()
{
    QFETCH(QString, typedFind);
    QFETCH(QString, typedReplace);
    QFETCH(QString, findText);
    QFETCH(QString, replaceWith);
    QFETCH(bool, confirmed);
    FindReplaceValues values{true, QStringLiteral("before"), QStringLiteral("earlier")};
    QWidget main;
    int calls = 0;
    QPointer<FindReplaceDialog> dialog =
        new FindReplaceDialog(&main, values, [&calls] { ++calls; });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    typeInto(dialog->findBox(), typedFind);
    typeInto(dialog->replaceBox(), typedReplace);
    QTest::keyClick(dialog->findBox(), Qt::Key_Return); // Enter presses OK
    QCOMPARE(calls, confirmed ? 1 : 0);
    QCOMPARE(values.FindText, findText);
    QCOMPARE(values.ReplaceWith, replaceWith);
    QTRY_VERIFY(!dialog); // closed and unloaded
    QVERIFY(main.isEnabled());
}

void TestFindReplaceDialog::mainWindowDisabledUntilClosed_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
}

void TestFindReplaceDialog::mainWindowDisabledUntilClosed()
{
    QFETCH(QString, how);
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.openFindReplace();
    FindReplaceDialog* dialog = window.findReplaceDialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QVERIFY(!window.isEnabled());
    QVERIFY(dialog->isEnabled());
    QCOMPARE(QApplication::focusWidget(), dialog->findBox());
    typeInto(dialog->findBox(), QStringLiteral("x"));
    if (how == "ok")
        QTest::mouseClick(dialog->button(FindReplaceDialog::Button::Ok), Qt::LeftButton);
    else if (how == "cancel")
        QTest::mouseClick(dialog->button(FindReplaceDialog::Button::Cancel), Qt::LeftButton);
    else if (how == "esc")
        QTest::keyClick(dialog->findBox(), Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(window.isEnabled());
    QTRY_VERIFY(!window.findReplaceDialog());
}

void TestFindReplaceDialog::returnFindRunsWhileOpen()
{
    QWidget main;
    FindReplaceValues values;
    bool visibleDuringCall = false;
    bool mainEnabledDuringCall = true;
    FindReplaceDialog* dialog = nullptr;
    dialog = new FindReplaceDialog(&main, values, [&] {
        visibleDuringCall = dialog->isVisible();
        mainEnabledDuringCall = main.isEnabled();
    });
    dialog->show();
    dialog->findBox()->setText(QStringLiteral("a"));
    dialog->eButton_Click(int(FindReplaceDialog::Button::Ok));
    QVERIFY(visibleDuringCall);
    QVERIFY(!mainEnabledDuringCall);
    QVERIFY(main.isEnabled());
}

void TestFindReplaceDialog::replaceThroughMenu()
{
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    QSignalSpy operations(&window, &MainWindow::operationRequested);
    FindReplaceDialog* dialog = openBy(platform, window, "mFDef", 4, {"a-b", "c-d"});
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Replace..."));
    QVERIFY(!window.isEnabled());
    window.store().setSelected(0, true);
    typeInto(dialog->findBox(), QStringLiteral("-"));
    typeInto(dialog->replaceBox(), QStringLiteral("_"));
    QTest::mouseClick(dialog->button(FindReplaceDialog::Button::Ok), Qt::LeftButton);
    QCOMPARE(operations.count(), 1);
    QCOMPARE(operations[0][0].toInt(), int(OpCode::Replace));
    QCOMPARE(lines(window.store()), (QStringList{"a_b.txt", "c-d.txt"}));
    QVERIFY(window.isEnabled());
}

QTEST_MAIN(TestFindReplaceDialog)
#include "tst_findreplacedialog.moc"
