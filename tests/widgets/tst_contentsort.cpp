#include "app/runprogress.h"
#include "app/statusline.h"
#include "scriptedmetadatareader.h"
#include "windowtesthelpers.h"

#include <QElapsedTimer>
#include <QThread>

// The sorts by what files hold, as a user reaches them: from both Sort menus of the
// window, and stopped with Esc while a slow disk is read.
class TestContentSort : public QObject {
    Q_OBJECT

private:
    // Five photos in /p, taken in the order c, a, e, b, d.
    static void fillPhotos(MainWindow& window, ScriptedMetadataReader& reader)
    {
        const QStringList names = {"a", "b", "c", "d", "e"};
        const int day[] = {2, 4, 1, 5, 3};
        for (int i = 0; i < names.size(); ++i) {
            window.store().append(makeItem("/p", names[i], ".jpg"));
            FileMetadata m;
            m.taken = QDateTime(QDate(2021, 7, day[i]), QTime(9, 0));
            reader.files.insert("/p/" + names[i].toUtf8() + ".jpg", m);
        }
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void menusSortByDateTaken_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Sort list menu: the whole list")
            << "mSortBy" << QList<int>{} << QStringList{"c", "a", "e", "b", "d"};
        QTest::newRow("item menu: the selected lines over their places")
            << "mSortSelBy" << QList<int>{1, 2, 3} << QStringList{"a", "c", "b", "d", "e"};
    }

    void menusSortByDateTaken()
    {
        QFETCH(QString, entry);
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, expected);
        ScriptedPlatform platform;
        ScriptedMetadataReader reader;
        MainWindow window(platform, platform);
        window.setMetadataSource(reader);
        fillPhotos(window, reader);
        for (int line : selected)
            window.store().setSelected(line, true);
        QAction* action = window.menus().action(entry, 1);
        QVERIFY(action);
        QCOMPARE(action->text().remove('&'), QStringLiteral("Sort by date taken"));

        action->trigger();
        action->trigger(); // read once: the second sort finds the dates known

        QStringList names;
        for (const QString& line : lines(window.store()))
            names << line.chopped(4);
        QCOMPARE(names, expected);
        QCOMPARE(selectedLines(window.store()), selected);
        QCOMPARE(int(reader.requests.size()), selected.isEmpty() ? 5 : 3);
    }

    void slowReadStopsAndKeepsTheList_data()
    {
        QTest::addColumn<QString>("stopBy");
        QTest::addColumn<bool>("windowStaysOpen");
        QTest::newRow("Esc on the active window") << "esc" << true;
        QTest::newRow("close box: the window closes after the read") << "close" << false;
    }

    // A read that takes longer than half a second shows its progress; Esc on the active
    // window or closing it stops the read, and the list stays as it was.
    void slowReadStopsAndKeepsTheList()
    {
        QFETCH(QString, stopBy);
        QFETCH(bool, windowStaysOpen);
        ScriptedPlatform platform;
        // A slow disk: the first file takes longer than the quiet half second.
        struct SlowReader : ScriptedMetadataReader {
            FileMetadata read(const QByteArray& path, MetadataParts parts) override
            {
                if (requests.empty())
                    QThread::msleep(RunProgress::QuietMs + 100);
                return ScriptedMetadataReader::read(path, parts);
            }
        } reader;
        MainWindow window(platform, platform);
        window.setMetadataSource(reader);
        fillPhotos(window, reader);
        window.store().setSelected(2, true);
        QVERIFY(showActive(window));
        QString progressShown;
        platform.onPendingEvents = [&] {
            if (!progressShown.isEmpty())
                return;
            progressShown = window.statusLine()->messageText();
            if (stopBy == "esc")
                QTest::keyClick(&window, Qt::Key_Escape);
            else
                window.close();
        };

        window.menus().action("mSortBy", 1)->trigger();

        QCOMPARE(progressShown, QStringLiteral("Reading file 1 of 5 (Esc stops)"));
        QCOMPARE(lines(window.store()), (QStringList{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}));
        QCOMPARE(selectedLines(window.store()), QList<int>{2});
        QCOMPARE(int(reader.requests.size()), 1);
        QCOMPARE(window.statusLine()->messageText(), QString());
        QCOMPARE(window.isVisible(), windowStaysOpen);
        // After the stop the window takes commands again, and the read goes on from
        // what was read.
        window.menus().action("mSortBy", 1)->trigger();
        QCOMPARE(lines(window.store()).first(), QStringLiteral("c.jpg"));
        QCOMPARE(int(reader.requests.size()), 5);
    }
};

QTEST_MAIN(TestContentSort)
#include "tst_contentsort.moc"
