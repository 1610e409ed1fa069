#include "listmarks.h"
#include "opstesthelpers.h"

#include <gtest/gtest.h>

TEST(CustomGeneration, RewritesTheSelectedNamesWithTheCommonFinish)
{
    const QStringList kept = {"a.mp3", "b.mp3", "c.jpg", "d"};
    const struct {
        const char* name;
        std::vector<int> selected;
        std::vector<const char*> answers; // scripted templates; none: Cancel
        QStringList lines;                // every list line afterwards
        int stopReadingAt = -1;
    } rows[] = {
        // clang-format off
        {"counter runs over the selected items in list order", {0, 2, 3}, {"[C:1,1,2] [N]"}, {"01 a.mp3", "b.mp3", "02 c.jpg", "03 d"}},
        {"empty result keeps the name", {0, 1}, {"[artist]"}, {"AC_DC.mp3", "b.mp3", "c.jpg", "d"}},
        {"invalid character keeps the name", {0}, {"[N]:[E]"}, kept},
        {"invalid template changes nothing", {0}, {"[Q]"}, kept},
        {"cancel changes nothing", {0}, {}, kept},
        {"stopped while reading the files changes nothing", {0, 1}, {"[artist] [N]"}, kept, 1},
        {"nothing selected changes nothing", {}, {"x"}, kept},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpsBench bench({"a|.mp3", "b|.mp3", "c|.jpg", "d"});
        FileMetadata tags;
        tags.artist = QStringLiteral("AC/DC");
        tags.track = 4;
        bench.templates.reader.files.insert("/a.mp3", tags);
        selectLines(bench.store, row.selected);
        bench.templates.stopReadingAt = row.stopReadingAt;
        for (const char* answer : row.answers)
            bench.templates.answers.push_back(QString::fromUtf8(answer));

        bench.engine.ModifyItems(OpCode::CustomGeneration);

        EXPECT_EQ(bench.lines(), row.lines);
        EXPECT_EQ(bench.templates.asked, 1);
    }
}
