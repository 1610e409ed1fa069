#include "benchmark.h"

#include "dialogs/customgenerationdialog.h"
#include "list/contentsort.h"
#include "mediafiles.h"
#include "metadata/diskmetadatareader.h"
#include "scriptedmetadatareader.h"
#include "templates/metadatacache.h"
#include "templates/templatepreview.h"
#include "temptree.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTreeView>

#include <algorithm>
#include <random>

namespace {

constexpr int Photos = 1000;

Item fileIn(const QByteArray& folder, const QByteArray& name)
{
    Item item;
    item.diskFolder = folder;
    item.diskName = name;
    item.ItemPath = QFile::decodeName(folder);
    const int dot = int(name.lastIndexOf('.'));
    item.OrigName = item.NewName = QString::fromUtf8(name.left(dot));
    item.OrigExt = item.NewExt = QString::fromUtf8(name.mid(dot));
    return item;
}

void refill(ItemStore& store, const std::vector<Item>& items)
{
    store.clear();
    for (const Item& item : items)
        store.append(item);
}

// Sorting photos by the date they were taken: 1000 real JPEG files read afresh (from
// the page cache), and a full list whose dates were read before.
void sortByDateTaken()
{
    TempTree tree;
    std::vector<Item> items;
    std::mt19937 random(7);
    for (int n = 0; n < Photos; ++n) {
        const QByteArray name = "IMG_" + QByteArray::number(1000 + n) + ".JPG";
        tree.addFile(name, MediaFiles::jpeg());
        const int minute = int(random() % 7200);
        MediaFiles::writeDateTaken(tree.path(name),
                                   QStringLiteral("2021:07:%1 %2:%3:00")
                                       .arg(4 + minute / 1440, 2, 10, QLatin1Char('0'))
                                       .arg(minute / 60 % 24, 2, 10, QLatin1Char('0'))
                                       .arg(minute % 60, 2, 10, QLatin1Char('0')));
        items.push_back(fileIn(tree.root(), name));
    }
    ItemStore store;
    printFigure(QStringLiteral("sort 1000 JPEG with EXIF by date taken, files read (page cache)"),
                timeRuns(
                    5, [&] { refill(store, items); },
                    [&] {
                        DiskMetadataReader disk;
                        MetadataCache cache(disk);
                        ContentSort(store, cache).sortList(ContentSort::DateTaken);
                    }));
    printLine(QStringLiteral("    first: %1, last: %2")
                  .arg(store.item(0).line(), store.item(store.ItemCount() - 1).line()));

    std::vector<Item> songs;
    FileMetadata tags;
    tags.artist = QStringLiteral("Some Artist");
    for (int n = 0; n < Photos; ++n) {
        const QByteArray name = "song" + QByteArray::number(n) + ".mp3";
        tree.addFile(name, MediaFiles::mp3());
        tags.album = QStringLiteral("Album %1").arg(random() % 50);
        tags.disc = int(random() % 2) + 1;
        tags.track = int(random() % 20) + 1;
        tags.title = QStringLiteral("Title %1").arg(n);
        MediaFiles::writeAudioTags(tree.path(name), tags);
        songs.push_back(fileIn(tree.root(), name));
    }
    printFigure(QStringLiteral("sort 1000 tagged MP3 by album / track, files read (page cache)"),
                timeRuns(
                    5, [&] { refill(store, songs); },
                    [&] {
                        DiskMetadataReader disk;
                        MetadataCache cache(disk);
                        ContentSort(store, cache).sortList(ContentSort::AlbumTrack);
                    }));
}

// 32767 items in 100 folders whose dates are known: only the cache is asked.
void sortKnownDates()
{
    std::mt19937 random(7);
    ItemStore store;

    std::vector<Item> full;
    ScriptedMetadataReader known;
    for (int n = 0; n < ItemStore::MaxItems; ++n) {
        const Item item = fileIn("/photos/d" + QByteArray::number(n % 100),
                                 "IMG_" + QByteArray::number(n) + ".JPG");
        FileMetadata m;
        m.taken = QDateTime(QDate(2021, 7, 4), QTime(0, 0)).addSecs(qint64(random() % 864000));
        known.files.insert(item.diskPath(), m);
        full.push_back(item);
    }
    MetadataCache cache(known);
    refill(store, full);
    ContentSort(store, cache).sortList(ContentSort::DateTaken); // reads every date once
    printFigure(QStringLiteral("sort 32767 items by date taken, dates known"),
                timeRuns(
                    5, [&] { refill(store, full); },
                    [&] { ContentSort(store, cache).sortList(ContentSort::DateTaken); }));
}

// The custom generation dialog over 32767 selected lines: opening it until its first
// paint, one keystroke until the preview is painted again, and the count of all lines
// that follows a pause in typing.
void previewOfAFullList()
{
    ItemStore store;
    for (int n = 0; n < ItemStore::MaxItems; ++n)
        store.append(fileIn("/photos/d" + QByteArray::number(n / 328),
                            "IMG_" + QByteArray::number(n) + ".JPG"));
    store.selectAll();
    ScriptedMetadataReader reader;
    std::unique_ptr<CustomGenerationDialog> dialog;
    printFigure(QStringLiteral("preview of 32767 selected lines: open until first paint"),
                timeRuns(
                    5, [&] { dialog.reset(); },
                    [&] {
                        dialog = std::make_unique<CustomGenerationDialog>(store, reader);
                        dialog->show();
                        dialog->repaint();
                    }));
    QLineEdit* box = dialog->templateBox()->lineEdit();
    box->setText(QStringLiteral("[N]_[C:1,1,5]"));
    QCoreApplication::processEvents();
    printFigure(QStringLiteral("preview of 32767 selected lines: one keystroke until painted"),
                timeRuns(21, {}, [&] {
                    box->insert(QStringLiteral("x"));
                    dialog->preview()->viewport()->repaint();
                }));
    TemplatePreview preview(store);
    printFigure(
        QStringLiteral("preview of 32767 selected lines: count of all lines"), timeRuns(5, {}, [&] {
            preview.setTemplate(NameTemplate::parse(QStringLiteral("[N]_[C:1,1,5]")), reader);
            preview.countMore([] { return true; });
        }));
}

const BenchRegistrar sorts("photos", sortByDateTaken);
const BenchRegistrar known("photos-known", sortKnownDates);
const BenchRegistrar previews("photos-preview", previewOfAFullList);

} // namespace
