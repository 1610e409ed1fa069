#include "app/linedelegate.h"
#include "app/renamesession.h"
#include "app/statusline.h"
#include "temptree.h"
#include "windowtesthelpers.h"

class TestRenameSession : public QObject {
    Q_OBJECT

private:
    // A window on the real disk (through the scripted seams) with its journals in a
    // folder of the test's own.
    struct Setup {
        TempTree tree, journals;
        ScriptedPlatform platform;
        MainWindow window{platform, platform};
        Setup()
        {
            window.renameSession().setJournals(
                JournalFolder(QString::fromUtf8(journals.path("j"))));
        }
        void add(const QByteArray& name, const QString& proposed)
        {
            tree.addFile(name, name);
            window.loader().addFile(tree.root(), name);
            const int i = window.store().ItemCount() - 1;
            window.store().setNewName(i, proposed);
            window.store().setNewExt(i, QString());
        }
    };

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setStyle(QStringLiteral("Fusion"));
    }

    void failedApplyIsReportedFileByFileAndUndone()
    {
        Setup s;
        s.tree.addFile("taken.txt", "taken");
        s.add("a.txt", "taken.txt");
        s.add("b.txt", "x.txt");
        s.add("c.txt", "y.txt");
        QAction* undoItem = s.window.menus().action(QStringLiteral("mFUndo"));
        QAction* undoList = s.window.menus().action(QStringLiteral("mUndoList"));

        s.window.eButton_Click(int(MainWindow::Button::ApplyAll));
        QCOMPARE(s.tree.list(), (std::vector<QByteArray>{"a.txt", "taken.txt", "x.txt", "y.txt"}));
        QCOMPARE(s.platform.messages.size(), size_t(1));
        const auto& shown = s.platform.messages[0]; // its title and text: tst_mainwindow
        QCOMPARE(shown.informative, QStringLiteral("1 of 3 files was not renamed"));
        QCOMPARE(shown.details,
                 QString::fromUtf8(s.tree.root()) +
                     QStringLiteral(": a.txt → taken.txt: a file with that name exists"));
        QCOMPARE(s.window.statusLine()->messageText(), QStringLiteral("2 renamed, 1 not renamed"));
        QVERIFY(undoItem->isEnabled() && undoList->isEnabled());

        // A journal changed from outside (another copy of the program undid the run) is
        // read again when a menu opens; then it is put back as it was.
        const QString journal =
            JournalFolder(QString::fromUtf8(s.journals.path("j"))).journals().back();
        QFile file(journal);
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Append));
        const qint64 size = file.size();
        file.write("UNDONE\n");
        file.flush();
        Q_EMIT s.window.menus().listMenu()->aboutToShow();
        QVERIFY(!undoItem->isEnabled() && !undoList->isEnabled());
        QVERIFY(file.resize(size));
        file.close();
        Q_EMIT s.window.menus().itemMenu()->aboutToShow();
        QVERIFY(undoItem->isEnabled() && undoList->isEnabled());

        // The list no longer holds the renamed files; undo works from the journal.
        s.window.loader().clearList();
        QVERIFY(showActive(s.window));
        QTest::keyClick(&s.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.tree.list(), (std::vector<QByteArray>{"a.txt", "b.txt", "c.txt", "taken.txt"}));
        QCOMPARE(s.tree.content("b.txt"), QByteArray("b.txt"));
        QCOMPARE(s.window.statusLine()->messageText(), QStringLiteral("2 renamed, 0 not renamed"));
        QVERIFY(!undoItem->isEnabled() && !undoList->isEnabled());
    }

    void clashesArePaintedAndCounted()
    {
        Setup s;
        fill(s.window, {"one", "two", "three", "four"});
        s.window.store().setNewName(0, QStringLiteral("Same"));
        s.window.store().setNewName(2, QStringLiteral("SAME"));
        s.window.store().setSelected(1, true);
        QVERIFY(showActive(s.window));
        QTRY_COMPARE(s.window.statusLine()->countsText(),
                     QStringLiteral("4 files, 1 selected, 2 names differ, 2 clashes"));
        FileListView* list = s.window.list();
        const QImage image = list->viewport()->grab().toImage();
        const auto backgroundOf = [&](int row) {
            const QRect rect = list->visualRect(s.window.store().index(row));
            return image.pixelColor(rect.right() - 10, rect.center().y());
        };
        // Line 0 holds the focus frame; the selection and the clash marks come from the store.
        QCOMPARE(backgroundOf(2), LineDelegate::warningColour());
        QVERIFY(backgroundOf(1) != backgroundOf(3) &&
                backgroundOf(3) != LineDelegate::warningColour());

        s.window.store().setNewName(2, QStringLiteral("other"));
        QTRY_COMPARE(s.window.statusLine()->countsText(),
                     QStringLiteral("4 files, 1 selected, 2 names differ, 0 clashes"));
        QCOMPARE(StatusLine::countsFor(1, 1, 1, 1),
                 QStringLiteral("1 file, 1 selected, 1 name differs, 1 clash"));
    }

    void aLoadStoppedByTheLimitSaysHowManyWereLeftOut()
    {
        Setup s;
        {
            ItemStore::Batch batch(s.window.store());
            for (int i = 0; i < ItemStore::MaxItems - 1; ++i)
                s.window.store().append(makeItem("/m", QString::number(i), QString()));
        }
        for (const char* name : {"a", "b", "c"})
            s.tree.addFile(name);
        s.window.eList_OLEDragDrop({s.tree.root()});
        QCOMPARE(s.window.store().ItemCount(), ItemStore::MaxItems);
        QCOMPARE(s.window.statusLine()->messageText(),
                 QStringLiteral("2 files were not added: the list holds at most 32767"));
    }

    void namesOnDiskToggleKeepsCommandsWorking()
    {
        Setup s;
        fill(s.window, {"one", "x", "y"});
        s.window.store().setNewName(1, QStringLiteral("y"));
        QAction* toggle = s.window.menus().action(QStringLiteral("mShowDisk"));
        auto* header = s.window.list()->findChild<QWidget*>(QStringLiteral("diskNamesHeader"));
        QVERIFY(header && !toggle->isChecked());
        toggle->trigger();
        QVERIFY(s.window.list()->painter().showsDiskNames());
        QVERIFY(showActive(s.window));
        // Lines 1 and 2 both end in "y.mp3"; the one renamed is drawn heavier (bold).
        const QImage image = s.window.list()->viewport()->grab().toImage();
        const auto newNameInk = [&](int row) {
            const QRect line = s.window.list()->visualRect(s.window.store().index(row));
            int dark = 0;
            for (int y = line.top(); y <= line.bottom(); ++y)
                for (int x = line.left() + line.width() * 2 / 3; x <= line.right(); ++x)
                    dark += qGray(image.pixel(x, y)) < 128;
            return dark;
        };
        QVERIFY(newNameInk(1) > newNameInk(2));
        QTest::keyClick(&s.window, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(selectedLines(s.window.store()), (QList<int>{0, 1, 2}));
        QVERIFY(header->isVisible());
        QVERIFY(s.window.list()->viewport()->geometry().top() >= header->geometry().bottom());
        toggle->trigger();
        QVERIFY(header->isHidden() && !s.window.list()->painter().showsDiskNames());
    }
};

QTEST_MAIN(TestRenameSession)
#include "tst_renamesession.moc"
