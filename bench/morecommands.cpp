#include "benchmark.h"

#include "app/filelistview.h"
#include "list/itemmover.h"
#include "list/selectioncommands.h"
#include "scriptedplatform.h"

#include <QApplication>

namespace {

constexpr int ItemTotal = 32767;

// A full list of music names with numbers in them; every line selected, or every other.
void fillList(ItemStore& store, bool everyOther)
{
    ItemStore::Batch batch(store);
    for (int i = 0; i < ItemTotal; ++i) {
        Item item;
        item.ItemPath = QStringLiteral("/music/Album %1").arg(i / 20);
        item.OrigName = item.NewName =
            QStringLiteral("%1 - the artist - Song Title 2019_%2").arg(i % 20).arg(i);
        item.OrigExt = item.NewExt = i % 3 ? QStringLiteral(".mp3") : QStringLiteral(".ogg");
        store.append(item);
        store.setSelected(i, !everyOther || i % 2 == 1);
    }
}

void benchCode(OpCode op, const QString& answer, const QString& label,
               const FindReplaceValues& findValues = {})
{
    ItemStore store;
    fillList(store, false);
    benchModifyItems(store, op, answer, label, true, findValues);
}

// Times one list command with the view shown; each run starts from the filled list.
void benchListCommand(bool everyOther, const QString& answer, const QString& label,
                      const std::function<void(ItemStore&, SelectionCommands&)>& command)
{
    ItemStore store;
    FileListView view(store);
    view.resize(600, 800);
    view.show();
    ScriptedPlatform platform;
    FindReplaceValues values;
    SelectionCommands selection(store, platform, values);
    const BenchStats stats = timeRuns(
        9,
        [&] {
            store.clear();
            fillList(store, everyOther);
            view.viewport()->repaint();
            QApplication::processEvents();
            platform.inputAnswers = {answer};
        },
        [&] {
            command(store, selection);
            QApplication::processEvents();
            view.viewport()->repaint();
        });
    printFigure(label, stats);
    printLine(QStringLiteral("  line 0 after the run: %1; selected: %2")
                  .arg(store.item(0).line())
                  .arg(store.selectedCount()));
}

const BenchRegistrar reg("morecommands", [] {
    const QString all = QStringLiteral(", 32767 items, all selected");
    benchCode(OpCode::AddNumbers, QStringLiteral("5+2|$ %%%"),
              QStringLiteral("ModifyItems 30 add numbers") + all);
    benchCode(OpCode::ReformatNumbers, QStringLiteral("3"),
              QStringLiteral("ModifyItems 31 reformat numbers") + all);
    benchCode(OpCode::CropNumbers, {}, QStringLiteral("ModifyItems 32 crop numbers") + all);
    benchCode(OpCode::CutNumbers, {}, QStringLiteral("ModifyItems 33 cut numbers") + all);
    benchCode(OpCode::EnumeratedFilename, {},
              QStringLiteral("ModifyItems 34 enumerated filename") + all);
    benchCode(OpCode::CutBeforeExpression, QStringLiteral("Song"),
              QStringLiteral("ModifyItems 50 cut before text") + all);
    benchCode(OpCode::CutAfterExpression, QStringLiteral("/\\d{4}/"),
              QStringLiteral("ModifyItems 51 cut after regular expression") + all);
    benchCode(OpCode::CropBeforeExpression, QStringLiteral("/ - s/"),
              QStringLiteral("ModifyItems 52 crop before regular expression, case ignored") + all);
    benchCode(OpCode::CropAfterExpression, QStringLiteral("artist"),
              QStringLiteral("ModifyItems 53 crop after text") + all);
    benchCode(OpCode::SmartCase, {}, QStringLiteral("ModifyItems 60 smart case") + all);
    benchCode(OpCode::UpperLowerCase, {}, QStringLiteral("ModifyItems 61 upper-lower-case") + all);
    benchCode(OpCode::SwapInfos, QStringLiteral("3 1"),
              QStringLiteral("ModifyItems 75 swap infos 3 1") + all);
    FindReplaceValues exact;
    exact.ReplaceMode = true;
    exact.FindText = QStringLiteral("artist");
    exact.ReplaceWith = QStringLiteral("band");
    exact.ExactPhrase = true;
    exact.RepeatReplace = true;
    benchCode(OpCode::ReplaceWithFindValues, {},
              QStringLiteral("ModifyItems 200 replace, exact phrase, Repeat on") + all, exact);

    benchListCommand(false, {}, QStringLiteral("Move up") + all,
                     [](ItemStore& store, SelectionCommands&) { ItemMover::moveUp(store); });
    benchListCommand(true, {}, QStringLiteral("Move up, every other line selected"),
                     [](ItemStore& store, SelectionCommands&) { ItemMover::moveUp(store); });
    benchListCommand(true, {}, QStringLiteral("Move down, every other line selected"),
                     [](ItemStore& store, SelectionCommands&) { ItemMover::moveDown(store); });
    benchListCommand(false, QStringLiteral("ogg, flac"),
                     QStringLiteral("With extension ogg, flac") + all,
                     [](ItemStore&, SelectionCommands& selection) { selection.withExtension(); });
});

} // namespace
