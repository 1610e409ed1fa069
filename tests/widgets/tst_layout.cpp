// The main window's layout with the normal and a large font, at the start size and at the
// least size: no caption is clipped and no two controls overlap. CMake runs it again at twice
// the scale and in German. One style is enough: every style takes the same layout path.

#include "app/translations.h"
#include "windowtesthelpers.h"

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
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (atMinimum) {
            window.resize(1, 1);
            QTRY_COMPARE(window.size(), window.minimumSize());
        }
        QList<QWidget*> all = {window.list()};
        for (QAbstractButton* control : window.findChildren<QAbstractButton*>())
            all << control;
        QCOMPARE(all.size(), 12);
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
        for (int i = 0; i < all.size(); ++i) {
            for (int j = i + 1; j < all.size(); ++j)
                QVERIFY2(!rects[i].intersects(rects[j]),
                         qPrintable(all[i]->objectName() + " overlaps " + all[j]->objectName()));
        }
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
