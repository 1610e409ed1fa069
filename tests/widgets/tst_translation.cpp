// The program in German, as started with LANGUAGE=de (set in CMake): the window, menus and
// prompts speak German, with accelerators of their own, and Qt's standard buttons come along.

#include "accelerators.h"
#include "app/translations.h"
#include "temptree.h"
#include "windowtesthelpers.h"

#include <QDialogButtonBox>

class TestTranslation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(Translations::install(), "no German translation for LANGUAGE=de");
    }

    void windowSpeaksGerman()
    {
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        QCOMPARE(window.button(MainWindow::Button::AddDirectory)->text(), "&Ordner hinzufügen");
        QCOMPARE(window.menus().action("mFManual")->text(), "&Manuell eingeben...");
        QCOMPARE(window.menus().action("mSort", 0)->text(), "Nach &vollem Namen sortieren");
        QVERIFY2(windowAcceleratorFaults(window).isEmpty(),
                 qPrintable(windowAcceleratorFaults(window).join('\n')));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    }

    void promptSpeaksGerman()
    {
        TempTree tree;
        tree.addFile("a.txt");
        ScriptedPlatform platform;
        platform.inputAnswers.push_back(QStringLiteral("x"));
        MainWindow window(platform, platform);
        window.openPaths({tree.path("a.txt")});
        window.menus().action("mFDef", 3)->trigger();
        QCOMPARE(platform.prompts.size(), size_t(1));
        QCOMPARE(platform.prompts[0].prompt, "Am Ende anzuhängender Ausdruck");
        QCOMPARE(platform.prompts[0].title, "Hinzufügen...");
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
