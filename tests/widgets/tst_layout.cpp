// The main window's layout in every style at hand and with a large font, at the start
// size and at the least size: no caption is clipped and no two controls overlap. CMake
// runs it again at twice the scale and in German.

#include "app/translations.h"
#include "windowtesthelpers.h"

#include <QStyle>
#include <QStyleFactory>

namespace {

// The list, the buttons and the check boxes.
QList<QWidget*> controls(const MainWindow& window)
{
    QList<QWidget*> result = {window.list()};
    for (QAbstractButton* control : window.findChildren<QAbstractButton*>())
        result << control;
    return result;
}

QRect inWindow(const MainWindow& window, const QWidget* control)
{
    return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The user's language, for the run with longer German captions.
    void initTestCase() { Translations::install(); }

    void nothingClippedNothingOverlaps_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<double>("fontScale");
        QTest::addColumn<bool>("atMinimum");
        for (const QString& style : QStyleFactory::keys()) {
            for (double fontScale : {1.0, 2.0}) {
                for (bool atMinimum : {false, true}) {
                    const QString name = QStringLiteral("%1, font x%2, %3")
                                             .arg(style)
                                             .arg(fontScale)
                                             .arg(atMinimum ? "least size" : "start size");
                    QTest::newRow(qPrintable(name)) << style << fontScale << atMinimum;
                }
            }
        }
    }

    void nothingClippedNothingOverlaps()
    {
        QFETCH(QString, style);
        QFETCH(double, fontScale);
        QFETCH(bool, atMinimum);
        const QFont normalFont = QApplication::font();
        QApplication::setStyle(style);
        QFont font = normalFont;
        font.setPointSizeF(normalFont.pointSizeF() * fontScale);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&normalFont] { QApplication::setFont(normalFont); });

        ScriptedPlatform platform;
        MainWindow window(platform, platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (atMinimum) {
            window.resize(1, 1);
            QTRY_COMPARE(window.size(), window.minimumSize());
        }
        QVERIFY(window.minimumSize().width() > 0);

        const QList<QWidget*> all = controls(window);
        QCOMPARE(all.size(), 12);
        for (QWidget* control : all) {
            const QString name = control->objectName() + ' ' + control->metaObject()->className();
            const QRect rect = inWindow(window, control);
            QVERIFY2(window.rect().contains(rect), qPrintable(name + " leaves the window"));
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                QVERIFY2(control->width() >= control->sizeHint().width() &&
                             control->height() >= control->sizeHint().height(),
                         qPrintable(name + " is smaller than its style asks"));
                const QString caption = button->text().remove(QLatin1Char('&'));
                QVERIFY2(button->fontMetrics().horizontalAdvance(caption) < button->width(),
                         qPrintable(name + " is narrower than its caption"));
            }
        }
        QVERIFY(window.list()->height() > 0 && window.list()->width() > 0);
        for (int i = 0; i < all.size(); ++i) {
            for (int j = i + 1; j < all.size(); ++j) {
                QVERIFY2(!inWindow(window, all[i]).intersects(inWindow(window, all[j])),
                         qPrintable(all[i]->objectName() + " overlaps " + all[j]->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
