#include "app/filelistview.h"
#include "list/fileloader.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

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

QList<int> selectedLines(const ItemStore& store)
{
    QList<int> lines;
    for (int i = 0; i < store.ItemCount(); ++i)
        if (store.isSelected(i))
            lines << i;
    return lines;
}

// "cs5" -> Ctrl+Shift and line 5
Qt::KeyboardModifiers takeModifiers(QString& token)
{
    Qt::KeyboardModifiers mods;
    while (token.startsWith(QLatin1Char('c')) || token.startsWith(QLatin1Char('s'))) {
        if (token.at(0) == QLatin1Char('c'))
            mods |= Qt::ControlModifier;
        else
            mods |= Qt::ShiftModifier;
        token.remove(0, 1);
    }
    return mods;
}

struct Fixture {
    ItemStore store;
    std::unique_ptr<FileListView> view;

    explicit Fixture(int count)
    {
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("line%1").arg(i, 2, 10, QLatin1Char('0'));
            store.append(Item{"/f", name, ".txt", name, ".txt", "/f", name.toUtf8() + ".txt"});
        }
        view = std::make_unique<FileListView>(store);
        view->resize(300, 200);
        view->show();
        view->setFocus();
    }
    QPoint center(int line) const { return view->visualRect(store.index(line)).center(); }
    void click(int line, Qt::KeyboardModifiers mods, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(view->viewport(), button, mods, center(line));
    }
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

    void mouseSelection_data();
    void mouseSelection();
    void dragExtendsFromTheAnchor();
    void keyboard_data();
    void keyboard();
    void pageKeysKeepTheCurrentLineVisible();
    void requests_data();
    void requests();
    void marksArePaintedFromTheStore();
    void dropOfUrlsAddsTheFiles();
};

void TestFileListView::mouseSelection_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("anchor");

    QTest::newRow("click selects only that line") << "1,2"
                                                  << "3"
                                                  << "3" << 3 << 3;
    QTest::newRow("ctrl click toggles on and off") << ""
                                                   << "2 c5 c2"
                                                   << "5" << 2 << 2;
    QTest::newRow("shift click selects range from anchor") << ""
                                                           << "2 s5"
                                                           << "2-5" << 5 << 2;
    QTest::newRow("shift click upwards") << ""
                                         << "6 s3"
                                         << "3-6" << 3 << 6;
    QTest::newRow("second shift click replaces the range") << ""
                                                           << "2 s6 s4"
                                                           << "2-4" << 4 << 2;
    QTest::newRow("shift click clears other marks") << "9"
                                                    << "2 c9 s4"
                                                    << "4-9" << 4 << 9;
    QTest::newRow("ctrl shift adds the range") << ""
                                               << "0 c5 cs7"
                                               << "0,5-7" << 7 << 5;
    QTest::newRow("shift click before any click starts at current line") << ""
                                                                         << "s2"
                                                                         << "0-2" << 2 << 0;
}

void TestFileListView::mouseSelection()
{
    QFETCH(QString, before);
    QFETCH(QString, clicks);
    QFETCH(QString, selected);
    QFETCH(int, current);
    QFETCH(int, anchor);

    Fixture f(40);
    for (int line : parseLines(before))
        f.store.setSelected(line, true);
    for (QString token : clicks.split(QLatin1Char(' '))) {
        const Qt::KeyboardModifiers mods = takeModifiers(token);
        f.click(token.toInt(), mods);
    }
    QCOMPARE(selectedLines(f.store), parseLines(selected));
    QCOMPARE(f.store.currentLine(), current);
    QCOMPARE(f.view->anchorLine(), anchor);
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

    // A Ctrl drag gives the range the new state of the line it started on and leaves the
    // marks outside it as they were.
    f.store.setSelected(8, true);
    QTest::mousePress(f.view->viewport(), Qt::LeftButton, Qt::ControlModifier, f.center(3));
    f.moveWithButton(f.center(9));
    f.moveWithButton(f.center(5));
    QTest::mouseRelease(f.view->viewport(), Qt::LeftButton, Qt::ControlModifier, f.center(5));
    QCOMPARE(selectedLines(f.store), parseLines("2,8"));
}

