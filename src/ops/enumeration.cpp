#include "ops/enumeration.h"

#include "ops/findreplace.h"
#include "text/bytename.h"
#include "text/numberparse.h"
#include "text/zeropad.h"

#include <QHash>

#include <memory>
#include <vector>

namespace {

constexpr QChar Bar = QLatin1Char('|');
constexpr QChar Percent = QLatin1Char('%');
constexpr QChar Dollar = QLatin1Char('$');

// A start value typed in the start part; empty text gives the default start.
std::optional<int> startValue(const QString& text, int defaultStart)
{
    if (text.isEmpty())
        return defaultStart;
    return NumberParse::roundHalfEvenToInt16(text);
}

// One run of numbers: the folders in the order their first selected item occurs from the
// top, and for every selected item the run it belongs to.
struct FolderTable {
    struct Entry {
        QString key;
        qint64 running = 0;
        qint64 highest = 0;
        QString bodyWithDollar; // the body with '$' already replaced for this folder
    };
    std::vector<Entry> entries;
    std::vector<int> entryOfItem; // -1 for unselected items

    FolderTable(const ItemStore& store, int start, bool inverse)
        : entryOfItem(size_t(store.ItemCount()), -1)
    {
        QHash<QString, int> byKey;
        QString previousPath;
        int e = -1;
        for (int i = 0; i < store.ItemCount(); ++i) {
            if (!store.isSelected(i))
                continue;
            const QString& path = store.item(i).ItemPath;
            // Files of one folder mostly stand together; only a new path needs its key.
            if (e < 0 || path != previousPath) {
                previousPath = path;
                const QString key = Enumeration::folderKey(path);
                const auto found = byKey.constFind(key);
                if (found == byKey.constEnd()) {
                    e = int(entries.size());
                    byKey.insert(key, e);
                    entries.push_back({key, inverse ? -qint64(start) : qint64(start), start, {}});
                    entryOfItem[size_t(i)] = e;
                    continue;
                }
                e = *found;
            }
            Entry& entry = entries[size_t(e)];
            ++entry.highest;
            if (!inverse)
                ++entry.running;
            entryOfItem[size_t(i)] = e;
        }
    }
};

} // namespace

QString Enumeration::folderKey(const QString& itemPath)
{
    return ByteName::toLower(itemPath.mid(itemPath.lastIndexOf(QLatin1Char('/')) + 1));
}

QString Enumeration::numberText(qint64 number, int minWidth, bool fixedWidth, qint64 reference)
{
    int width = minWidth;
    // A reference of 0 or less raises nothing.
    if (fixedWidth && reference > 0)
        width = std::max(width, ZeroPad::digitCount(reference));
    return ZeroPad::text(number < 0 ? -number : number, width);
}

std::optional<Enumeration::Formation> Enumeration::parseFormation(OpCode op, const QString& entry,
                                                                  bool includeZero)
{
    const bool pathNumbers = op == OpCode::EnumeratePathFilename;
    if (entry.count(Bar) > 1 || !entry.contains(Percent))
        return std::nullopt;
    if (pathNumbers && !entry.contains(Dollar))
        return std::nullopt;

    QString work = FindReplace::ReplaceText(entry, QStringLiteral("%%"), QStringLiteral("%"), false,
                                            false, true);
    if (pathNumbers)
        work = FindReplace::ReplaceText(work, QStringLiteral("$$"), QStringLiteral("$"), false,
                                        false, true);
    if (work.count(Percent) != 1 || (pathNumbers && work.count(Dollar) != 1))
        return std::nullopt;

    Formation formation;
    QString startPart;
    const qsizetype workBar = work.indexOf(Bar);
    if (workBar >= 0) {
        startPart = entry.left(entry.indexOf(Bar));
        formation.body = work.mid(workBar + 1);
    } else {
        formation.body = work;
    }
    // A placeholder typed only in the start part would leave the body without a number.
    if (!formation.body.contains(Percent) || (pathNumbers && !formation.body.contains(Dollar)))
        return std::nullopt;

    const int defaultStart = includeZero ? 0 : 1;
    const qsizetype comma = startPart.indexOf(QLatin1Char(','));
    const std::optional<int> p = startValue(startPart.left(comma), defaultStart);
    if (!p)
        return std::nullopt;
    formation.pathStart = *p;
    if (pathNumbers) {
        const std::optional<int> f =
            startValue(comma < 0 ? QString() : startPart.mid(comma + 1), defaultStart);
        if (!f)
            return std::nullopt;
        formation.fileStart = *f;
        formation.pathWidth = int(entry.count(Dollar));
    }
    formation.fileWidth = int(entry.count(Percent));
    return formation;
}

ItemTransform Enumeration::numbering(OpCode op, const Formation& formation, const ItemStore& store,
                                     const EnumSwitches& switches)
{
    const bool pathNumbers = op == OpCode::EnumeratePathFilename;
    const int start = pathNumbers ? formation.fileStart : formation.pathStart;
    auto table = std::make_shared<FolderTable>(store, start, switches.InverseEnumeration);

    // '$' is replaced before '%', so a '%' in a folder name becomes the number as well.
    const qint64 folderCount = qint64(table->entries.size());
    for (int e = 0; e < int(folderCount); ++e) {
        FolderTable::Entry& entry = table->entries[size_t(e)];
        const QString dollarText =
            pathNumbers ? numberText(qint64(formation.pathStart) + e, formation.pathWidth,
                                     switches.FixedWidthNumbers, folderCount)
                        : entry.key;
        entry.bodyWithDollar = formation.body;
        entry.bodyWithDollar.replace(Dollar, dollarText);
    }

    return ItemTransform([table, formation, switches](int i, QString& s) {
        const int e = table->entryOfItem[size_t(i)];
        if (e < 0)
            return;
        FolderTable::Entry& entry = table->entries[size_t(e)];
        const QString fileText = numberText(entry.running, formation.fileWidth,
                                            switches.FixedWidthNumbers, entry.highest);
        --entry.running;
        s = entry.bodyWithDollar;
        s.replace(Percent, fileText);
    });
}

std::optional<bool> Enumeration::toggleSwitch(EnumSwitches& switches, EnumSwitch which)
{
    bool* value = nullptr;
    switch (which) {
    case EnumSwitch::FixedWidthNumbers:
        value = &switches.FixedWidthNumbers;
        break;
    case EnumSwitch::IncludeZero:
        value = &switches.IncludeZero;
        break;
    case EnumSwitch::InverseEnumeration:
        value = &switches.InverseEnumeration;
        break;
    default:
        return std::nullopt;
    }
    *value = !*value;
    return *value;
}
