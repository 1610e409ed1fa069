#include "benchmark.h"

#include "mediafiles.h"
#include "metadata/diskmetadatareader.h"
#include "ops/operationengine.h"
#include "scriptedplatform.h"
#include "scriptedtemplates.h"
#include "templates/metadatacache.h"
#include "templates/templategenerator.h"
#include "templates/templatepreview.h"
#include "temptree.h"

#include <QFile>

#include <memory>
#include <vector>

namespace {

constexpr int TaggedFiles = 1000;

std::vector<Item> itemsIn(const TempTree& tree, const char* prefix, const char* ext, int count)
{
    std::vector<Item> items;
    for (int n = 0; n < count; ++n) {
        Item item;
        item.diskFolder = tree.root();
        item.diskName = prefix + QByteArray::number(n) + ext;
        item.ItemPath = QFile::decodeName(item.diskFolder);
        item.OrigName = item.NewName = QString::fromLatin1(prefix) + QString::number(n);
        item.OrigExt = item.NewExt = QString::fromLatin1(ext);
        items.push_back(item);
    }
    return items;
}

// Generates a name for every item with a fresh reader and cache, as one run does.
void timeGeneration(const QString& label, const char* pattern, const std::vector<Item>& items)
{
    const NameTemplate parsed = NameTemplate::parse(QString::fromLatin1(pattern));
    QString last;
    const BenchStats stats = timeRuns(5, {}, [&] {
        DiskMetadataReader disk;
        MetadataCache cache(disk);
        TemplateGenerator generator(parsed, cache);
        for (const Item& item : items)
            last = generator.next(item);
    });
    printFigure(label, stats);
    printLine(QStringLiteral("    last name: %1").arg(last));
}

void taggedFiles()
{
    TempTree tree;
    FileMetadata tags;
    tags.artist = QStringLiteral("Some Artist");
    tags.album = QStringLiteral("Some Album");
    tags.genre = QStringLiteral("Jazz");
    tags.year = 1999;
    for (int n = 0; n < TaggedFiles; ++n) {
        const QByteArray mp3 = "song" + QByteArray::number(n) + ".mp3";
        tree.addFile(mp3, MediaFiles::mp3());
        tags.title = QStringLiteral("Title %1").arg(n);
        tags.track = n % 20 + 1;
        MediaFiles::writeAudioTags(tree.path(mp3), tags);
        const QByteArray jpg = "photo" + QByteArray::number(n) + ".jpg";
        tree.addFile(jpg, MediaFiles::jpeg());
        MediaFiles::writeDateTaken(tree.path(jpg), QStringLiteral("2021:07:04 15:%1:%2")
                                                       .arg(n / 60 % 60, 2, 10, QLatin1Char('0'))
                                                       .arg(n % 60, 2, 10, QLatin1Char('0')));
    }
    timeGeneration(QStringLiteral("1000 tagged MP3: [track:2] [artist] - [title]"),
                   "[track:2] [artist] - [title]", itemsIn(tree, "song", ".mp3", TaggedFiles));
    // The first keystroke in the dialog reads the 20 previewed files; later ones hit the
    // cache.
    ItemStore store;
    for (const Item& item : itemsIn(tree, "song", ".mp3", TaggedFiles))
        store.append(item);
    store.selectAll();
    TemplatePreview preview(store);
    const NameTemplate tagged = NameTemplate::parse(QStringLiteral("[track:2] [artist] - [title]"));
    printFigure(QStringLiteral("preview of 20 tagged MP3 in sight, first keystroke (files read)"),
                timeRuns(11, {}, [&] {
                    DiskMetadataReader disk;
                    MetadataCache cache(disk);
                    preview.setTemplate(tagged, cache);
                    for (int n = 0; n < 20; ++n)
                        preview.line(n);
                }));
    timeGeneration(QStringLiteral("1000 JPEG with EXIF: [X:yyyy-MM-dd_HHmmss] [C:1,1,4]"),
                   "[X:yyyy-MM-dd_HHmmss] [C:1,1,4]", itemsIn(tree, "photo", ".jpg", TaggedFiles));
}

void namesAndCounters()
{
    TempTree tree;
    std::vector<Item> items = itemsIn(tree, "file", ".txt", ItemStore::MaxItems);
    for (size_t n = 0; n < items.size(); ++n)
        items[n].diskFolder += "/d" + QByteArray::number(int(n / 328)); // 100 folders
    timeGeneration(QStringLiteral("32767 items: [N1-8]_[CF:1,1,4]_[C:1,1,5].[E] (no disk)"),
                   "[N1-8]_[CF:1,1,4]_[C:1,1,5].[E]", items);

    ItemStore store;
    for (const Item& item : items)
        store.append(item);
    store.selectAll();
    // The whole run through the engine, common finish included (no view).
    {
        ScriptedPlatform platform;
        ScriptedTemplates templates;
        EnumSwitches switches;
        FindReplaceValues values;
        OperationEngine engine(store, platform, switches, values, &templates);
        printFigure(QStringLiteral("32767 items: ModifyItems(80) [N1-8]_[C:1,1,5]"),
                    timeRuns(
                        5,
                        [&] {
                            for (int i = 0; i < store.ItemCount(); ++i)
                                store.setNewName(i, store.item(i).OrigName);
                            templates.answers = {QStringLiteral("[N1-8]_[C:1,1,5]")};
                        },
                        [&] { engine.ModifyItems(OpCode::CustomGeneration); }));
        printLine(
            QStringLiteral("    last line: %1").arg(store.item(store.ItemCount() - 1).line()));
    }

    // One keystroke in the dialog: parse the template and preview the first 20 lines.
    std::unique_ptr<TemplatePreview> preview;
    store.selectNone();
    for (int i = 0; i < 20; ++i)
        store.setSelected(i, true);
    printFigure(QStringLiteral("32767 items, 20 selected: preview set-up (once per dialog)"),
                timeRuns(5, {}, [&] { preview = std::make_unique<TemplatePreview>(store); }));
    DiskMetadataReader disk;
    MetadataCache cache(disk);
    printFigure(QStringLiteral("32767 items: one keystroke (parse + 20 preview lines)"),
                timeRuns(21, {}, [&] {
                    preview->setTemplate(NameTemplate::parse(QStringLiteral("[N]_[C:1,1,5]")),
                                         cache);
                    for (int n = 0; n < 20; ++n)
                        preview->line(n);
                }));
}

const BenchRegistrar tagged("templates", taggedFiles);
const BenchRegistrar counters("templates-counters", namesAndCounters);

} // namespace