void TestFileListView::keyboard_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("current");

    QTest::newRow("down moves and selects just it") << "0,7"
                                                    << "Down"
                                                    << "1" << 1;
    QTest::newRow("up at the top stays") << ""
                                         << "Up"
                                         << "0" << 0;
    QTest::newRow("shift down extends from anchor") << ""
                                                    << "Down sDown sDown"
                                                    << "1-3" << 3;
    QTest::newRow("shift up shrinks the range") << ""
                                                << "Down sDown sDown sUp"
                                                << "1-2" << 2;
    QTest::newRow("ctrl moves the focus only") << "0"
                                               << "cDown cDown"
                                               << "0" << 2;
    QTest::newRow("ctrl space toggles") << "0"
                                        << "cDown cDown cSpace"
                                        << "0,2" << 2;
    QTest::newRow("ctrl space twice clears") << "0"
                                             << "cDown cSpace cSpace"
                                             << "0" << 1;
    QTest::newRow("space adds the current line") << "0"
                                                 << "cDown Space"
                                                 << "0-1" << 1;
    QTest::newRow("ctrl shift down adds a range") << "0"
                                                  << "cDown cDown cSpace csDown csDown"
                                                  << "0,2-4" << 4;
    QTest::newRow("end selects the last line") << "3"
                                               << "End"
                                               << "39" << 39;
    QTest::newRow("shift end selects to the last line") << ""
                                                        << "Down sEnd"
                                                        << "1-39" << 39;
    QTest::newRow("home from the end") << ""
                                       << "End Home"
                                       << "0" << 0;
    QTest::newRow("down at the bottom stays") << ""
                                              << "End Down"
                                              << "39" << 39;
}

void TestFileListView::keyboard()
{
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(QString, selected);
    QFETCH(int, current);

    const QHash<QString, Qt::Key> keyNames = {
        {"Up", Qt::Key_Up},   {"Down", Qt::Key_Down},   {"Home", Qt::Key_Home},
        {"End", Qt::Key_End}, {"Space", Qt::Key_Space},
    };
    Fixture f(40);
    for (int line : parseLines(before))
        f.store.setSelected(line, true);
    for (QString token : keys.split(QLatin1Char(' '))) {
        const Qt::KeyboardModifiers mods = takeModifiers(token);
        QVERIFY2(keyNames.contains(token), qPrintable(token));
        QTest::keyClick(f.view.get(), keyNames.value(token), mods);
    }
    QCOMPARE(selectedLines(f.store), parseLines(selected));
    QCOMPARE(f.store.currentLine(), current);
    QVERIFY(f.view->viewport()->rect().contains(f.center(current)));
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

void TestFileListView::requests_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("edits");
    QTest::addColumn<int>("removes");
    QTest::addColumn<int>("menus");

    QTest::newRow("double click on a line asks for the manual edit") << "dblclick1" << 1 << 0 << 0;
    QTest::newRow("double click below the lines does nothing") << "dblclickEmpty" << 0 << 0 << 0;
    QTest::newRow("delete key asks to remove") << "delete" << 0 << 1 << 0;
    QTest::newRow("right click opens the menu") << "rightclick" << 0 << 0 << 1;
    QTest::newRow("menu key opens the menu") << "menukey" << 0 << 0 << 1;
    QTest::newRow("ctrl a is left to the window") << "ctrlA" << 0 << 0 << 0;
}

void TestFileListView::requests()
{
    QFETCH(QString, action);
    QFETCH(int, edits);
    QFETCH(int, removes);
    QFETCH(int, menus);

    Fixture f(3);
    f.click(1, {});
    QSignalSpy editSpy(f.view.get(), &FileListView::manualEditRequested);
    QSignalSpy removeSpy(f.view.get(), &FileListView::removeRequested);
    QSignalSpy menuSpy(f.view.get(), &FileListView::menuRequested);

    if (action == "dblclick1") {
        QTest::mouseDClick(f.view->viewport(), Qt::LeftButton, {}, f.center(1));
    } else if (action == "dblclickEmpty") {
        QTest::mouseDClick(f.view->viewport(), Qt::LeftButton, {},
                           QPoint(10, f.view->viewport()->height() - 3));
    } else if (action == "delete") {
        QTest::keyClick(f.view.get(), Qt::Key_Delete);
    } else if (action == "rightclick") {
        f.click(2, {}, Qt::RightButton);
    } else if (action == "menukey") {
        QTest::keyClick(f.view.get(), Qt::Key_Menu);
    } else if (action == "ctrlA") {
        QTest::keyClick(f.view.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(selectedLines(f.store), QList<int>{1});
    }
    QCOMPARE(editSpy.count(), edits);
    QCOMPARE(removeSpy.count(), removes);
    QCOMPARE(menuSpy.count(), menus);
    // None of these changes the marks or the current line.
    QCOMPARE(selectedLines(f.store), QList<int>{1});
    QCOMPARE(f.store.currentLine(), 1);
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
    QCOMPARE(view.model()->rowCount(), 3);
    QCOMPARE(view.model()->index(2, 0).data().toString(), QStringLiteral("inner.txt"));
    QCOMPARE(selectedLines(store), parseLines("0-2")); // dropped onto an empty list
    // QTemporaryDir cannot remove a name that is not UTF-8.
    QCOMPARE(::unlink(tree.path(latin1).constData()), 0);
}

QTEST_MAIN(TestFileListView)
#include "tst_filelistview.moc"
