// Steps and routines in the window: the steps of a session are recorded as the user makes
// them, Restore all, Clear list and a load into an empty list start anew, saved steps replay
// from the Routine book, an unreadable routine is named and runs nothing; and the find
// dialog refuses an invalid pattern with the reason.

#include "app/routinecommands.h"
#include "app/stepsdialog.h"
#include "ops/findreplace.h"
#include "temptree.h"
#include "windowtesthelpers.h"

#include <QLabel>
#include <QListWidget>

namespace {

QStringList stepLines(MainWindow& window)
{
    window.menus().action("mRoutineSteps")->trigger();
    QStringList out;
    const QListWidget* list = window.routines().stepsDialog()->list();
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Opens the Routine book as a user does and chooses the routine at index.
void chooseRoutine(MainWindow& window, int index)
{
    auto* book = window.menus().itemMenu()->findChild<QMenu*>("mRoutines");
    book->popup(QPoint(0, 0));
    QAction* routine = book->findChild<QAction*>(QStringLiteral("mRoutine(%1)").arg(index));
    QVERIFY(routine);
    book->close();
    routine->trigger();
}

} // namespace

class TestRoutines : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void stepsRecordedSavedAndReplayed()
    {
        TempTree home;
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        window.routines().setLibrary(RoutineLibrary(QString::fromUtf8(home.path("routines"))));
        fill(window, {"a_b", "c_d", "e"});
        QVERIFY(showActive(window));
        QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);

        platform.inputAnswers = {"1"};
        window.menus().action("mFDef", 3)->trigger(); // Add to end...
        window.findValues().ReplaceMode = true;
        window.openFindReplace();
        typeInto(window.findReplaceDialog()->findBox(), "/(\\w)_(\\w)/");
        typeInto(window.findReplaceDialog()->replaceBox(), "\\2\\1");
        QTest::keyClick(window.findReplaceDialog()->findBox(), Qt::Key_Return);
        window.menus().action("mFCase", 2)->trigger(); // All Uppercase
        const QStringList byHand = lines(window.store());
        QCOMPARE(byHand, (QStringList{"BA1.mp3", "DC1.mp3", "E1.mp3"}));
        QCOMPARE(stepLines(window),
                 (QStringList{"1. Add to end: “1”", "2. Replace “/(\\w)_(\\w)/” with “\\2\\1”",
                              "3. All Uppercase"}));

        platform.inputAnswers = {"Tidy"};
        window.menus().action("mRoutineSave")->trigger();
        QCOMPARE(window.routines().library().list().size(), size_t(1));

        window.button(MainWindow::Button::RestoreAll)->click();
        QCOMPARE(lines(window.store()), (QStringList{"a_b.mp3", "c_d.mp3", "e.mp3"}));
        QCOMPARE(stepLines(window), QStringList{});

        chooseRoutine(window, 0);
        QCOMPARE(lines(window.store()), byHand);
        QCOMPARE(window.routines().steps().size(), size_t(3));
        QVERIFY(platform.messages.empty());
    }

    void unreadableRoutineIsNamedAndRunsNothing()
    {
        TempTree home;
        home.addFile("routines/broken.json", "{\"format\": \"filevane-routine\", \"version\": 1,"
                                             " \"steps\": [{\"operation\": \"smart-case\"},"
                                             " {\"operation\": \"add-to-end\"}]}");
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        window.routines().setLibrary(RoutineLibrary(QString::fromUtf8(home.path("routines"))));
        fill(window, {"a b"});
        window.store().selectAll();
        chooseRoutine(window, 0);
        QCOMPARE(lines(window.store()), QStringList{"a b.mp3"});
        QCOMPARE(platform.messages.size(), size_t(1));
        QCOMPARE(platform.messages[0].text,
                 QString("The routine “broken” cannot be read: step 2 (add-to-end): “answer” is "
                         "missing."));
    }

    void clearAndLoadsIntoAnEmptyListStartAnew()
    {
        TempTree tree;
        tree.addFile("x/one.txt");
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        window.openPaths({tree.path("x")});
        window.store().selectAll();
        window.menus().action("mFCase", 2)->trigger();
        window.openPaths({tree.path("x/one.txt")}); // into a list that holds lines: kept
        QCOMPARE(window.routines().steps().size(), size_t(1));
        window.button(MainWindow::Button::ClearList)->click();
        QCOMPARE(window.routines().steps().size(), size_t(0));
        window.store().append(makeItem("/m", "a", ""));
        window.store().selectAll();
        window.menus().action("mFCase", 2)->trigger();
        window.store().removeWhere([](int) { return true; }); // an Apply that emptied the list
        window.openPaths({tree.path("x")});
        QCOMPARE(window.routines().steps().size(), size_t(0));
    }

    void invalidPatternIsShownAndOkDoesNotRun()
    {
        FindReplaceValues values{true, QStringLiteral("before"), QStringLiteral("x")};
        QWidget main;
        int calls = 0;
        QPointer<FindReplaceDialog> dialog =
            new FindReplaceDialog(&main, values, [&calls] { ++calls; });
        dialog->setPatternCheck(&FindReplace::patternError);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const int height = dialog->height();
        typeInto(dialog->findBox(), "/(a/");
        QVERIFY(dialog->patternError()->isVisible());
        QCOMPARE(dialog->patternError()->text(),
                 QString("Invalid pattern: missing closing parenthesis"));
        QVERIFY(!dialog->button(FindReplaceDialog::Button::Ok)->isEnabled());
        QVERIFY(dialog->height() > height);
        QTest::keyClick(dialog->findBox(), Qt::Key_Return);
        dialog->eButton_Click(int(FindReplaceDialog::Button::Ok));
        QCOMPARE(calls, 0);
        QVERIFY(dialog);
        QCOMPARE(values.FindText, QString("before"));
        typeInto(dialog->findBox(), "/(a)/");
        QVERIFY(!dialog->patternError()->isVisible());
        QCOMPARE(dialog->height(), height);
        QTest::keyClick(dialog->findBox(), Qt::Key_Return);
        QCOMPARE(calls, 1);
        QCOMPARE(values.FindText, QString("/(a)/"));
    }
};

QTEST_MAIN(TestRoutines)
#include "tst_routines.moc"
