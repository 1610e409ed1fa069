#include "opstesthelpers.h"

#include <gtest/gtest.h>

// Lines 0, 1 and 3 of four are selected; line 2 shows that unselected items keep their
// name and take no number. A rejected entry is offered again in the next prompt.
TEST(NewOperationRuns, changeTheSelectedLines)
{
    const struct {
        const char* name;
        OpCode op;
        QStringList answers;  // in order; running out cancels
        const char* expected; // every list line after the run, joined by '/'
        QStringList presets;  // one per prompt shown
    } rows[] = {
        // clang-format off
        {"add numbers: rejected entry asked again", OpCode::AddNumbers, {"no number", "%"}, "1.mp3/2/keep 5/3.jpg", {"", "no number"}},
        {"reformat numbers", OpCode::ReformatNumbers, {"3"}, "001 - Intro.mp3/Track 007 - Live 2019/keep 5/IMG_2019_beach.jpg", {"2"}},
        {"crop numbers", OpCode::CropNumbers, {}, "01.mp3/7 2019/keep 5/2019.jpg", {}},
        {"cut numbers", OpCode::CutNumbers, {}, "Intro.mp3/Track - Live/keep 5/IMG__beach.jpg", {}},
        {"enumerated filename", OpCode::EnumeratedFilename, {}, "1.mp3/2/keep 5/3.jpg", {}},
        {"cut before expression", OpCode::CutBeforeExpression, {"/\\d{4}/"}, "01 - Intro.mp3/2019/keep 5/2019_beach.jpg", {""}},
        {"invalid expression asked again", OpCode::CropBeforeExpression, {"/(/", " - "}, "01.mp3/Track 7/keep 5/IMG_2019_beach.jpg", {"", "/(/"}},
        {"smart case", OpCode::SmartCase, {}, "01 - Intro.mp3/Track 7 - Live 2019/keep 5/IMG_2019_Beach.jpg", {}},
        {"upper-lower-case", OpCode::UpperLowerCase, {}, "01 - Intro.mp3/Track 7 - live 2019/keep 5/Img_2019_beach.jpg", {}},
        {"swap infos", OpCode::SwapInfos, {"2 1"}, "Intro - 01.mp3/Live 2019 - Track 7/keep 5/IMG_2019_beach.jpg", {"2 1"}},
        {"swap infos: commas alone are asked again", OpCode::SwapInfos, {",", "2 1"}, "Intro - 01.mp3/Live 2019 - Track 7/keep 5/IMG_2019_beach.jpg", {"2 1", ","}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpsBench bench({"01 - Intro|.mp3", "Track 7 - Live 2019", "keep 5", "IMG_2019_beach|.jpg"});
        bench.select({0, 1, 3});
        bench.answer(row.answers);
        bench.engine.ModifyItems(row.op);
        EXPECT_EQ(bench.lines().join(QLatin1Char('/')), QString::fromUtf8(row.expected));
        EXPECT_EQ(bench.presets(), row.presets);
    }
}
