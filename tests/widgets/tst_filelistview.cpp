#include "app/filelistview.h"
#include "list/fileloader.h"
#include "scriptedplatform.h"
#include "temptree.h"
#include "windowtesthelpers.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>

#include <memory>
#include <unistd.h>

namespace {

// "2,5-7" -> {2, 5, 6, 7}
QList<int> parseLines(const QString& text)
{
    QList<int> lines;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList range = part.split(QLatin1Char('-'));
        for (int i = range.first().toInt(); i <= range.last().toInt(); ++i)
            lines << i;
    }
    return lines;
}

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
    QColor colorOfLine(int line)
    {
        const QImage image = view->viewport()->grab().toImage();
        const QRect rect = view->visualRect(store.index(line));
        return image.pixelColor(rect.right() - 3, rect.center().y());
    }
};

} // namespace

class TestFileListView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void clicksAndKeys_data();
    void clicksAndKeys();
    void dragExtendsFromTheAnchor();
    void pageKeysKeepTheCurrentLineVisible();
    void marksArePaintedFromTheStore();
    void dropOfUrlsAddsTheFiles();
};

void TestFileListView::clicksAndKeys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("anchor"); // -1: not checked
    struct Row {
        const char* name;
        const char* before; // lines selected first
        const char* input;  // a number clicks that line, a word presses that key; c,
                            // s: Ctrl, Shift
        const char* selected;
        int current, anchor = -1;
    };
    // clang-format off
    const Row rows[] = {
        {"click selects only that line", "1,2", "3", "3", 3, 3},
        {"ctrl click toggles on and off", "", "2 c5 c2", "5", 2, 2},
        {"shift click selects range from anchor", "", "2 s5", "2-5", 5, 2},
        {"shift click upwards", "", "6 s3", "3-6", 3, 6},
        {"second shift click replaces the range", "", "2 s6 s4", "2-4", 4, 2},
        {"shift click clears other marks", "9", "2 c9 s4", "4-9", 4, 9},
        {"ctrl shift click adds the range", "", "0 c5 cs7", "0,5-7", 7, 5},
        {"shift click before any click starts at current line", "", "s2", "0-2", 2, 0},
        {"down moves and selects just it", "0,7", "Down", "1", 1},
        {"up at the top stays", "", "Up", "0", 0},
        {"shift up shrinks the range shift down made", "", "Down sDown sDown sUp", "1-2", 2},
        {"ctrl moves the focus only", "0", "cDown cDown", "0", 2},
        {"ctrl space toggles on and off", "0", "cDown cSpace cSpace cDown cSpace", "0,2", 2},
        {"space adds the current line", "0", "cDown Space", "0-1", 1},
        {"ctrl shift down adds a range", "0", "cDown cDown cSpace csDown csDown", "0,2-4", 4},
        {"shift end selects to the last line", "", "Down sEnd", "1-39", 39},
        {"home from the end", "", "End Home", "0", 0},
        {"down at the bottom stays", "", "End Down", "39", 39},
    };
    // clang-format on
    for (const Row& r : rows)
        QTest::newRow(r.name) << r.before << r.input << r.selected << r.current << r.anchor;
}

void TestFileListView::clicksAndKeys()
{
    QFETCH(QString, before);
    QFETCH(QString, input);
    QFETCH(QString, selected);
    QFETCH(int, current);
    QFETCH(int, anchor);

    const QHash<QString, Qt::Key> keyNames = {
        {"Up", Qt::Key_Up},   {"Down", Qt::Key_Down},   {"Home", Qt::Key_Home},
        {"End", Qt::Key_End}, {"Space", Qt::Key_Space},
    };
    Fixture f(40);
    for (int line : parseLines(before))
        f.store.setSelected(line, true);
    for (QString token : input.split(QLatin1Char(' '))) {
        Qt::KeyboardModifiers mods;
        for (; token.startsWith('c') || token.startsWith('s'); token.remove(0, 1))
            mods |= token.startsWith('c') ? Qt::ControlModifier : Qt::ShiftModifier;
        bool isLine = false;
        const int line = token.toInt(&isLine);
        if (isLine) {
            QTest::mouseClick(f.view->viewport(), Qt::LeftButton, mods, f.center(line));
        } else {
            QVERIFY2(keyNames.contains(token), qPrintable(token));
            QTest::keyClick(f.view.get(), keyNames.value(token), mods);
        }
    }
    QCOMPARE(selectedLines(f.store), parseLines(selected));
    QCOMPARE(f.store.currentLine(), current);
    if (anchor >= 0)
        QCOMPARE(f.view->anchorLine(), anchor);
    QVERIFY(f.view->viewport()->rect().contains(f.center(current)));
}

