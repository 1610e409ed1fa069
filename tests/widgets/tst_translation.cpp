// The program in German, as started with LANGUAGE=de (set in CMake): every text it shows
// (window, buttons, check boxes, menus, column headers, status line, the dialogs, the
// string table, and every prompt, title and message that each command and button gives
// the user) is compared, line by line, with the same text in English: none may be left
// English. Accelerators stay distinct, and Qt's standard buttons come along.

#include "accelerators.h"
#include "app/statusline.h"
#include "app/translations.h"
#include "dialogs/findreplacedialog.h"
#include "resources/stringtable.h"
#include "windowtesthelpers.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QTranslator>

namespace {

using Texts = QMap<QString, QString>; // where shown -> text

// Lines that read the same in both languages.
const QStringList sameInGerman = {"Info", "Filevane", "Filevane Version $", "OK"};

// Every text of the widgets inside top (itself included), by object name or place.
void addWidgetTexts(Texts& texts, const QString& where, QWidget* top)
{
    texts[where + " title"] = top->windowTitle();
    int i = 0;
    for (QLabel* label : top->findChildren<QLabel*>())
        texts[where + QStringLiteral(" label %1").arg(i++)] = label->text();
    for (QAbstractButton* button : top->findChildren<QAbstractButton*>())
        texts[where + QStringLiteral(" button %1 %2").arg(i++).arg(button->objectName())] =
            button->text();
    for (QGroupBox* box : top->findChildren<QGroupBox*>())
        texts[where + QStringLiteral(" group %1").arg(i++)] = box->title();
    for (QLineEdit* edit : top->findChildren<QLineEdit*>())
        texts[where + QStringLiteral(" placeholder %1").arg(i++)] = edit->placeholderText();
}

// What the scripted user was shown since the last call.
void takeShown(Texts& texts, const QString& where, ScriptedPlatform& platform)
{
    for (size_t i = 0; i < platform.prompts.size(); ++i) {
        texts[where + QStringLiteral(" prompt %1").arg(i)] = platform.prompts[i].prompt;
        texts[where + QStringLiteral(" prompt title %1").arg(i)] = platform.prompts[i].title;
    }
    for (size_t i = 0; i < platform.messages.size(); ++i) {
        const auto& message = platform.messages[i];
        texts[where + QStringLiteral(" message %1").arg(i)] = message.text;
        texts[where + QStringLiteral(" message title %1").arg(i)] = message.title;
        texts[where + QStringLiteral(" message more %1").arg(i)] = message.informative;
    }
    for (int i = 0; i < platform.browseInstructions.size(); ++i)
        texts[where + QStringLiteral(" folder chooser %1").arg(i)] = platform.browseInstructions[i];
    for (int i = 0; i < platform.fileChooserTitles.size(); ++i)
        texts[where + QStringLiteral(" file chooser %1").arg(i)] = platform.fileChooserTitles[i];
    platform.prompts.clear();
    platform.messages.clear();
    platform.browseInstructions.clear();
    platform.fileChooserTitles.clear();
}

// Every text of the string table.
Texts tableTexts()
{
    Texts texts;
    for (int id :
         {100, 101, 102, 103, 104, 105, 109, 300, 301, 302, 303, 305, 306, 308, 309, 312, 313, 320,
          321, 340, 341, 342, 343, 344, 345, 346, 350, 351, 352, 360, 400, 401, 402, 500, 501, 510,
          511, 512, 513, 514, 515, 516, 608, 609, 630, 631, 632, 633, 640, 641, 642, 643})
        texts[QStringLiteral("string %1").arg(id)] = LoadResString(TextId(id));
    return texts;
}

// The window, its menus, header and status line, and what choosing every menu entry and
// pressing every button shows, with every prompt cancelled; and the string table.
Texts shownTexts()
{
    Texts texts;
    texts.insert(tableTexts());
    ScriptedPlatform platform;
    MainWindow window(platform, platform);
    platform.onShowFindReplace = [&window] { window.openFindReplace(); };
    fill(window, {"a", "a"}); // a clash, for Apply all's message
    window.store().setSelected(0, true);
    window.store().setCurrentLine(0);
    addWidgetTexts(texts, "window", &window);
    auto* header = window.list()->findChild<QHeaderView*>("diskNamesHeader");
    for (int i = 0; i < header->count(); ++i)
        texts[QStringLiteral("column %1").arg(i)] =
            header->model()->headerData(i, Qt::Horizontal).toString();
    texts["status counts"] = window.statusLine()->countsText();
    texts["status not added"] = StatusLine::notAdded(2, ItemStore::MaxItems);
    texts["status renaming"] = StatusLine::renaming(1, 2);
    texts["status undoing"] = StatusLine::undoing(1, 2);

    // A dialog of the window's own (Custom generation) shows its texts, then closes.
    QString where;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&texts, &where] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            addWidgetTexts(texts, where + " dialog", modal);
            modal->close();
        }
    });
    poll.start(10);
    for (const auto rows : {PopupMenus::itemRows(), PopupMenus::listRows()}) {
        for (const MenuRow& row : rows) {
            if (row.kind == MenuRow::Kind::Submenu)
                texts[QStringLiteral("submenu ") + row.name] =
                    window.findChild<QMenu*>(row.name)->title();
            if (row.kind != MenuRow::Kind::Entry)
                continue;
            where = "menu " + row.entryName();
            QAction* action = window.menus().action(row);
            texts[where] = action->text();
            action->trigger();
            if (FindReplaceDialog* dialog = window.findReplaceDialog()) {
                addWidgetTexts(texts, where + " dialog", dialog);
                dialog->close();
            }
            takeShown(texts, where, platform);
        }
    }
    // The buttons that show something of their own (Modify and Sort list open the menus).
    for (const auto which : {MainWindow::Button::AddFiles, MainWindow::Button::AddDirectory,
                             MainWindow::Button::ApplyAll, MainWindow::Button::Info}) {
        window.eButton_Click(int(which));
        takeShown(texts, QStringLiteral("button %1").arg(int(which)), platform);
    }
    return texts;
}

// The lines of english that german leaves as they were.
QStringList stillEnglish(const Texts& english, const Texts& german)
{
    QStringList faults;
    for (auto it = english.begin(); it != english.end(); ++it) {
        const QStringList lines = it.value().split(QRegularExpression("[\r\n]|<br>"));
        const QStringList translated =
            german.value(it.key()).split(QRegularExpression("[\r\n]|<br>"));
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = QString(lines[i]).remove('&').trimmed();
            if (!line.contains(QRegularExpression("[A-Za-z]{2}")) || sameInGerman.contains(line))
                continue;
            if (i < translated.size() && translated[i] == lines[i])
                faults << it.key() + ": \"" + lines[i] + '"';
        }
    }
    return faults;
}

} // namespace

class TestTranslation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(Translations::install(), "no German translation for LANGUAGE=de");
    }

    void nothingShownStaysEnglish()
    {
        const Texts german = shownTexts();
        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(translator);
        const Texts english = shownTexts();
        QVERIFY(Translations::install());
        QCOMPARE(german.keys(), english.keys());
        QVERIFY(english.size() > 250);
        const QStringList faults = stillEnglish(english, german);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void acceleratorsAndQtButtons()
    {
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        QCOMPARE(window.menus().action("mFManual")->text(), "&Manuell eingeben...");
        QVERIFY2(windowAcceleratorFaults(window).isEmpty(),
                 qPrintable(windowAcceleratorFaults(window).join('\n')));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
