#include "ops/enumeration.h"
#include "ops/operationengine.h"
#include "resources/stringtable.h"
#include "rowname.h"
#include "scriptedplatform.h"

#include <gtest/gtest.h>

namespace {

struct File {
    QString path;
    QString name;
    bool selected = true;
};

struct Outcome {
    QStringList lines; // every list line, top to bottom
    std::vector<ScriptedPlatform::Prompt> prompts;
};

Outcome enumerate(OpCode op, const std::vector<File>& files, const QStringList& answers,
                  EnumSwitches switches = {})
{
    ItemStore store;
    for (const File& file : files) {
        Item item;
        item.ItemPath = file.path;
        item.OrigName = item.NewName = file.name;
        item.NewExt = item.OrigExt = QStringLiteral(".jpg");
        store.append(item);
        store.setSelected(store.ItemCount() - 1, file.selected);
    }
    ScriptedPlatform platform;
    platform.inputAnswers.assign(answers.begin(), answers.end());
    FindReplaceValues findValues;
    OperationEngine(store, platform, switches, findValues).ModifyItems(op);
    Outcome outcome;
    for (int i = 0; i < store.ItemCount(); ++i)
        outcome.lines << store.data(store.index(i)).toString();
    outcome.prompts = platform.prompts;
    return outcome;
}

// count files in each of the folders, named img0, img1, ...
std::vector<File> inFolders(const QStringList& folders, int count)
{
    std::vector<File> files;
    for (const QString& folder : folders)
        for (int n = 0; n < count; ++n)
            files.push_back({folder, QStringLiteral("img%1").arg(n)});
    return files;
}

// The names pattern.arg(n) for n = first..last, padded to width, with the
// extension.
QStringList numbered(const QString& pattern, int first, int last, int width)
{
    QStringList out;
    for (int n = first; n <= last; ++n)
        out << pattern.arg(n, width, 10, QLatin1Char('0')) + QStringLiteral(".jpg");
    return out;
}

QStringList jpg(const QStringList& names)
{
    QStringList out;
    for (const QString& name : names)
        out << name + QStringLiteral(".jpg");
    return out;
}

const EnumSwitches freeWidth{false, false, false};
const EnumSwitches inverse{true, false, true};
const EnumSwitches zero{true, true, false};

const auto holiday = inFolders({"/photos/Holiday"}, 3);
const auto twoEach = inFolders({"/a", "/b", "/c"}, 2);
const auto twelveFolders = inFolders(
    {"/f1", "/f2", "/f3", "/f4", "/f5", "/f6", "/f7", "/f8", "/f9", "/f10", "/f11", "/f12"}, 1);
const auto unselected = [] {
    auto files = holiday;
    for (File& file : files)
        file.selected = false;
    return files;
}();

const auto unchanged = jpg({"img0", "img1", "img2"});

struct EnumCase {
    const char* name;
    OpCode op;
    std::vector<File> files;
    QStringList answers; // to the prompts in turn; a prompt beyond them is cancelled
    EnumSwitches switches;
    QStringList lines;
    QStringList presets = {""}; // one per prompt shown
};

// clang-format off
const EnumCase enumCases[] = {
    {"path: holiday - 01 from the top", OpCode::EnumerateAsPath, holiday, {"$ - %%"}, {},
     jpg({"holiday - 01", "holiday - 02", "holiday - 03"})},
    {"path: start 5 counts 05 06 07", OpCode::EnumerateAsPath, holiday, {"5|$ - %%"}, {},
     jpg({"holiday - 05", "holiday - 06", "holiday - 07"})},
    {"path: inverse gives the bottom file the start", OpCode::EnumerateAsPath, holiday, {"5|$ - %%"}, inverse,
     jpg({"holiday - 07", "holiday - 06", "holiday - 05"})},
    {"path: start part not a number starts at 0", OpCode::EnumerateAsPath, holiday, {"x|$ %"}, {},
     jpg({"holiday 0", "holiday 1", "holiday 2"})},
    {"path: start 2.5 rounds to 2", OpCode::EnumerateAsPath, holiday, {"2.5|$ %"}, {},
     jpg({"holiday 2", "holiday 3", "holiday 4"})},
    {"path: start 3.5 rounds to 4 and F is ignored", OpCode::EnumerateAsPath, holiday, {"3.5,9|$ %"}, {},
     jpg({"holiday 4", "holiday 5", "holiday 6"})},
    {"path: every $ becomes the key", OpCode::EnumerateAsPath, inFolders({"/x/Tour"}, 2), {"$-$ %"}, {},
     jpg({"tour-tour 1", "tour-tour 2"})},
    {"path: same final name in two folders is one run", OpCode::EnumerateAsPath,
     {{"/d/A/Music", "a"}, {"/e/B/music", "b"}, {"/d/A/Music", "c"}}, {"$ %"}, {},
     jpg({"music 1", "music 2", "music 3"})},
    {"path: fixed width across 12 items", OpCode::EnumerateAsPath, inFolders({"/f"}, 12), {"$ %"}, {},
     numbered("f %1", 1, 12, 2)},
    {"path: free width across 12 items", OpCode::EnumerateAsPath, inFolders({"/f"}, 12), {"$ %"}, freeWidth,
     numbered("f %1", 1, 12, 1)},
    {"path: 9 items stay one digit", OpCode::EnumerateAsPath, inFolders({"/f"}, 9), {"$ %"}, {},
     numbered("f %1", 1, 9, 1)},
    {"path: a number wider than %%% is not cut", OpCode::EnumerateAsPath, inFolders({"/f"}, 2), {"998|$ %%%"},
     freeWidth, jpg({"f 998", "f 999"})},
    {"path: % in the folder name becomes the number", OpCode::EnumerateAsPath, inFolders({"/d/50% off"}, 2), {"$ %"},
     {}, jpg({"501 off 1", "502 off 2"})},
    {"path: unselected items keep names and take no number", OpCode::EnumerateAsPath,
     {{"/p", "a"}, {"/p", "b", false}, {"/p", "c"}}, {"$ %"}, {}, jpg({"p 1", "b", "p 2"})},
    {"path: folder order follows the first selected item", OpCode::EnumerateAsPath,
     {{"/b", "x"}, {"/a", "y"}, {"/b", "z"}}, {"$ %"}, {}, jpg({"b 1", "a 1", "b 2"})},
    {"path: root folder files have an empty key", OpCode::EnumerateAsPath, {{"", "a"}, {"", "b"}}, {"$ - %%"}, {},
     jpg({"- 01", "- 02"})},
    {"path: a colon in the folder name keeps the names", OpCode::EnumerateAsPath,
     {{"/mnt/c:", "a"}, {"/mnt/d", "b"}}, {"$ %"}, {}, jpg({"a", "d 1"})},
    {"path and file: three folders of two", OpCode::EnumeratePathFilename, twoEach, {"$$ - %%"}, {},
     jpg({"01 - 01", "01 - 02", "02 - 01", "02 - 02", "03 - 01", "03 - 02"})},
    {"path and file: path start 4", OpCode::EnumeratePathFilename, twoEach, {"4|$$ - %%"}, {},
     jpg({"04 - 01", "04 - 02", "05 - 01", "05 - 02", "06 - 01", "06 - 02"})},
    {"path and file: file start 5", OpCode::EnumeratePathFilename, twoEach, {",5|$$ - %%"}, {},
     jpg({"01 - 05", "01 - 06", "02 - 05", "02 - 06", "03 - 05", "03 - 06"})},
    {"path and file: inverse reverses files only", OpCode::EnumeratePathFilename, twoEach, {"$$ - %%"}, inverse,
     jpg({"01 - 02", "01 - 01", "02 - 02", "02 - 01", "03 - 02", "03 - 01"})},
    {"path and file: include zero starts both at 0", OpCode::EnumeratePathFilename, twoEach, {"$-%"}, zero,
     jpg({"0-0", "0-1", "1-0", "1-1", "2-0", "2-1"})},
    {"path and file: 12 folders fixed width", OpCode::EnumeratePathFilename, twelveFolders, {"$ - %"}, {},
     numbered("%1 - 1", 1, 12, 2)},
    {"path and file: 12 folders free width", OpCode::EnumeratePathFilename, twelveFolders, {"$ - %"}, freeWidth,
     numbered("%1 - 1", 1, 12, 1)},
    // A rejected entry is shown again in the next prompt; cancelling that changes nothing.
    {"rejected: two bars", OpCode::EnumerateAsPath, holiday, {"1|2|%"}, {}, unchanged, {"", "1|2|%"}},
    {"rejected: two runs of %", OpCode::EnumerateAsPath, holiday, {"%% %%"}, {}, unchanged, {"", "%% %%"}},
    {"rejected: no %", OpCode::EnumerateAsPath, holiday, {"$ - x"}, {}, unchanged, {"", "$ - x"}},
    {"rejected: % only in the start part", OpCode::EnumerateAsPath, holiday, {"%|$ x"}, {}, unchanged, {"", "%|$ x"}},
    {"rejected: start beyond 16 bits", OpCode::EnumerateAsPath, holiday, {"40000|$ %"}, {}, unchanged,
     {"", "40000|$ %"}},
    {"rejected path numbers: no $", OpCode::EnumeratePathFilename, holiday, {"%"}, {}, unchanged, {"", "%"}},
    {"rejected path numbers: two runs of $", OpCode::EnumeratePathFilename, holiday, {"$ %% $"}, {}, unchanged,
     {"", "$ %% $"}},
    {"rejected path numbers: F beyond 16 bits", OpCode::EnumeratePathFilename, holiday, {",-40000|$ %"}, {}, unchanged,
     {"", ",-40000|$ %"}},
    {"accepted after two rejected entries", OpCode::EnumerateAsPath, holiday, {"1|2|%", "%% %%", "$ %"}, {},
     jpg({"holiday 1", "holiday 2", "holiday 3"}), {"", "1|2|%", "%% %%"}},
    {"cancel changes nothing", OpCode::EnumerateAsPath, holiday, {"", "$ %"}, {}, unchanged},
    {"spaces are a cancel", OpCode::EnumerateAsPath, holiday, {"   ", "$ %"}, {}, unchanged},
    {"nothing selected changes nothing", OpCode::EnumeratePathFilename, unselected, {"$ %"}, {}, unchanged},
};
// clang-format on

class EnumerationRun : public testing::TestWithParam<EnumCase> {};

TEST_P(EnumerationRun, givesTheseLines)
{
    const EnumCase& c = GetParam();
    const Outcome outcome = enumerate(c.op, c.files, c.answers, c.switches);
    EXPECT_EQ(outcome.lines, c.lines);
    QStringList presets;
    for (const ScriptedPlatform::Prompt& prompt : outcome.prompts)
        presets << prompt.preset;
    EXPECT_EQ(presets, c.presets);
}

INSTANTIATE_TEST_SUITE_P(Cases, EnumerationRun, testing::ValuesIn(enumCases), rowName<EnumCase>);

} // namespace
