// The custom generation dialog: live preview while typing, OK only for a valid template,
// the remembered templates, and the menu entry that runs it over the selection.

#include "dialogs/customgenerationdialog.h"
#include "scriptedmetadatareader.h"
#include "scriptedplatform.h"
#include "windowtesthelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

namespace {

void addItem(ItemStore& store, const char* folder, const char* name, bool selected)
{
    Item item;
    item.ItemPath = QString::fromUtf8(folder);
    item.diskFolder = folder;
    item.OrigName = item.NewName = QString::fromUtf8(name);
    item.OrigExt = item.NewExt = QStringLiteral(".mp3");
    item.diskName = QByteArray(name) + ".mp3";
    store.append(item);
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
    QLineEdit* edit = dialog.templateBox()->lineEdit();
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestCustomGenerationDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QStringLiteral("Filevane"), QStringLiteral("Filevane")).clear(); }

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
        QVERIFY(dialog.errorLabel()->text().isEmpty());

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
        QCOMPARE(box->count(), 10);
        QCOMPARE(box->itemText(0), QStringLiteral("[N] 5"));
        QCOMPARE(box->itemText(1), QStringLiteral("[N] 11"));
        QCOMPARE(box->itemText(9), QStringLiteral("[N] 2"));
        QCOMPARE(dialog.templateText(), QStringLiteral("[N] 5"));
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
};

QTEST_MAIN(TestCustomGenerationDialog)
#include "tst_customgenerationdialog.moc"