void TestFileListView::dragExtendsFromTheAnchor()
{
    Fixture f(40);
    QTest::mousePress(f.view->viewport(), Qt::LeftButton, {}, f.center(2));
    f.moveWithButton(f.center(6));
    f.moveWithButton(f.center(4));
    QTest::mouseRelease(f.view->viewport(), Qt::LeftButton, {}, f.center(4));
    QCOMPARE(selectedLines(f.store), parseLines("2-4"));
    QCOMPARE(f.store.currentLine(), 4);

    // A Ctrl drag gives the range the new state of the line it started on and
    // leaves the marks outside it as they were.
    f.store.setSelected(8, true);
    QTest::mousePress(f.view->viewport(), Qt::LeftButton, Qt::ControlModifier, f.center(3));
    f.moveWithButton(f.center(9));
    f.moveWithButton(f.center(5));
    QTest::mouseRelease(f.view->viewport(), Qt::LeftButton, Qt::ControlModifier, f.center(5));
    QCOMPARE(selectedLines(f.store), parseLines("2,8"));
}

void TestFileListView::pageKeysKeepTheCurrentLineVisible()
{
    Fixture f(200);
    QTest::keyClick(f.view.get(), Qt::Key_PageDown);
    const int afterOnePage = f.store.currentLine();
    QVERIFY(afterOnePage > 1);
    QCOMPARE(selectedLines(f.store), QList<int>{afterOnePage});
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(f.view.get(), Qt::Key_PageDown);
    QVERIFY(f.store.currentLine() > afterOnePage);
    QVERIFY(f.view->viewport()->rect().contains(f.center(f.store.currentLine())));
    QTest::keyClick(f.view.get(), Qt::Key_PageUp, Qt::ShiftModifier);
    QVERIFY(f.view->viewport()->rect().contains(f.center(f.store.currentLine())));
    QVERIFY(f.store.selectedCount() > 1);
}

void TestFileListView::marksArePaintedFromTheStore()
{
    Fixture f(10);
    QVERIFY(QTest::qWaitForWindowExposed(f.view.get()));
    const QColor plain = f.colorOfLine(4);
    f.store.setSelected(4, true);
    QVERIFY(f.colorOfLine(4) != plain);
    QCOMPARE(f.colorOfLine(5), plain);
    f.store.invertSelection();
    QCOMPARE(f.colorOfLine(4), plain);
    QVERIFY(f.colorOfLine(5) != plain);
}

void TestFileListView::dropOfUrlsAddsTheFiles()
{
    TempTree tree;
    tree.addFile("song one.mp3");
    const QByteArray latin1 = "caf\xe9.txt";
    tree.addFile(latin1);
    tree.addFile("folder/inner.txt");

    ItemStore store;
    ScriptedPlatform platform;
    FileLoader loader(store, platform, platform);
    FileListView view(store);
    view.resize(300, 200);
    view.show();
    std::vector<QByteArray> received;
    connect(&view, &FileListView::pathsDropped, &view, [&](const std::vector<QByteArray>& paths) {
        received = paths;
        loader.dropPaths(paths);
    });

    QMimeData remoteOnly;
    remoteOnly.setUrls({QUrl("https://example.invalid/file.txt")});
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &remoteOnly, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &refused);
    QVERIFY(!refused.isAccepted());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QFile::decodeName(tree.path("song one.mp3"))),
                  QUrl("https://example.invalid/file.txt"),
                  QUrl::fromEncoded("file://" + tree.path(latin1).toPercentEncoding("/")),
                  QUrl::fromLocalFile(QFile::decodeName(tree.path("folder")) + "/")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &drop);

    QCOMPARE(received, (std::vector<QByteArray>{tree.path("song one.mp3"), tree.path(latin1),
                                                tree.path("folder")}));
    QCOMPARE(store.ItemCount(), 3);
    QCOMPARE(store.item(0).line(), QStringLiteral("song one.mp3"));
    QCOMPARE(store.item(1).diskName, latin1);
    QCOMPARE(store.item(2).line(), QStringLiteral("inner.txt"));
    QCOMPARE(store.item(2).ItemPath, QFile::decodeName(tree.path("folder")));
    QCOMPARE(selectedLines(store),
             parseLines("0-2")); // dropped onto an empty list
    // QTemporaryDir cannot remove a name that is not UTF-8.
    QCOMPARE(::unlink(tree.path(latin1).constData()), 0);
}

QTEST_MAIN(TestFileListView)
#include "tst_filelistview.moc"
