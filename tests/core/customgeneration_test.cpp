#include "opstesthelpers.h"
#include "rowname.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char* name;
    std::vector<int> selected;
    std::vector<const char*> answers; // scripted templates; none: Cancel
    QStringList lines;                // every list line afterwards
};

class CustomGeneration : public testing::TestWithParam<Row> {};

TEST_P(CustomGeneration, RewritesTheSelectedNamesWithTheCommonFinish)
{
    OpsBench bench({"a|.mp3", "b|.mp3", "c|.jpg", "d"});
    FileMetadata tags;
    tags.artist = QStringLiteral("AC/DC");
    tags.track = 4;
    bench.templates.reader.files.insert("/a.mp3", tags);
    for (int line : GetParam().selected)
        bench.store.setSelected(line, true);
    for (const char* answer : GetParam().answers)
        bench.templates.answers.push_back(QString::fromUtf8(answer));

    bench.engine.ModifyItems(OpCode::CustomGeneration);

    EXPECT_EQ(bench.lines(), GetParam().lines);
    EXPECT_EQ(bench.templates.asked, 1);
    EXPECT_TRUE(bench.platform.prompts.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CustomGeneration, testing::Values(
    Row{"counter runs over the selected items in list order", {0, 2, 3}, {"[C:1,1,2] [N]"}, {"01 a.mp3", "b.mp3", "02 c.jpg", "03 d"}},
    Row{"tags are read and sanitised", {0, 1}, {"[track:2] [artist]"}, {"04 AC_DC.mp3", "b.mp3", "c.jpg", "d"}},
    Row{"result is trimmed", {1}, {"  x[N]  "}, {"a.mp3", "xb.mp3", "c.jpg", "d"}},
    Row{"empty result keeps the name", {0, 1}, {"[artist]"}, {"AC_DC.mp3", "b.mp3", "c.jpg", "d"}},
    Row{"invalid character keeps the name", {0}, {"[N]:[E]"}, {"a.mp3", "b.mp3", "c.jpg", "d"}},
    Row{"invalid template changes nothing", {0}, {"[Q]"}, {"a.mp3", "b.mp3", "c.jpg", "d"}},
    Row{"cancel changes nothing", {0}, {}, {"a.mp3", "b.mp3", "c.jpg", "d"}},
    Row{"nothing selected changes nothing", {}, {"x"}, {"a.mp3", "b.mp3", "c.jpg", "d"}}),
    rowName<Row>);
// clang-format on

} // namespace
