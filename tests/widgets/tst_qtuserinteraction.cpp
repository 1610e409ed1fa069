// The real dialogs behind the user interaction seam, driven as a user would, and the
// window as the application makes it, with no seam handed in: its own Qt dialogs must
// reach its own find and replace dialog without any wiring after construction.

#include "app/mainwindow.h"
#include "dialogs/findreplacedialog.h"
#include "platform/qtuserinteraction.h"
#include "windowtesthelpers.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

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

class TestQtUserInteraction : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inputBox_data();
    void inputBox();
    void messageBoxShowsLinesUntilOk();
    void folderChooserCancelAnswersNothing();
    void findReplaceOpensOnItsOwn_data();
    void findReplaceOpensOnItsOwn();
};

void TestQtUserInteraction::inputBox_data()
{
    QTest::addColumn<QString>("typed"); // empty: the preset is left as it is
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("answer");
    QTest::newRow("OK answers the typed text") << "typed"
                                               << "ok"
                                               << "typed";
    QTest::newRow("OK on the untouched preset answers the preset") << ""
                                                                   << "ok"
                                                                   << "preset";
    QTest::newRow("Enter answers the typed text") << "typed"
                                                  << "enter"
                                                  << "typed";
    QTest::newRow("Cancel answers nothing") << "typed"
                                            << "cancel"
                                            << "";
    QTest::newRow("Esc answers nothing") << "typed"
                                         << "esc"
                                         << "";
}

void TestQtUserInteraction::inputBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, answer);
    QWidget owner;
    QtUserInteraction interaction(&owner, {});
    QString title, label;
    onNextModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        label = qobject_cast<QInputDialog*>(dialog)->labelText();
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
    QCOMPARE(title, QStringLiteral("Edit..."));
    QCOMPARE(label, QStringLiteral("Enter\ntext"));
}

void TestQtUserInteraction::messageBoxShowsLinesUntilOk()
{
    QWidget owner;
    QtUserInteraction interaction(&owner, {});
    QString title, text;
    onNextModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        text = qobject_cast<QMessageBox*>(dialog)->text();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    interaction.messageBox("one" + QString(QChar(13)) + "two", "Error...");
    QCOMPARE(title, QStringLiteral("Error..."));
    QCOMPARE(text, QStringLiteral("one\ntwo"));
}

void TestQtUserInteraction::folderChooserCancelAnswersNothing()
{
    QWidget owner;
    QtUserInteraction interaction(&owner, {});
    QString title;
    onNextModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QCOMPARE(interaction.browseForFolder("#Add directory"), QString());
    QCOMPARE(title, QStringLiteral("#Add directory"));
}

void TestQtUserInteraction::findReplaceOpensOnItsOwn_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("title");
    QTest::newRow("Replace... opens the dialog in replace mode") << true << "Replace...";
    QTest::newRow("Containing... opens the dialog in find mode") << false << "Find...";
}

void TestQtUserInteraction::findReplaceOpensOnItsOwn()
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

QTEST_MAIN(TestQtUserInteraction)
#include "tst_qtuserinteraction.moc"
