#include "ops/musictitles.h"
#include "opstesthelpers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(MusicTitles, rearrangeAndCaseTheFields)
{
    using Fn = std::function<QString(const QString&)>;
    const Fn cutArtist = MusicTitles::cutArtist, cutTitle = MusicTitles::cutTitle;
    const Fn toFront = MusicTitles::lastFieldToFront, swapTwo = MusicTitles::swapFirstTwoFields;
    auto cutExtra = [](int k) {
        return Fn([k](const QString& s) { return MusicTitles::cutExtraInfo(s, k); });
    };
    auto smart = [](bool artist, bool title) {
        return Fn([=](const QString& s) { return MusicTitles::smartCase(s, artist, title); });
    };
    const Fn both = smart(true, true), artist = smart(true, false), title = smart(false, true);
    const QString extra = QStringLiteral("01 - Artist - Extra - Title");
    const QString birds = QStringLiteral("the BLUE birds - say IT again");
    struct Row {
        const char* name;
        Fn fn;
        QString in, out;
    };
    // clang-format off
    const Row rows[] = {
        {"cut artist drops the first field", cutArtist, "Artist - Album - Title", "Album - Title"},
        {"cut artist of a name that starts with the separator", cutArtist, " - Title", "Title"},
        {"cut title drops the last field", cutTitle, "Artist - Album - Title", "Artist - Album"},
        {"extra info 2", cutExtra(2), extra, "01 - Artist - Title"},
        {"extra info 3 is the last field", cutExtra(3), extra, "01 - Artist - Extra"},
        {"extra info 5 is beyond the separators", cutExtra(5), extra, extra},
        // " - - " holds one separator: the next is looked for behind all three characters.
        {"extra info 1 after a shared blank", cutExtra(1), "a - - b - c", "a - c"},
        {"extra info 2 after a shared blank", cutExtra(2), "a - - b - c", "a - - b"},
        {"last to front, four fields", toFront, "One - Two - Three - Four", "Four - One - Two - Three"},
        {"last to front, overlapping separators", toFront, "a - - b", "- b - a"},
        {"last to front, empty first field", toFront, " - Two", "Two - "},
        {"swap first two, four fields", swapTwo, "One - Two - Three - Four", "Two - One - Three - Four"},
        {"swap first two, empty first field", swapTwo, " - Two - Three", "Two -  - Three"},
        {"separator needs both blanks", swapTwo, "One -Two", "One -Two"},
        {"smart case both", both, birds, "The Blue Birds - Say it again"},
        {"smart case artist only", artist, birds, "The Blue Birds - say IT again"},
        {"smart case: further fields belong to the title", title, "Artist - the end - live", "Artist - The end - live"},
        {"smart case: title is trimmed of spaces", artist, "abc -   x y  ", "Abc - x y"},
        {"smart case: no separator leaves the name", both, "the BLUE birds", "the BLUE birds"},
        {"smart case: empty artist field", both, " - say IT", " - Say it"},
        {"smart case: letters beyond Latin", both, "élan vital - ÉTÉ", "Élan Vital - Été"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.fn(row.in), row.out);
    }
}

// Items are "name|.ext", a leading '!' leaving the line unmarked; the focus is on line 0
// unless the row says otherwise.
TEST(CaseMusicOperations, showTheseLinesAfterThesePrompts)
{
    const std::vector<const char*> three = {"a|.wav", "b|.ogg", "c"};
    const std::vector<const char*> extraInfo = {"01 - Artist - Extra - Title|.mp3"};
    const struct {
        const char* name;
        std::vector<OpCode> ops;
        std::vector<const char*> items;
        QStringList answers;
        QStringList lines;   // expected list lines, top to bottom
        QStringList presets; // one per prompt shown
        int focus = 0;
    } rows[] = {
        // clang-format off
        {"upper case name keeps extension", {OpCode::AllUppercase}, {"abc|.txt"}, {}, {"ABC.txt"}, {}},
        {"lower case name and extension", {OpCode::AllLowercase, OpCode::ExtensionLowercase}, {"ÄBC Def|.TXT"}, {}, {"äbc def.txt"}, {}},
        {"cut title leaving an empty name keeps it", {OpCode::CutTitle}, {" - Title|.mp3"}, {}, {" - Title.mp3"}, {}},
        {"extra info at 2.9 reads 2", {OpCode::CutExtraInfo}, extraInfo, {"2.9"}, {"01 - Artist - Title.mp3"}, {"2"}},
        {"extra info beyond 16 bits", {OpCode::CutExtraInfo}, extraInfo, {"65537"}, {"01 - Artist - Extra - Title.mp3"}, {"2"}},
        {"extra info asks with nothing selected", {OpCode::CutExtraInfo}, {"!01 - a - b"}, {"1"}, {"01 - a - b"}, {"2"}},
        {"change extension to blanks removes it", {OpCode::ChangeExtension}, three, {"   "}, {"a", "b", "c"}, {"wav"}},
        {"change extension trims blanks", {OpCode::ChangeExtension}, {"a|.wav"}, {" mp3 "}, {"a.mp3"}, {"wav"}},
        {"change extension keeps a typed dot", {OpCode::ChangeExtension}, three, {".mp3"}, {"a..mp3", "b..mp3", "c..mp3"}, {"wav"}},
        {"change extension with a colon changes nothing", {OpCode::ChangeExtension}, three, {"a:b"}, {"a.wav", "b.ogg", "c"}, {"wav"}},
        {"change extension presets the focused line's, marked or not", {OpCode::ChangeExtension}, {"a|.wav", "!b|.flac"}, {"ogg"}, {"a.ogg", "b.flac"}, {"flac"}, 1},
        {"change extension asks nothing with nothing selected", {OpCode::ChangeExtension}, {"!a|.wav"}, {"mp3"}, {"a.wav"}, {}},
        // A name from disk may hold a character no operation may produce: the name stays,
        // but the line shows the extension the file would get on Apply.
        {"rejected name still takes the upper-case extension", {OpCode::ExtensionUppercase}, {"it`s|.txt"}, {}, {"it`s.TXT"}, {}},
        {"rejected name still takes the new extension", {OpCode::ChangeExtension}, {"it`s|.txt"}, {"md"}, {"it`s.md"}, {"txt"}},
        {"rejected name still loses the extension", {OpCode::ChangeExtension}, {"it`s|.txt"}, {" "}, {"it`s"}, {"txt"}},
        {"restore after a change of extension", {OpCode::CutArtist, OpCode::ChangeExtension, OpCode::RestoreName}, {"A - b|.txt"}, {"ogg"}, {"A - b.ogg"}, {"txt"}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        OpsBench bench;
        for (const char* entry : row.items)
            bench.add(QString::fromUtf8(entry + (entry[0] == '!')), {}, entry[0] != '!');
        bench.store.setCurrentLine(row.focus);
        bench.answer(row.answers);
        for (OpCode op : row.ops)
            bench.engine.ModifyItems(op);
        EXPECT_EQ(bench.lines(), row.lines);
        EXPECT_EQ(bench.presets(), row.presets);
    }
}

} // namespace
