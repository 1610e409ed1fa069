#include "ops/casemusicoperations.h"

#include "list/spacetrim.h"
#include "ops/musictitles.h"
#include "ops/numberparse.h"
#include "ops/operationengine.h"
#include "resources/stringtable.h"

namespace {

// Code 72: the position to cut, asked once. 0 (also Cancel, an empty entry or a position
// outside -32768 to 32767) ends the operation.
PreparedOperation prepareCutExtraInfo(OperationContext& context)
{
    const QString entry =
        context.interaction.inputBox(LoadResString(350), LoadResString(308), QStringLiteral("2"));
    const int k = NumberParse::floorToInt16(entry).value_or(0);
    if (k == 0)
        return std::nullopt;
    return ItemTransform([k](int, QString& s) { s = MusicTitles::cutExtraInfo(s, k); });
}

// Code 99: the new extension, asked once; the preset is the current item's extension.
PreparedOperation prepareChangeExtension(OperationContext& context)
{
    ItemStore& store = context.store;
    if (store.selectedCount() == 0)
        return std::nullopt;
    const int current = store.currentLine();
    const QString preset = current >= 0 ? store.item(current).NewExt.mid(1) : QString();
    const QString entry =
        context.interaction.inputBox(LoadResString(360), LoadResString(303), preset);
    if (entry.isEmpty() || OperationEngine::ContainsAnyChar(entry, InvalidChars))
        return std::nullopt;
    const QString trimmed = trimSpaces(entry);
    const QString ext = trimmed.isEmpty() ? QString() : QLatin1Char('.') + trimmed;
    return ItemTransform([&store, ext](int i, QString&) {
        if (store.item(i).NewExt != ext)
            store.setNewExt(i, ext);
    });
}

ItemTransform extensionCase(ItemStore& store, bool upper)
{
    return [&store, upper](int i, QString&) {
        const QString& old = store.item(i).NewExt;
        const QString ext = upper ? old.toUpper() : old.toLower();
        if (ext != old)
            store.setNewExt(i, ext);
    };
}

} // namespace

PreparedOperation CaseMusicOperations::prepare(quint8 op, OperationContext& context)
{
    ItemStore& store = context.store;
    switch (op) {
    case 62:
        return ItemTransform([](int, QString& s) { s = s.toUpper(); });
    case 63:
        return ItemTransform([](int, QString& s) { s = s.toLower(); });
    case 70:
        return ItemTransform([](int, QString& s) { s = MusicTitles::cutArtist(s); });
    case 71:
        return ItemTransform([](int, QString& s) { s = MusicTitles::cutTitle(s); });
    case 72:
        return prepareCutExtraInfo(context);
    case 73:
        return ItemTransform([](int, QString& s) { s = MusicTitles::lastFieldToFront(s); });
    case 74:
        return ItemTransform([](int, QString& s) { s = MusicTitles::swapFirstTwoFields(s); });
    case 77:
    case 78:
    case 79: {
        const bool artist = op != 79;
        const bool title = op != 78;
        return ItemTransform(
            [artist, title](int, QString& s) { s = MusicTitles::smartCase(s, artist, title); });
    }
    case 90:
    case 91:
        return extensionCase(store, op == 90);
    case 99:
        return prepareChangeExtension(context);
    case 100:
        return ItemTransform([&store](int i, QString& s) { s = store.item(i).OrigName; });
    default:
        // Codes without an operation (60, 61, 75, 80) leave the name as it is.
        return ItemTransform([](int, QString&) {});
    }
}
