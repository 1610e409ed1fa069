// The dialogs. Find and replace: its two modes, what OK and Cancel store, the disabled
// main window, and the Containing search it serves. Custom generation: live preview while
// typing, OK only for a valid template, the remembered templates, and the menu entry that
// runs it over the selection. The real Qt dialogs behind the user interaction seam, driven
// as a user would, and the window as the application makes it, with no seam handed in: its
// own Qt dialogs must reach its own find and replace dialog without any wiring after
// construction.

#include "dialogs/customgenerationdialog.h"
#include "dialogs/findreplacedialog.h"
#include "platform/qtuserinteraction.h"
#include "scriptedmetadatareader.h"
#include "windowtesthelpers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTreeWidget>

namespace {

using Check = FindReplaceDialog::Check;
using Button = FindReplaceDialog::Button;

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

void addItem(ItemStore& store, const char* folder, const char* name, bool selected)
{
    store.append(makeItem(folder, QString::fromUtf8(name), QStringLiteral(".mp3")));
    store.setSelected(store.ItemCount() - 1, selected);
}

QStringList previewRows(const CustomGenerationDialog& dialog)
{
    QStringList rows;
    for (int r = 0; r < dialog.preview()->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* row = dialog.preview()->topLevelItem(r);
        rows << row->text(0) + QStringLiteral(" -> ") + row->text(1) +
                    (row->text(2).isEmpty() ? QString()
                                            : QStringLiteral(" (") + row->text(2) + ')');
    }
    return rows;
}

void typeTemplate(CustomGenerationDialog& dialog, const QString& text)
{
    typeInto(dialog.templateBox()->lineEdit(), text);
}

// Runs `act` on the next modal dialog once it shows; the dialog's own loop is running then.
void onNextModal(const std::function<void(QWidget*)>& act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        act(modal);
    });
    poll->start(10);
}

