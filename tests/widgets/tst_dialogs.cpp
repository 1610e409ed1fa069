// The dialogs: find and replace, custom generation, and the real Qt dialogs behind the user
// interaction seam, driven as a user would.

#include "dialogs/customgenerationdialog.h"
#include "dialogs/findreplacedialog.h"
#include "dialogs/tokenbrowser.h"
#include "platform/qtuserinteraction.h"
#include "scriptedmetadatareader.h"
#include "windowtesthelpers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTreeView>
#include <QTreeWidget>

namespace {

using Check = FindReplaceDialog::Check;
using Button = FindReplaceDialog::Button;

void addItem(ItemStore& store, const char* folder, const char* name, bool selected)
{
    store.append(makeItem(folder, QString::fromUtf8(name), QStringLiteral(".mp3")));
    store.setSelected(store.ItemCount() - 1, selected);
}

QStringList previewRows(const CustomGenerationDialog& dialog)
{
    QStringList rows;
    const QAbstractItemModel* model = dialog.preview()->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        const auto text = [&](int column) { return model->index(r, column).data().toString(); };
        const QString note = text(2);
        rows << text(0) + " -> " + text(1) + (note.isEmpty() ? "" : " (" + note + ")");
    }
    return rows;
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
            QCOMPARE(dialog.findBox()->text() + '|' + dialog.replaceBox()->text(), " ab |cd");
            QVERIFY(!dialog.check(Check::MatchCase)->isChecked() &&
                    dialog.check(Check::ExactPhrase)->isChecked() &&
                    dialog.check(Check::Repeat)->isChecked());
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            for (Check box : {Check::MatchCase, Check::ExactPhrase, Check::Repeat})
                clickBox(dialog.check(box));
            typeInto(dialog.findBox(), QStringLiteral("new"));
            QTest::mouseClick(dialog.button(Button::Cancel), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }
        // The options are stored at once, the texts only by OK.
        QVERIFY(values.MatchCase && !values.ExactPhrase && !values.RepeatReplace);
        QCOMPARE(values.FindText, QStringLiteral(" ab "));
    }

    void okStoresTexts_data()
    {
        // The find and replace boxes as typed, and the texts stored.
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<bool>("confirmed");
        using L = QStringList;
        // clang-format off
        QTest::newRow("empty replace box keeps the earlier text") << L{"ab", ""} << L{"ab", "earlier"} << true;
        QTest::newRow("spaces-only replace box keeps the earlier text") << L{"ab", "   "} << L{"ab", "earlier"} << true;
        QTest::newRow("spaces around the find word are kept") << L{" ab ", "x"} << L{" ab ", "x"} << true;
        QTest::newRow("blank find box stores nothing, confirms nothing") << L{"   ", ""} << L{"before", "earlier"} << false;
        QTest::newRow("blank find box still stores a replacement") << L{"", "xy"} << L{"before", "xy"} << false;
        // clang-format on
    }

    void okStoresTexts()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, stored);
        QFETCH(bool, confirmed);
        FindReplaceValues values{true, QStringLiteral("before"), QStringLiteral("earlier")};
        QWidget main;
        int calls = 0;
        QPointer<FindReplaceDialog> dialog =
            new FindReplaceDialog(&main, values, [&calls] { ++calls; });
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        typeInto(dialog->findBox(), typed[0]);
        typeInto(dialog->replaceBox(), typed[1]);
        QTest::keyClick(dialog->findBox(), Qt::Key_Return); // Enter presses OK
        QCOMPARE(calls, confirmed ? 1 : 0);
        QCOMPARE((QStringList{values.FindText, values.ReplaceWith}), stored);
        QTRY_VERIFY(!dialog); // closed and unloaded
        QVERIFY(main.isEnabled());
    }

    void mainWindowDisabledUntilClosed_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("closeBy");
        QTest::newRow("Containing..., OK") << false << "ok";
        QTest::newRow("Replace..., close box") << true << "close box";
    }

    // The window as the application makes it, with no seam handed in: its own Qt dialogs must reach
    // its own find and replace dialog.
    void mainWindowDisabledUntilClosed()
    {
        QFETCH(bool, replace);
        QFETCH(QString, closeBy);
        MainWindow window;
        fill(window, {"one", "two"});
        window.store().selectAll();
        QVERIFY(showActive(window));
        if (replace)
            window.menus().action("mFDef", 4)->trigger();
        else
            QTest::keyClick(window.list(), Qt::Key_F, Qt::ControlModifier); // Containing...
        FindReplaceDialog* dialog = window.findReplaceDialog();
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->windowTitle(), replace ? "Replace..." : "Find...");
        QVERIFY(!window.isEnabled() && dialog->isEnabled());
        QCOMPARE(QApplication::focusWidget(), dialog->findBox());
        QCOMPARE(dialog->replaceBox()->isEnabled(), replace);
        // Nothing in the window is reachable meanwhile: the selection and the lines stay.
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        window.menus().action("mSNone")->trigger();
        Q_EMIT window.list()->removeRequested();
        typeInto(dialog->findBox(), QStringLiteral("TW"));
        if (closeBy == "ok")
            QTest::mouseClick(dialog->button(Button::Ok), Qt::LeftButton);
        else
            dialog->close(); // Cancel: showsLastValuesAndCancelKeepsOptions
        QVERIFY(window.isEnabled());
        QTRY_VERIFY(!window.findReplaceDialog());
        // Only OK runs the search, case ignored, and its result replaces the selection.
        QCOMPARE(window.store().ItemCount(), 2);
        QCOMPARE(selectedLines(window.store()),
                 (closeBy == "ok" ? QList<int>{1} : QList<int>{0, 1}));
    }

    // The replacement runs while the dialog still shows and the window is still disabled.
    void replaceThroughMenu()
    {
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        platform.onShowFindReplace = [&window] { window.openFindReplace(); };
        fill(window, {"a-b", "c-d"}, ".txt");
        QVERIFY(showActive(window));
        window.menus().action("mFDef", 4)->trigger();
        FindReplaceDialog* dialog = window.findReplaceDialog();
        QVERIFY(dialog);
        window.store().setSelected(0, true);
        typeInto(dialog->findBox(), QStringLiteral("-"));
        typeInto(dialog->replaceBox(), QStringLiteral("_"));
        bool shownDuringRun = false;
        connect(&window.store(), &ItemStore::dataChanged, dialog,
                [&] { shownDuringRun = dialog->isVisible() && !window.isEnabled(); });
        QTest::mouseClick(dialog->button(Button::Ok), Qt::LeftButton);
        QVERIFY(shownDuringRun);
        QCOMPARE(lines(window.store()), (QStringList{"a_b.txt", "c-d.txt"}));
    }

    // Template errors, counters and clashes themselves are covered without a window.
    void previewFollowsTheTemplateAsTyped()
    {
        ItemStore store;
        addItem(store, "/m/a", "one", true);
        addItem(store, "/m/a", "taken", false);
        addItem(store, "/m/b", "two", true);
        ScriptedMetadataReader reader;
        CustomGenerationDialog dialog(store, reader);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.templateBox()->currentText(), QStringLiteral("[N]")); // nothing used yet
        QCOMPARE(previewRows(dialog), QStringList({"one.mp3 -> one.mp3", "two.mp3 -> two.mp3"}));
        typeInto(dialog.templateBox()->lineEdit(), QStringLiteral("[F]-[CF:1,1,2"));
        QVERIFY(!dialog.okButton()->isEnabled());
        QCOMPARE(dialog.errorLabel()->text(),
                 QStringLiteral("Column 5: [ without ] (write [[ for a bracket)"));
        QCOMPARE(previewRows(dialog), QStringList({"one.mp3 -> one.mp3", "two.mp3 -> two.mp3"}));
        QTest::keyClicks(dialog.templateBox()->lineEdit(), QStringLiteral("]"));
        QCOMPARE(previewRows(dialog), QStringList({"one.mp3 -> a-01.mp3", "two.mp3 -> b-01.mp3"}));
        QVERIFY(dialog.okButton()->isEnabled());
        typeInto(dialog.templateBox()->lineEdit(), QStringLiteral("taken"));
        // The clash shows once typing has paused and every line is counted.
        QTRY_VERIFY(dialog.countsDone());
        QCOMPARE(previewRows(dialog),
                 QStringList({"one.mp3 -> taken.mp3 (clash: name taken)", "two.mp3 -> taken.mp3"}));
        QCOMPARE(dialog.countsLabel()->text(),
                 QStringLiteral("Names that change: 2 · clashes: 1 · refused: 0"));
    }

    void previewCoversEverySelectedLine()
    {
        ItemStore store;
        for (int n = 0; n < 300; ++n)
            addItem(store, "/m", QByteArray::number(n).constData(), n % 3 != 1);
        ScriptedMetadataReader reader;
        CustomGenerationDialog dialog(store, reader);
        dialog.show();
        typeInto(dialog.templateBox()->lineEdit(), QStringLiteral("[C:1,1,3] [N]"));
        const QStringList rows = previewRows(dialog);
        QCOMPARE(rows.size(), 200);
        QCOMPARE(rows.last(), QStringLiteral("299.mp3 -> 200 299.mp3"));
        typeInto(dialog.templateBox()->lineEdit(), QStringLiteral("[N]:"));
        QCOMPARE(previewRows(dialog).last(),
                 QStringLiteral("299.mp3 -> 299.mp3 (refused: stays as it is)"));
        QTRY_COMPARE(dialog.countsLabel()->text(),
                     QStringLiteral("Names that change: 0 · clashes: 0 · refused: 200"));
    }

    void tokenBrowserFiltersShowsValuesAndInserts()
    {
        ItemStore store;
        addItem(store, "/m/Rock", "one", true);
        addItem(store, "/m/Jazz", "two", true);
        store.setCurrentLine(1);
        ScriptedMetadataReader reader;
        FileMetadata tags;
        tags.artist = QStringLiteral("Nina");
        reader.files.insert("/m/Jazz/two.mp3", tags);
        CustomGenerationDialog dialog(store, reader);
        QVERIFY(showActive(dialog));
        TokenBrowser* tokens = dialog.tokens();
        const auto valueOf = [&](const QString& token) {
            const auto found = tokens->table()->findItems(token, Qt::MatchExactly);
            return found.isEmpty() ? QString() : found.first()->text(2);
        };
        // The values are those of the list's line with the focus.
        QCOMPARE(valueOf("[F]"), QStringLiteral("Jazz"));
        QCOMPARE(valueOf("[artist]"), QStringLiteral("Nina"));
        dialog.templateBox()->lineEdit()->setText(QStringLiteral("x  y"));
        dialog.templateBox()->lineEdit()->setCursorPosition(2);

        tokens->findBox()->setFocus();
        QTest::keyClicks(tokens->findBox(), QStringLiteral("artist"));
        QCOMPARE(tokens->shownTokens(), QStringList({"[artist]"}));
        QTest::keyClick(tokens->findBox(), Qt::Key_Return);
        QCOMPARE(dialog.templateText(), QStringLiteral("x [artist] y"));
        QVERIFY(dialog.isVisible()); // Enter inserts; it does not press OK

        QTest::keyClick(dialog.preview(), Qt::Key_Up);
        QCOMPARE(valueOf("[F]"), QStringLiteral("Rock"));
        typeInto(tokens->findBox(), QStringLiteral("folder"));
        QCOMPARE(tokens->shownTokens(), QStringList({"[F]", "[F2]", "[CF]"}));
        QTreeWidget* table = tokens->table();
        QTreeWidgetItem* parent = table->findItems("[F2]", Qt::MatchExactly).first();
        // The table lays out its rows anew once the event loop runs.
        QTRY_COMPARE(table->itemAt(table->visualItemRect(parent).center()), parent);
        // A double click as the system delivers it: press, release, double click.
        const QPoint at = table->visualItemRect(parent).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(dialog.templateText(), QStringLiteral("x [artist] y")); // one click: nothing
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(dialog.templateText(), QStringLiteral("x [artist][F2] y"));
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
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CustomGenerationDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            typeInto(dialog->templateBox()->lineEdit(), QStringLiteral("[F] [C:1,1,2]"));
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        window.menus().action("mFCustom", -1)->trigger();
        QCOMPARE(lines(window.store()), QStringList({"music 01.mp3", "a.mp3", "music 02.mp3"}));
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
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
