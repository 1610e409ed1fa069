#include "list/fileloader.h"
#include "temptree.h"
#include "windowtesthelpers.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>

#include <unistd.h>

namespace {

struct Fixture {
    ItemStore store;
    std::unique_ptr<FileListView> view;

    explicit Fixture(int count)
    {
        for (int i = 0; i < count; ++i)
            store.append(
                makeItem("/f", QStringLiteral("line%1").arg(i, 2, 10, QLatin1Char('0')), ".txt"));
        view = std::make_unique<FileListView>(store);
        view->resize(300, 200);
        view->show();
        view->setFocus();
    }
    QPoint center(int line) const { return view->visualRect(store.index(line)).center(); }
    void moveWithButton(const QPoint& pos)
    {
        QMouseEvent move(QEvent::MouseMove, pos, view->viewport()->mapToGlobal(pos), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
    }
};

} // namespace

class TestFileListView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    // The rules themselves are covered without a window; this checks that clicks, keys and
    // their modifiers reach them and that the current line stays in view.
    void clicksAndKeysReachTheRules()
    {
        Fixture f(40);
        f.store.setSelected(1, true);
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {}, f.center(3));
        QCOMPARE(selectedLines(f.store), (QList<int>{3}));
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton, Qt::ControlModifier, f.center(0));
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton,
                          Qt::ShiftModifier | Qt::ControlModifier, f.center(2));
        QCOMPARE(selectedLines(f.store), (QList<int>{0, 1, 2, 3}));
        QTest::keyClick(f.view.get(), Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(f.view.get(), Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(f.view.get(), Qt::Key_Space, Qt::ControlModifier);
        QTest::keyClick(f.view.get(), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(selectedLines(f.store), (QList<int>{3, 4}));
        QTest::keyClick(f.view.get(), Qt::Key_End);
        QCOMPARE(selectedLines(f.store), (QList<int>{39}));
        QVERIFY(f.view->viewport()->rect().contains(f.center(39)));
        QTest::keyClick(f.view.get(), Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(f.store.selectedCount(), 40);
        QCOMPARE(f.store.currentLine(), 0);
        QVERIFY(f.view->viewport()->rect().contains(f.center(0)));
    }

    void dragExtendsFromTheAnchor()
    {
        Fixture f(40);
        QTest::mousePress(f.view->viewport(), Qt::LeftButton, {}, f.center(2));
        f.moveWithButton(f.center(6));
        f.moveWithButton(f.center(4));
        QTest::mouseRelease(f.view->viewport(), Qt::LeftButton, {}, f.center(4));
        QCOMPARE(selectedLines(f.store), (QList<int>{2, 3, 4}));
        // After the button is up, moving the pointer selects nothing more.
        f.moveWithButton(f.center(8));
        QCOMPARE(selectedLines(f.store), (QList<int>{2, 3, 4}));
    }

    void pageKeysKeepTheCurrentLineVisible()
    {
        Fixture f(200);
        QTest::keyClick(f.view.get(), Qt::Key_PageDown);
        const int afterOnePage = f.store.currentLine();
        QVERIFY(afterOnePage > 1);
        QCOMPARE(selectedLines(f.store), QList<int>{afterOnePage});
        QTest::keyClick(f.view.get(), Qt::Key_PageUp);
        QCOMPARE(selectedLines(f.store), QList<int>{0});
        for (int i = 0; i < 11; ++i)
            QTest::keyClick(f.view.get(), Qt::Key_PageDown, Qt::ShiftModifier);
        QCOMPARE(f.store.selectedCount(), f.store.currentLine() + 1);
        QVERIFY(f.view->viewport()->rect().contains(f.center(f.store.currentLine())));
    }

    void dropOfUrlsAddsTheFiles()
    {
        TempTree tree;
        tree.addFile("song one.mp3");
        const QByteArray latin1 = "caf\xe9.txt";
        tree.addFile(latin1);
        tree.addFile("folder/inner.txt");

        Fixture f(0);
        ScriptedPlatform platform;
        FileLoader loader(f.store, platform, platform);
        connect(f.view.get(), &FileListView::pathsDropped, f.view.get(),
                [&loader](const std::vector<QByteArray>& paths) { loader.dropPaths(paths); });
        auto dragEnters = [&f](QMimeData* data) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, {});
            QApplication::sendEvent(f.view->viewport(), &enter);
            return enter.isAccepted();
        };

        QMimeData textOnly, remoteOnly; // refused: no local file
        textOnly.setText(QFile::decodeName(tree.path("song one.mp3")));
        remoteOnly.setUrls({QUrl("https://example.invalid/file.txt")});
        QVERIFY(!dragEnters(&textOnly));
        QVERIFY(!dragEnters(&remoteOnly));

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QFile::decodeName(tree.path("song one.mp3"))),
                      QUrl("https://example.invalid/file.txt"),
                      QUrl::fromEncoded("file://" + tree.path(latin1).toPercentEncoding("/")),
                      QUrl::fromLocalFile(QFile::decodeName(tree.path("folder")) + "/")});
        QVERIFY(dragEnters(&data));
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(f.view->viewport(), &drop);

        QCOMPARE(f.store.ItemCount(), 3); // not the remote file
        QCOMPARE(f.store.item(0).line(), QStringLiteral("song one.mp3"));
        QCOMPARE(f.store.item(1).diskName, latin1);
        QCOMPARE(f.store.item(2).ItemPath + '/' + f.store.item(2).line(),
                 QFile::decodeName(tree.path("folder/inner.txt")));
        QCOMPARE(selectedLines(f.store), (QList<int>{0, 1, 2})); // dropped onto an empty list
        // QTemporaryDir cannot remove a name that is not UTF-8.
        QCOMPARE(::unlink(tree.path(latin1).constData()), 0);
    }
};

QTEST_MAIN(TestFileListView)
#include "tst_filelistview.moc"
