// The main window's layout with the normal and a large font, at the start size and at the
// least size, with both scroll bars in the list: no caption is clipped, no two controls
// overlap, and the status line shows whole or cut with its text as a tool tip. The
// names-on-disk columns. CMake runs it again at twice the scale and in German. One style is
// enough: every style takes the same layout path.

#include "app/linedelegate.h"
#include "app/statusline.h"
#include "app/translations.h"
#include "windowtesthelpers.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QToolTip>

namespace {

// The tool tip that hovering at pos of widget shows; empty when none.
QString toolTipAt(QWidget* widget, const QPoint& pos)
{
    // A tip asked to hide stays a moment: take it away at once.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel"))
            top->hide();
    }
    QHelpEvent event(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Lines long and many enough for both scroll bars at any window size.
void fillLong(MainWindow& window)
{
    for (int i = 0; i < 200; ++i)
        window.store().append(makeItem("/music/" + QByteArray(60, 'f'),
                                       QStringLiteral("%1 %2").arg(i).arg(QString(300, 'n')),
                                       ".mp3"));
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The user's language, for the run with longer German captions.
    void initTestCase()
    {
        Translations::install();
        QApplication::setStyle(QStringLiteral("Fusion"));
    }

    void nothingClippedNothingOverlaps_data()
    {
        QTest::addColumn<double>("fontScale");
        QTest::addColumn<bool>("atMinimum");
        QTest::newRow("start size") << 1.0 << false;
        QTest::newRow("least size") << 1.0 << true;
        QTest::newRow("font x2, start size") << 2.0 << false;
        QTest::newRow("font x2, least size") << 2.0 << true;
    }

    void nothingClippedNothingOverlaps()
    {
        QFETCH(double, fontScale);
        QFETCH(bool, atMinimum);
        const QFont normalFont = QApplication::font();
        QFont font = normalFont;
        font.setPointSizeF(normalFont.pointSizeF() * fontScale);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&normalFont] { QApplication::setFont(normalFont); });

        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        fillLong(window);
        window.statusLine()->setMessage(StatusLine::notAdded(1200, ItemStore::MaxItems));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (atMinimum) {
            window.resize(1, 1);
            QTRY_COMPARE(window.size(), window.minimumSize());
        }
        QTRY_VERIFY(window.list()->horizontalScrollBar()->isVisible());
        QVERIFY(window.list()->verticalScrollBar()->isVisible());
        QList<QWidget*> all = {window.list(), window.statusLine()};
        for (QAbstractButton* control : window.findChildren<QAbstractButton*>())
            all << control;
        QCOMPARE(all.size(), 13);
        QList<QRect> rects;
        for (QWidget* control : all) {
            const QString name = control->objectName();
            rects << QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
            QVERIFY2(window.rect().contains(rects.last()), qPrintable(name + " leaves the window"));
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                QVERIFY2(control->width() >= control->sizeHint().width() &&
                             control->height() >= control->sizeHint().height(),
                         qPrintable(name + " is smaller than its style asks"));
                const QString caption = button->text().remove(QLatin1Char('&'));
                QVERIFY2(button->fontMetrics().horizontalAdvance(caption) < button->width(),
                         qPrintable(name + " is narrower than its caption"));
            }
        }
        QVERIFY(!window.list()->geometry().isEmpty());
        QVERIFY(window.statusLine()->isVisible());
        QVERIFY(window.statusLine()->height() >= window.statusLine()->sizeHint().height());
        // Each text of the status line is whole, or cut with the whole text as its tool tip.
        for (QLabel* label : window.statusLine()->findChildren<QLabel*>()) {
            QVERIFY(label->isVisible() && window.statusLine()->rect().contains(label->geometry()));
            QVERIFY(label->height() >= label->fontMetrics().height());
            const bool fits = label->fontMetrics().horizontalAdvance(label->text()) <=
                              label->contentsRect().width();
            const QString expected = fits ? QString() : label->text();
            QCOMPARE(toolTipAt(label, label->rect().center()), expected);
        }
        for (int i = 0; i < all.size(); ++i) {
            for (int j = i + 1; j < all.size(); ++j)
                QVERIFY2(!rects[i].intersects(rects[j]),
                         qPrintable(all[i]->objectName() + " overlaps " + all[j]->objectName()));
        }
    }

    // The names-on-disk columns: the new name gets the room, the user drags a border and
    // it stays where dropped as the window grows, a cut folder or name shows in full as a
    // tool tip, a whole one shows none.
    void namesOnDiskColumns()
    {
        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        fillLong(window);
        window.store().append(makeItem("/m", "short", ".mp3"));
        window.menus().action("mShowDisk")->trigger();
        QVERIFY(showActive(window));
        auto* header = window.list()->findChild<QHeaderView*>("diskNamesHeader");
        QVERIFY(header && header->isVisible() && header->count() == 3);
        QCOMPARE(header->model()->headerData(2, Qt::Horizontal).toString(),
                 QCoreApplication::translate("DiskNamesHeader", "New name"));
        QVERIFY(header->sectionSize(2) > header->sectionSize(0) &&
                header->sectionSize(2) > header->sectionSize(1));
        QCOMPARE(header->width(), window.list()->viewport()->width());
        QVERIFY(!window.list()->horizontalScrollBar()->isVisible());

        // Drag the border between Folder and Name on disk to the left.
        const int border = header->sectionViewportPosition(1);
        const int wanted = header->sectionSize(0) - 20;
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(border - 1, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(border - 21, 5),
                         header->viewport()->mapToGlobal(QPointF(border - 21, 5)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &move);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(border - 21, 5));
        QCOMPARE(header->sectionSize(0), wanted);
        const int nameWidth = header->sectionSize(1);
        const int newNameWidth = header->sectionSize(2);
        window.resize(window.width() + 100, window.height());
        QTRY_COMPARE(header->sectionSize(2), newNameWidth + 100);
        QCOMPARE(header->sectionSize(0), wanted);
        QCOMPARE(header->sectionSize(1), nameWidth);

        // Line 0's folder is cut, the last line's is whole.
        QWidget* lines = window.list()->viewport();
        const int folderX = header->sectionViewportPosition(0) + 10;
        const QRect first = window.list()->visualRect(window.store().index(0, 0));
        QCOMPARE(toolTipAt(lines, QPoint(folderX, first.center().y())),
                 "/music/" + QString(60, 'f'));
        window.list()->scrollToBottom();
        const QRect last =
            window.list()->visualRect(window.store().index(window.store().ItemCount() - 1, 0));
        QCOMPARE(toolTipAt(lines, QPoint(folderX, last.center().y())), QString());
        const int newNameX = header->sectionViewportPosition(2) + 10;
        QCOMPARE(toolTipAt(lines, QPoint(newNameX, last.center().y())), QString());
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
