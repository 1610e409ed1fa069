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

// The rules themselves are covered without a window; these rows check that clicks, keys
// and their modifiers reach them.
void TestFileListView::clicksAndKeys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("current");
    struct Row {
        const char* name;
        const char* before; // lines selected first
        const char* input;  // a number clicks that line, a word presses that key; c,
                            // s: Ctrl, Shift
        const char* selected;
        int current;
    };
    // clang-format off
    const Row rows[] = {
        {"click selects only that line", "1,2", "3", "3", 3},
        {"ctrl shift click adds the range", "", "0 c5 cs7", "0,5-7", 7},
        {"ctrl shift down adds a range", "0", "cDown cDown cSpace csDown csDown", "0,2-4", 4},
        {"up from the end", "", "End Up", "38", 38},
        {"home from the end", "", "End Home", "0", 0},
    };
    // clang-format on
    for (const Row& r : rows)
        QTest::newRow(r.name) << r.before << r.input << r.selected << r.current;
}

void TestFileListView::clicksAndKeys()
{
    QFETCH(QString, before);
    QFETCH(QString, input);
    QFETCH(QString, selected);
    QFETCH(int, current);

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
    // After the button is up, moving the pointer selects nothing more.
    f.moveWithButton(f.center(8));
    QCOMPARE(selectedLines(f.store), parseLines("2-4"));
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
    FileLoader loader(store, platform);
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
