#include "windowtesthelpers.h"

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
};

QTEST_MAIN(TestFileListView)
#include "tst_filelistview.moc"
