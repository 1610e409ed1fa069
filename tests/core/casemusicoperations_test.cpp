#include "ops/musictitles.h"
#include "ops/operationengine.h"
#include "rowname.h"
#include "scriptedplatform.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(MusicTitles, rearrangesTheFields)
{
    using Fn = std::function<QString(const QString&)>;
    const Fn cutArtist = MusicTitles::cutArtist, cutTitle = MusicTitles::cutTitle;
    const Fn toFront = MusicTitles::lastFieldToFront, swapTwo = MusicTitles::swapFirstTwoFields;
    auto cutExtra = [](int k) {
        return Fn([k](const QString& s) { return MusicTitles::cutExtraInfo(s, k); });
    };
    const QString extra = QStringLiteral("01 - Artist - Extra - Title");
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
        {"cut title without separator", cutTitle, "Artist -Title", "Artist -Title"},
        {"extra info 2", cutExtra(2), extra, "01 - Artist - Title"},
        {"extra info 3 is the last field", cutExtra(3), extra, "01 - Artist - Extra"},
        {"extra info 5 is beyond the separators", cutExtra(5), extra, extra},
        {"extra info negative", cutExtra(-1), extra, extra},
        {"last to front, two fields", toFront, "One - Two", "Two - One"},
        {"last to front, four fields", toFront, "One - Two - Three - Four", "Four - One - Two - Three"},
        {"last to front, overlapping separators", toFront, "a - - b", "- b - a"},
        {"last to front, empty first field", toFront, " - Two", "Two - "},
        {"swap first two, two fields", swapTwo, "One - Two", "Two - One"},
        {"swap first two, four fields", swapTwo, "One - Two - Three - Four", "Two - One - Three - Four"},
        {"swap first two, empty first field", swapTwo, " - Two - Three", "Two -  - Three"},
        {"separator needs both blanks", swapTwo, "One -Two", "One -Two"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.fn(row.in), row.out);
    }
}

TEST(MusicTitles, smartCaseOnArtistTitleOrBoth)
{
    struct Row {
        const char* name;
        QString in;
        bool artist, title;
        QString out;
    };
    const QString birds = QStringLiteral("the BLUE birds - say IT again");
    // clang-format off
    const Row rows[] = {
        {"both", birds, true, true, "The Blue Birds - Say it again"},
        {"artist only", birds, true, false, "The Blue Birds - say IT again"},
        {"title only", birds, false, true, "the BLUE birds - Say it again"},
        {"doubled blanks stay", "ac  dc - HIGHWAY", true, true, "Ac  Dc - Highway"},
        {"further fields belong to the title", "Artist - the end - live", false, true, "Artist - The end - live"},
        {"title is trimmed of spaces", "abc -   x y  ", true, false, "Abc - x y"},
        {"no separator leaves the name", "the BLUE birds", true, true, "the BLUE birds"},
        {"empty artist field", " - say IT", true, true, " - Say it"},
        {"letters beyond Latin", "élan vital - ÉTÉ", true, true, "Élan Vital - Été"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MusicTitles::smartCase(row.in, row.artist, row.title), row.out);
    }
}

struct Entry {
    QString name, ext;
    bool selected = true;
};

struct Outcome {
    QStringList lines;
    std::vector<ScriptedPlatform::Prompt> prompts;
    std::vector<int> repainted; // rows of the list told to repaint
};

Outcome runOps(const std::vector<OpCode>& ops, const std::vector<Entry>& entries,
               const QStringList& answers = {}, int currentLine = 0)
{
    ItemStore store;
    for (const Entry& entry : entries) {
        Item item;
        item.ItemPath = QStringLiteral("/music");
        item.OrigName = item.NewName = entry.name;
        item.OrigExt = item.NewExt = entry.ext;
        store.append(item);
        store.setSelected(store.ItemCount() - 1, entry.selected);
    }
    store.setCurrentLine(currentLine);
    Outcome outcome;
    QObject::connect(&store, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& first, const QModelIndex& last) {
                         for (int r = first.row(); r <= last.row(); ++r)
                             outcome.repainted.push_back(r);
                     });
    ScriptedPlatform platform;
    platform.inputAnswers.assign(answers.begin(), answers.end());
    EnumSwitches switches;
    FindReplaceValues findValues;
    OperationEngine engine(store, platform, switches, findValues);
    for (OpCode op : ops)
        engine.ModifyItems(op);
    for (int i = 0; i < store.ItemCount(); ++i)
        outcome.lines << store.data(store.index(i)).toString();
    outcome.prompts = platform.prompts;
    return outcome;
}

struct EngineCase {
    const char* name;
    std::vector<OpCode> ops;
    std::vector<Entry> items;
    QStringList answers;
    QStringList lines; // expected list lines, top to bottom
};

const std::vector<Entry> three = {{"a", ".wav"}, {"b", ".ogg"}, {"c", ""}};
const std::vector<Entry> extraInfo = {{"01 - Artist - Extra - Title", ".mp3"}};
const QStringList extraKept = {"01 - Artist - Extra - Title.mp3"};

