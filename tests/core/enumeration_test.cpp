#include "opstesthelpers.h"

#include <gtest/gtest.h>

namespace {

struct File {
    QString path, name;
    bool selected = true;
};

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
const auto unchanged = jpg({"img0", "img1", "img2"});
const OpCode Path = OpCode::EnumerateAsPath, PathFile = OpCode::EnumeratePathFilename;

TEST(Enumeration, givesTheseLines)
{
    const struct {
        const char* name;
        OpCode op;
        std::vector<File> files;
        QStringList answers; // to the prompts in turn; a prompt beyond them is cancelled
        EnumSwitches switches;
        QStringList lines;
        QStringList presets = {""}; // one per prompt shown
    } rows[] = {
        // clang-format off
        {"path: holiday - 01 from the top", Path, holiday, {"$ - %%"}, {}, jpg({"holiday - 01", "holiday - 02", "holiday - 03"})},
        {"path: inverse gives the bottom file the start", Path, holiday, {"5|$ - %%"}, inverse, jpg({"holiday - 07", "holiday - 06", "holiday - 05"})},
        {"path: start 3.5 rounds to 4 and F is ignored", Path, holiday, {"3.5,9|$ %"}, {}, jpg({"holiday 4", "holiday 5", "holiday 6"})},
        {"path: same final name in two folders is one run", Path, {{"/d/A/Music", "a"}, {"/e/B/music", "b"}, {"/d/A/Music", "c"}}, {"$ %"}, {}, jpg({"music 1", "music 2", "music 3"})},
        {"path: fixed width across 12 items", Path, inFolders({"/f"}, 12), {"$ %"}, {}, numbered("f %1", 1, 12, 2)},
        {"path: free width across 12 items", Path, inFolders({"/f"}, 12), {"$ %"}, freeWidth, numbered("f %1", 1, 12, 1)},
        {"path: 9 items stay one digit", Path, inFolders({"/f"}, 9), {"$ %"}, {}, numbered("f %1", 1, 9, 1)},
        {"path: a number wider than %%% is not cut", Path, inFolders({"/f"}, 2), {"998|$ %%%"}, freeWidth, jpg({"f 998", "f 999"})},
        {"path: % in the folder name becomes the number", Path, inFolders({"/d/50% off"}, 2), {"$ %"}, {}, jpg({"501 off 1", "502 off 2"})},
        {"path: unselected items keep names and take no number", Path, {{"/p", "a"}, {"/p", "b", false}, {"/p", "c"}}, {"$ %"}, {}, jpg({"p 1", "b", "p 2"})},
        {"path: folder order follows the first selected item", Path, {{"/b", "x"}, {"/a", "y"}, {"/b", "z"}}, {"$ %"}, {}, jpg({"b 1", "a 1", "b 2"})},
        {"path: root folder files have an empty key", Path, {{"", "a"}, {"", "b"}}, {"$ - %%"}, {}, jpg({"- 01", "- 02"})},
        {"path: a colon in the folder name keeps the names", Path, {{"/mnt/c:", "a"}, {"/mnt/d", "b"}}, {"$ %"}, {}, jpg({"a", "d 1"})},
        {"path and file: three folders of two", PathFile, twoEach, {"$$ - %%"}, {}, jpg({"01 - 01", "01 - 02", "02 - 01", "02 - 02", "03 - 01", "03 - 02"})},
        {"path and file: path start 4, file start 5", PathFile, twoEach, {"4,5|$$ - %%"}, {}, jpg({"04 - 05", "04 - 06", "05 - 05", "05 - 06", "06 - 05", "06 - 06"})},
        {"path and file: inverse reverses files only", PathFile, twoEach, {"$$ - %%"}, inverse, jpg({"01 - 02", "01 - 01", "02 - 02", "02 - 01", "03 - 02", "03 - 01"})},
        {"path and file: include zero starts both at 0", PathFile, twoEach, {"$-%"}, zero, jpg({"0-0", "0-1", "1-0", "1-1", "2-0", "2-1"})},
        {"path and file: 12 folders fixed width", PathFile, twelveFolders, {"$ - %"}, {}, numbered("%1 - 1", 1, 12, 2)},
        // A rejected entry is shown again in the next prompt; cancelling that changes nothing.
        {"rejected: two bars", Path, holiday, {"1|2|%"}, {}, unchanged, {"", "1|2|%"}},
        {"rejected: no %", Path, holiday, {"$ - x"}, {}, unchanged, {"", "$ - x"}},
        {"rejected: start beyond 16 bits", Path, holiday, {"40000|$ %"}, {}, unchanged, {"", "40000|$ %"}},
        {"rejected path numbers: no $", PathFile, holiday, {"%"}, {}, unchanged, {"", "%"}},
        {"rejected path numbers: two runs of $", PathFile, holiday, {"$ %% $"}, {}, unchanged, {"", "$ %% $"}},
        {"accepted after two rejected entries", Path, holiday, {"1|2|%", "%% %%", "$ %"}, {}, jpg({"holiday 1", "holiday 2", "holiday 3"}), {"", "1|2|%", "%% %%"}},
        {"cancel changes nothing", Path, holiday, {"", "$ %"}, {}, unchanged},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpsBench bench;
        for (const File& file : row.files)
            bench.add(file.name + "|.jpg", file.path, file.selected);
        bench.answer(row.answers);
        bench.switches = row.switches;
        bench.engine.ModifyItems(row.op);
        EXPECT_EQ(bench.lines(), row.lines);
        EXPECT_EQ(bench.presets(), row.presets);
    }
}

} // namespace