void pressButton(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Remembered templates live in the test folders, and each test starts without any.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QStringLiteral("Filevane"), QStringLiteral("Filevane")).clear(); }

    void showsLastValuesAndCancelKeepsOptions()
    {
        FindReplaceValues values{true, QStringLiteral(" ab "), QStringLiteral("cd"), false, true,
                                 true};
        QWidget main;
        {
            FindReplaceDialog dialog(&main, values, [] { QFAIL("Cancel must not confirm"); });
            QCOMPARE(dialog.findBox()->text(), QStringLiteral(" ab "));
            QCOMPARE(dialog.replaceBox()->text(), QStringLiteral("cd"));
            QVERIFY(!dialog.check(Check::MatchCase)->isChecked());
            QVERIFY(dialog.check(Check::ExactPhrase)->isChecked());
            QVERIFY(dialog.check(Check::Repeat)->isChecked());
            QCOMPARE(dialog.minimumSize(), dialog.maximumSize()); // not resizable
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            for (Check box : {Check::MatchCase, Check::ExactPhrase, Check::Repeat})
                clickBox(dialog.check(box));
            typeInto(dialog.findBox(), QStringLiteral("new"));
            QTest::mouseClick(dialog.button(Button::Cancel), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }
        // The options are stored at once, the texts only by OK.
        QVERIFY(values.MatchCase);
        QVERIFY(!values.ExactPhrase);
        QVERIFY(!values.RepeatReplace);
        QCOMPARE(values.FindText, QStringLiteral(" ab "));
    }

    void okStoresTexts_data()
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

    void okStoresTexts()
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

    void mainWindowDisabledUntilClosed_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"ok", "cancel", "esc", "close box"})
            QTest::newRow(how) << how;
    }

    void mainWindowDisabledUntilClosed()
    {
        QFETCH(QString, how);
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openFindReplace();
        FindReplaceDialog* dialog = window.findReplaceDialog();
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        QVERIFY(!window.isEnabled());
        QVERIFY(dialog->isEnabled());
        QCOMPARE(QApplication::focusWidget(), dialog->findBox());
        typeInto(dialog->findBox(), QStringLiteral("x"));
        if (how == "ok")
            QTest::mouseClick(dialog->button(Button::Ok), Qt::LeftButton);
        else if (how == "cancel")
            QTest::mouseClick(dialog->button(Button::Cancel), Qt::LeftButton);
        else if (how == "esc")
            QTest::keyClick(dialog->findBox(), Qt::Key_Escape);
        else
            dialog->close();
        QVERIFY(window.isEnabled());
        QTRY_VERIFY(!window.findReplaceDialog());
    }

    void containingSelects_data()
    {
        QTest::addColumn<QString>("find");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("exactPhrase");
        QTest::addColumn<QList<int>>("selected");
        using L = QList<int>;
        // clang-format off
        QTest::newRow("ab, case ignored: Abc and cab") << "ab" << false << false << L{0, 1};
        QTest::newRow("ab, match case: only cab") << "ab" << true << false << L{1};
        QTest::newRow("text only in an extension") << "txt" << false << false << L{};
        QTest::newRow("spaces around the word are part of it") << " ab" << false << false << L{};
        QTest::newRow("exact phrase: ab stands in no name alone") << "ab" << false << true << L{};
        QTest::newRow("exact phrase: a whole name") << "XYZ" << false << true << L{2};
        // clang-format on
    }

    void containingSelects()
    {
        QFETCH(QString, find);
        QFETCH(bool, matchCase);
        QFETCH(bool, exactPhrase);
        QFETCH(QList<int>, selected);
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        FindReplaceDialog* dialog = openBy(platform, window, "mSSel", 1, {"Abc", "cab", "xyz"});
        QVERIFY(dialog);
        // Find mode: nothing to replace with.
        QVERIFY(!dialog->replaceBox()->isEnabled() && !dialog->check(Check::Repeat)->isEnabled());
        window.store().setSelected(2, true); // replaced entirely by the search
        dialog->check(Check::MatchCase)->setChecked(matchCase);
        if (exactPhrase)
            clickBox(dialog->check(Check::ExactPhrase));
        typeInto(dialog->findBox(), find);
        QTest::mouseClick(dialog->button(Button::Ok), Qt::LeftButton);
        QCOMPARE(selectedLines(window.store()), selected);
        QCOMPARE(lines(window.store()), (QStringList{"Abc.txt", "cab.txt", "xyz.txt"}));
    }

    // The replacement runs while the dialog still shows and the window is still disabled.
    void replaceThroughMenu()
    {
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        QSignalSpy operations(&window, &MainWindow::operationRequested);
        FindReplaceDialog* dialog = openBy(platform, window, "mFDef", 4, {"a-b", "c-d"});
        QVERIFY(dialog);
        QVERIFY(dialog->replaceBox()->isEnabled() && dialog->check(Check::Repeat)->isEnabled());
        window.store().setSelected(0, true);
        typeInto(dialog->findBox(), QStringLiteral("-"));
        typeInto(dialog->replaceBox(), QStringLiteral("_"));
        bool shownDuringRun = false;
        connect(&window.store(), &ItemStore::dataChanged, dialog,
                [&] { shownDuringRun = dialog->isVisible() && !window.isEnabled(); });
        QTest::mouseClick(dialog->button(Button::Ok), Qt::LeftButton);
        QCOMPARE(operations.count(), 1);
        QCOMPARE(operations[0][0].toInt(), int(OpCode::Replace));
        QVERIFY(shownDuringRun);
        QCOMPARE(lines(window.store()), (QStringList{"a_b.txt", "c-d.txt"}));
        QVERIFY(window.isEnabled());
    }

    void previewFollowsTheTemplateAsTyped()
    {
        ItemStore store;
        addItem(store, "/m/a", "one", true);
        addItem(store, "/m/a", "taken", false);
        addItem(store, "/m/b", "two", true);
        addItem(store, "/m/a", "three", true);
        ScriptedMetadataReader reader;
        FileMetadata tags;
        tags.artist = QStringLiteral("AC/DC");
        tags.track = 7;
        reader.files.insert("/m/a/one.mp3", tags);
        CustomGenerationDialog dialog(store, reader);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        typeTemplate(dialog, QStringLiteral("[track:2] [artist]"));
        QCOMPARE(
            previewRows(dialog),
            QStringList({"one.mp3 -> 07 AC_DC.mp3", "two.mp3 -> two.mp3 (refused: stays as it is)",
                         "three.mp3 -> three.mp3 (refused: stays as it is)"}));
        QVERIFY(dialog.okButton()->isEnabled());

        typeTemplate(dialog, QStringLiteral("[F]-[CF:1,1,2"));
        QVERIFY(!dialog.okButton()->isEnabled());
        QCOMPARE(dialog.errorLabel()->text(),
                 QStringLiteral("Column 5: [ without ] (write [[ for a bracket)"));
        QVERIFY(previewRows(dialog).isEmpty());

        QTest::keyClicks(dialog.templateBox()->lineEdit(), QStringLiteral("]"));
        QCOMPARE(previewRows(dialog), QStringList({"one.mp3 -> a-01.mp3", "two.mp3 -> b-01.mp3",
                                                   "three.mp3 -> a-02.mp3"}));
        typeTemplate(dialog, QStringLiteral("taken"));
        QCOMPARE(previewRows(dialog).first(),
                 QStringLiteral("one.mp3 -> taken.mp3 (clash: name taken)"));
        QVERIFY(dialog.okButton()->isEnabled());
    }

    void okRemembersTheLastTenTemplates()
    {
        ItemStore store;
        addItem(store, "/m", "one", true);
        ScriptedMetadataReader reader;
        for (int n = 1; n <= 11; ++n)
            CustomGenerationDialog::remember(QStringLiteral("[N] %1").arg(n));
        CustomGenerationDialog::remember(QStringLiteral("[N] 5"));

        CustomGenerationDialog dialog(store, reader);
        QComboBox* box = dialog.templateBox();
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->itemText(i).mid(4);
        QCOMPARE(shown.join(' '), QStringLiteral("5 11 10 9 8 7 6 4 3 2"));
        QCOMPARE(previewRows(dialog), QStringList({"one.mp3 -> one 5.mp3"}));

        box->setCurrentIndex(9);
        QCOMPARE(previewRows(dialog), QStringList({"one.mp3 -> one 2.mp3"}));
    }

    void menuEntryRunsTheTemplateOverTheSelection()
    {
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        fill(window, {"b", "a", "c"});
        window.store().setSelected(0, true);
        window.store().setSelected(2, true);
        QVERIFY(showActive(window));
        QStringList preview;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CustomGenerationDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            typeTemplate(*dialog, QStringLiteral("[F] [C:1,1,2]"));
            preview = previewRows(*dialog);
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        window.menus().action("mFCustom", -1)->trigger();
        QCOMPARE(preview, QStringList({"b.mp3 -> music 01.mp3", "c.mp3 -> music 02.mp3"}));
        QCOMPARE(lines(window.store()), QStringList({"music 01.mp3", "a.mp3", "music 02.mp3"}));
        QCOMPARE(selectedLines(window.store()), QList<int>({0, 2}));
        QCOMPARE(CustomGenerationDialog::history(), QStringList({"[F] [C:1,1,2]"}));
    }

    void inputBox_data()
    {
        QTest::addColumn<QString>("typed"); // empty: the preset is left as it is
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("answer");
        // clang-format off
        QTest::newRow("OK answers the typed text") << "typed" << "ok" << "typed";
        QTest::newRow("OK on the untouched preset answers the preset") << "" << "ok" << "preset";
        QTest::newRow("Enter answers the typed text") << "typed" << "enter" << "typed";
        QTest::newRow("Cancel answers nothing") << "typed" << "cancel" << "";
        QTest::newRow("Esc answers nothing") << "typed" << "esc" << "";
        // clang-format on
    }

    void inputBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QString, answer);
        QWidget owner;
        QtUserInteraction interaction(&owner, {});
        QString shown;
        onNextModal([&](QWidget* dialog) {
            shown = dialog->windowTitle() + '|' + qobject_cast<QInputDialog*>(dialog)->labelText();
            auto* box = dialog->findChild<QLineEdit*>();
            if (!typed.isEmpty()) {
                box->selectAll();
                QTest::keyClicks(box, typed);
            }
            if (how == "ok")
                pressButton(dialog, QDialogButtonBox::Ok);
            else if (how == "cancel")
                pressButton(dialog, QDialogButtonBox::Cancel);
            else
                QTest::keyClick(box, how == "enter" ? Qt::Key_Return : Qt::Key_Escape);
        });
        QCOMPARE(interaction.inputBox("Enter" + QString(QChar(13)) + "text", "Edit...", "preset"),
                 answer);
        QCOMPARE(shown, QStringLiteral("Edit...|Enter\ntext"));
    }

    // The message box shows its lines until OK; the folder chooser, cancelled, answers nothing.
    void messageBoxAndCancelledFolderChooser()
    {
        QWidget owner;
        QtUserInteraction interaction(&owner, {});
        QStringList shown;
        onNextModal([&](QWidget* dialog) {
            shown << dialog->windowTitle() + '|' + qobject_cast<QMessageBox*>(dialog)->text();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        interaction.messageBox("one" + QString(QChar(13)) + "two", "Error...");
        onNextModal([&](QWidget* dialog) {
            shown << dialog->windowTitle();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(interaction.browseForFolder("#Add directory"), QString());
        QCOMPARE(shown, (QStringList{"Error...|one\ntwo", "#Add directory"}));
    }

    void findReplaceOpensOnItsOwn_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("title");
        QTest::newRow("Replace... opens the dialog in replace mode") << true << "Replace...";
        QTest::newRow("Containing... opens the dialog in find mode") << false << "Find...";
    }

    void findReplaceOpensOnItsOwn()
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
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