// clang-format off
const EngineCase engineCases[] = {
    {"upper case name, then extension", {OpCode::AllUppercase, OpCode::ExtensionUppercase}, {{"abc", ".txt"}}, {}, {"ABC.TXT"}},
    {"upper case name keeps extension", {OpCode::AllUppercase}, {{"abc", ".txt"}}, {}, {"ABC.txt"}},
    {"lower case name and extension", {OpCode::AllLowercase, OpCode::ExtensionLowercase}, {{"ÄBC Def", ".TXT"}}, {}, {"äbc def.txt"}},
    {"only selected lines change", {OpCode::AllUppercase}, {{"a", ".x"}, {"b", ".x", false}, {"c", ".x"}}, {},
     {"A.x", "b.x", "C.x"}},
    {"cut title leaving an empty name keeps it", {OpCode::CutTitle}, {{" - Title", ".mp3"}}, {}, {" - Title.mp3"}},
    {"extra info at 2", {OpCode::CutExtraInfo}, extraInfo, {"2"}, {"01 - Artist - Title.mp3"}},
    {"extra info at 2.9 reads 2", {OpCode::CutExtraInfo}, extraInfo, {"2.9"}, {"01 - Artist - Title.mp3"}},
    {"extra info cancelled", {OpCode::CutExtraInfo}, extraInfo, {}, extraKept},
    {"extra info not a number", {OpCode::CutExtraInfo}, extraInfo, {"x"}, extraKept},
    {"extra info beyond 16 bits", {OpCode::CutExtraInfo}, extraInfo, {"65537"}, extraKept},
    {"smart case both", {OpCode::MusicSmartCase}, {{"ac  dc - HIGHWAY", ".mp3"}}, {}, {"Ac  Dc - Highway.mp3"}},
    {"change extension to blanks removes it", {OpCode::ChangeExtension}, three, {"   "}, {"a", "b", "c"}},
    {"change extension trims blanks", {OpCode::ChangeExtension}, three, {" mp3 "}, {"a.mp3", "b.mp3", "c.mp3"}},
    {"change extension keeps a typed dot", {OpCode::ChangeExtension}, three, {".mp3"}, {"a..mp3", "b..mp3", "c..mp3"}},
    {"change extension with a colon changes nothing", {OpCode::ChangeExtension}, three, {"a:b"}, {"a.wav", "b.ogg", "c"}},
    {"change extension cancelled", {OpCode::ChangeExtension}, three, {}, {"a.wav", "b.ogg", "c"}},
    {"restore after upper-casing the extension", {OpCode::AllUppercase, OpCode::ExtensionUppercase, OpCode::RestoreName}, {{"abc", ".txt"}}, {}, {"abc.TXT"}},
    {"restore after a change of extension", {OpCode::CutArtist, OpCode::ChangeExtension, OpCode::RestoreName}, {{"A - b", ".txt"}}, {"ogg"}, {"A - b.ogg"}},
};
// clang-format on

class CaseMusicRun : public testing::TestWithParam<EngineCase> {};

TEST_P(CaseMusicRun, showsTheseLines)
{
    const EngineCase& c = GetParam();
    EXPECT_EQ(runOps(c.ops, c.items, c.answers).lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, CaseMusicRun, testing::ValuesIn(engineCases), rowName<EngineCase>);

TEST(CaseMusicPrompts, askOnceWithTheirPresets)
{
    const Outcome cut = runOps({OpCode::CutExtraInfo}, extraInfo, {"2"});
    ASSERT_EQ(cut.prompts.size(), 1u);
    EXPECT_EQ(cut.prompts[0].prompt, QStringLiteral("Enter position to cut"));
    EXPECT_EQ(cut.prompts[0].title, QStringLiteral("Cut mp3 extra information"));
    EXPECT_EQ(cut.prompts[0].preset, QStringLiteral("2"));

    // The preset is the extension of the focused line, which need not be
    // selected.
    const Outcome ext =
        runOps({OpCode::ChangeExtension}, {{"a", ".wav"}, {"b", ".flac", false}}, {"ogg"}, 1);
    ASSERT_EQ(ext.prompts.size(), 1u);
    EXPECT_EQ(ext.prompts[0].prompt, QStringLiteral("Enter new extension"));
    EXPECT_EQ(ext.prompts[0].title, QStringLiteral("Edit..."));
    EXPECT_EQ(ext.prompts[0].preset, QStringLiteral("flac"));
    EXPECT_EQ(ext.lines, QStringList({"a.ogg", "b.flac"}));
}

TEST(CaseMusicPrompts, onlyChangeExtensionSkipsItsPromptWithNothingSelected)
{
    const Outcome change = runOps({OpCode::ChangeExtension}, {{"a", ".wav", false}}, {"mp3"});
    EXPECT_TRUE(change.prompts.empty());
    EXPECT_EQ(change.lines, QStringList({"a.wav"}));
    const Outcome cut = runOps({OpCode::CutExtraInfo}, {{"01 - a - b", "", false}}, {"1"});
    EXPECT_EQ(cut.prompts.size(), 1u);
    EXPECT_EQ(cut.lines, QStringList({"01 - a - b"}));
}

// A name read from disk may hold a character that no operation may produce: the
// name stays, but the line must show the extension the file would get on Apply.
TEST(CaseMusicExtension, rejectedNameStillShowsTheNewExtension)
{
    struct Row {
        const char* name;
        OpCode op;
        QStringList answers;
        QString line;
    };
    const Row rows[] = {
        {"upper case", OpCode::ExtensionUppercase, {}, "it`s.TXT"},
        {"change", OpCode::ChangeExtension, {"md"}, "it`s.md"},
        {"remove", OpCode::ChangeExtension, {" "}, "it`s"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = runOps({row.op}, {{"it`s", ".txt"}}, row.answers);
        EXPECT_EQ(outcome.lines, QStringList{row.line});
        EXPECT_EQ(outcome.repainted, std::vector<int>{0});
    }
}

} // namespace
