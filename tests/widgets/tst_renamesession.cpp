#include "app/linedelegate.h"
#include "app/renamesession.h"
#include "app/statusline.h"
#include "platform/qtdetailsbox.h"
#include "platform/qtuserinteraction.h"
#include "temptree.h"
#include "windowtesthelpers.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace std::chrono_literals;

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

        // Another window (as after a restart) cannot show which run it is: it names the run
        // first, and No leaves it.
        {
            MainWindow other{s.platform, s.platform};
            other.renameSession().setJournals(
                JournalFolder(QString::fromUtf8(s.journals.path("j"))));
            QVERIFY(showActive(other));
            QTest::keyClick(&other, Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(s.tree.list(), (std::vector<QByteArray>{"a.txt", "taken.txt", "x.txt", "y.txt"}));
        QCOMPARE(s.platform.questions.size(), size_t(1)); // answered No
        const auto& asked = s.platform.questions[0];
        const QString root = QString::fromUtf8(s.tree.root());
        QVERIFY2(asked.text.startsWith(
                     QStringLiteral("Undo the renaming of 2 files in %1 (today ").arg(root)),
                 qPrintable(asked.text));
        QCOMPARE(asked.details, root + QStringLiteral(": x.txt → b.txt\n") + root +
                                    QStringLiteral(": y.txt → c.txt"));

        // Clear list takes the last result along; undo of the window's own run works from
        // the journal without a question.
        QVERIFY(showActive(s.window));
        QTest::mouseClick(s.window.button(MainWindow::Button::ClearList), Qt::LeftButton);
        QCOMPARE(s.window.statusLine()->messageText(), QString());
        QTest::keyClick(&s.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.platform.questions.size(), size_t(1));
        QCOMPARE(s.tree.list(), (std::vector<QByteArray>{"a.txt", "b.txt", "c.txt", "taken.txt"}));
        QCOMPARE(s.tree.content("b.txt"), QByteArray("b.txt"));
        QCOMPARE(s.window.statusLine()->messageText(), QStringLiteral("2 renamed, 0 not renamed"));
        QVERIFY(!undoItem->isEnabled() && !undoList->isEnabled());
        // So does a new load.
        s.window.eList_OLEDragDrop({s.tree.root()});
        QCOMPARE(s.window.store().ItemCount(), 4);
        QCOMPARE(s.window.statusLine()->messageText(), QString());
    }

    // Esc pressed on the active window and a close request reach a long run over a slow
    // disk between two files, though the window has its own Esc shortcut; another key does
    // not stop it. The report that follows takes a real click or key.
    void escOrCloseStopsALongRun_data()
    {
        QTest::addColumn<QStringList>("runStopDismiss");
        QTest::newRow("Esc stops Apply all; X does not") << QStringList{"apply", "esc", "click"};
        QTest::newRow("Esc stops Undo; X does not") << QStringList{"undo", "esc", "enter"};
        QTest::newRow("close stops Apply all, then closes")
            << QStringList{"apply", "close", "enter"};
    }

    void escOrCloseStopsALongRun()
    {
        QFETCH(QStringList, runStopDismiss);
        const QString run = runStopDismiss[0], stopBy = runStopDismiss[1];
        constexpr int Files = 300;
        TempTree tree, journals;
        ScriptedFileSystem disk;
        QtUserInteraction boxes(nullptr, {});
        MainWindow window(disk, boxes);
        window.renameSession().setJournals(JournalFolder(QString::fromUtf8(journals.path("j"))));
        const auto name = [](char prefix, int i) { return prefix + QByteArray::number(1000 + i); };
        for (int i = 0; i < Files; ++i) {
            tree.addFile(name('f', i), name('f', i));
            window.loader().addFile(tree.root(), name('f', i));
            window.store().setNewName(i, QString::fromLatin1(name('g', i)));
        }
        QVERIFY(showActive(window));
        QPushButton* applyAll = window.button(MainWindow::Button::ApplyAll);
        if (run == "undo")
            QTest::mouseClick(applyAll, Qt::LeftButton); // quick: all renamed, no report
        disk.renameCalls = 0;
        disk.renameDelay = 3ms;

        int callsAtOtherKey = -1, callsAtStop = -1, boxTicks = 0;
        bool openAfterStop = false;
        QString report;
        QTimer script; // runs only while the run lets events through
        script.setInterval(5);
        connect(&script, &QTimer::timeout, &window, [&] {
            if (auto* box = qobject_cast<QtDetailsBox*>(QApplication::activeModalWidget())) {
                if (boxTicks++ == 0) {
                    report = box->findChild<QLabel*>(QStringLiteral("informative"))->text();
                    if (runStopDismiss[2] == "click")
                        QTest::mouseClick(box->okButton(), Qt::LeftButton);
                    else
                        QTest::keyClick(box, Qt::Key_Return);
                } else if (boxTicks > 100) {
                    box->reject(); // the box did not take the click or key
                }
                return;
            }
            if (callsAtStop >= 0 || !window.statusLine()->messageText().contains("Esc stops"))
                return;
            if (callsAtOtherKey < 0) {
                QTest::keyClick(&window, Qt::Key_X);
                callsAtOtherKey = disk.renameCalls;
            } else if (disk.renameCalls > callsAtOtherKey + 3) {
                callsAtStop = disk.renameCalls;
                if (stopBy == "esc")
                    QTest::keyClick(&window, Qt::Key_Escape);
                else
                    window.close();
                openAfterStop = window.isVisible();
            }
        });
        script.start();
        if (run == "undo")
            QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        else
            QTest::mouseClick(applyAll, Qt::LeftButton);
        script.stop();

        QVERIFY(callsAtOtherKey > 0 && callsAtStop > callsAtOtherKey);
        QCOMPARE(disk.renameCalls, callsAtStop); // none after the one going on
        QCOMPARE(boxTicks, 1);
        const int left = Files - callsAtStop;
        QCOMPARE(report, QStringLiteral("%1 of %2 files were not renamed\n"
                                        "%1 files were left untouched because the run was stopped")
                             .arg(left)
                             .arg(Files));
        QCOMPARE(window.statusLine()->messageText(),
                 QStringLiteral("%1 renamed, %2 not renamed").arg(callsAtStop).arg(left));
        // Apply renames from the last line up; Undo puts the last rename back first.
        std::vector<QByteArray> expected;
        for (int i = 0; i < Files; ++i)
            expected.push_back(name((run == "undo" ? i >= callsAtStop : i >= left) ? 'g' : 'f', i));
        QCOMPARE(tree.list(), expected);
        QVERIFY(openAfterStop);
        QCOMPARE(window.isVisible(), stopBy != "close");
    }

    // The details list one file a line, unwrapped, in a monospace font; a stray-byte mark
    // takes one cell.
    void reportDetailsKeepOneLinePerFile()
    {
        const QString long1 = QStringLiteral("/music/a: ") + QString(40, QLatin1Char('x')) +
                              QStringLiteral(" → y: a file with that name exists");
        const QString marked = QStringLiteral("/m: a\uFFFD\uFFFDbc → d: permission denied");
        QtDetailsBox box(QStringLiteral("text"), QStringLiteral("title"), QStringLiteral("1 of 2"),
                         long1 + QLatin1Char('\n') + marked);
        box.show();
        QTest::mouseClick(box.detailsButton(), Qt::LeftButton);
        QPlainTextEdit* details = box.details();
        QCOMPARE(details->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(details->document()->blockCount(), 2);
        QVERIFY(QFontInfo(details->font()).fixedPitch());
        // Wide enough for the longest line: no sideways scrolling needed.
        QCOMPARE(details->horizontalScrollBar()->maximum(), 0);
        QVERIFY(box.isSizeGripEnabled() && box.minimumWidth() < box.maximumWidth());
        const QTextLine line = details->document()->lastBlock().layout()->lineAt(0);
        const qreal cell = QFontMetricsF(details->font()).horizontalAdvance(QLatin1Char('0'));
        for (int column : {5, 6, 7, 8})
            QCOMPARE(qRound(line.cursorToX(column) - line.cursorToX(0)), qRound(column * cell));
    }

    void anInterruptedRunIsReportedOnceAtStartAndUndone()
    {
        Setup s;
        s.tree.addFile("a", "bytes of a");
        // A run killed after its rename, before the record of its outcome and its end.
        {
            int error = 0;
            const auto journal =
                JournalFolder(QString::fromUtf8(s.journals.path("j"))).startJournal(error);
            QVERIFY(journal);
            journal->aboutToRename(
                {s.tree.root(), "a", "b", {}, s.platform.identify(s.tree.root(), "a"), {}});
            QVERIFY(s.platform.renameFile(s.tree.root(), "a", "b").ok());
        }
        s.platform.questionAnswers = {true};
        s.window.renameSession().offerInterruptedUndo();
        QCOMPARE(s.platform.questions.size(), size_t(1));
        QCOMPARE(s.platform.questions[0].informative.left(33),
                 QStringLiteral("Undo the renaming of 1 file in %1")
                     .arg(QString::fromUtf8(s.tree.root()))
                     .left(33));
        QVERIFY(s.platform.questions[0].text.endsWith(
            QStringLiteral("was interrupted before it ended.")));
        QCOMPARE(s.tree.list(), std::vector<QByteArray>{"a"});
        QCOMPARE(s.tree.content("a"), QByteArray("bytes of a"));
        s.window.renameSession().offerInterruptedUndo(); // said once only
        QCOMPARE(s.platform.questions.size(), size_t(1));
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

    // The scan for clashes runs once the loaded lines are painted; its marks and counts
    // still follow the load by themselves.
    void clashesOfALoadAppearAfterItsLines_data()
    {
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QList<int>>("clashing");
        QTest::newRow("names equal but for letter case")
            << QByteArrayList{"photo.jpg", "Photo.JPG", "x.txt"}
            << QStringLiteral("3 files, 3 selected, 0 names differ, 2 clashes") << QList<int>{0, 1};
        QTest::newRow("no two names alike")
            << QByteArrayList{"a.txt", "b.txt"}
            << QStringLiteral("2 files, 2 selected, 0 names differ, 0 clashes") << QList<int>{};
    }

    void clashesOfALoadAppearAfterItsLines()
    {
        QFETCH(QByteArrayList, files);
        QFETCH(QString, counts);
        QFETCH(QList<int>, clashing);
        Setup s;
        for (const QByteArray& file : files)
            s.tree.addFile("in/" + file);
        QVERIFY(showActive(s.window));
        s.window.openPaths({s.tree.path("in")}, {});
        QCOMPARE(s.window.store().ItemCount(), int(files.size()));
        QTRY_COMPARE(s.window.statusLine()->countsText(), counts);
        // The loaded lines are all selected: the marks are what the lines are painted with.
        for (int row = 0; row < s.window.store().ItemCount(); ++row)
            QCOMPARE(s.window.list()->painter().isClashing(row), clashing.contains(row));
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
        const auto* columns = qobject_cast<QHeaderView*>(header);
        const auto newNameInk = [&](int row) {
            const QRect line = s.window.list()->visualRect(s.window.store().index(row));
            const int left = columns->sectionViewportPosition(2);
            int dark = 0;
            for (int y = line.top(); y <= line.bottom(); ++y)
                for (int x = left; x < left + columns->sectionSize(2); ++x)
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
