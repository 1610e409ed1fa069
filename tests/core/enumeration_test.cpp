#include "ops/enumeration.h"
#include "ops/operationengine.h"
#include "resources/stringtable.h"
#include "scriptedplatform.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

struct File {
    QString path;
    QString name;
    bool selected = true;
};

struct Outcome {
    QStringList names; // NewName of every item, top to bottom
    QStringList lines;
    std::vector<ScriptedPlatform::Prompt> prompts;
};

Outcome enumerate(quint8 op, const std::vector<File>& files, const QStringList& answers,
                  EnumSwitches switches = {})
{
    ItemStore store;
    for (const File& file : files) {
        Item item;
        item.ItemPath = file.path;
        item.OrigName = item.NewName = file.name;
        item.NewExt = item.OrigExt = QStringLiteral(".jpg");
        store.append(item);
    }
    for (int i = 0; i < int(files.size()); ++i)
        store.setSelected(i, files[size_t(i)].selected);
    ScriptedPlatform platform;
    platform.inputAnswers.assign(answers.begin(), answers.end());
    OperationEngine engine(store, platform, switches);
    engine.ModifyItems(op);
    Outcome run;
    for (int i = 0; i < store.ItemCount(); ++i) {
        run.names << store.item(i).NewName;
        run.lines << store.data(store.index(i)).toString();
    }
    run.prompts = platform.prompts;
    return run;
}

std::vector<File> inFolder(const QString& path, int count)
{
    std::vector<File> files;
    for (int n = 0; n < count; ++n)
        files.push_back({path, QStringLiteral("img%1").arg(n)});
    return files;
}

std::vector<File> concat(std::initializer_list<std::vector<File>> parts)
{
    std::vector<File> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

QStringList numbered(const QString& pattern, int first, int last, int width)
{
    QStringList out;
    for (int n = first; n <= last; ++n)
        out << pattern.arg(n, width, 10, QLatin1Char('0'));
    return out;
}

struct EnumCase {
    const char* name;
    quint8 op;
    std::vector<File> files;
    QString answer;
    EnumSwitches switches;
    QStringList expected;
};

std::ostream& operator<<(std::ostream& out, const EnumCase& c)
{
    return out << c.name;
}

EnumSwitches with(bool fixed, bool zero, bool inverse)
{
    return {fixed, zero, inverse};
}

const auto holiday = inFolder(QStringLiteral("/photos/Holiday"), 3);
const auto twoEach = concat({inFolder(QStringLiteral("/a"), 2), inFolder(QStringLiteral("/b"), 2),
                             inFolder(QStringLiteral("/c"), 2)});

std::vector<File> oneFileIn12Folders()
{
    std::vector<File> files;
    for (int n = 0; n < 12; ++n)
        files.push_back({QStringLiteral("/f%1").arg(n), QStringLiteral("x")});
    return files;
}

const EnumCase enumCases[] = {
    {"path: holiday - 01 from the top",
     35,
     holiday,
     "$ - %%",
     {},
     {"holiday - 01", "holiday - 02", "holiday - 03"}},
    {"path: start 5 counts 05 06 07",
     35,
     holiday,
     "5|$ - %%",
     {},
     {"holiday - 05", "holiday - 06", "holiday - 07"}},
    {"path: inverse gives the bottom file the start",
     35,
     holiday,
     "5|$ - %%",
     with(true, false, true),
     {"holiday - 07", "holiday - 06", "holiday - 05"}},
    {"path: include zero starts at 0",
     35,
     holiday,
     "$ %",
     with(true, true, false),
     {"holiday 0", "holiday 1", "holiday 2"}},
    {"path: start part not a number starts at 0",
     35,
     holiday,
     "x|$ %",
     {},
     {"holiday 0", "holiday 1", "holiday 2"}},
    {"path: start 2.5 rounds to 2",
     35,
     holiday,
     "2.5|$ %",
     {},
     {"holiday 2", "holiday 3", "holiday 4"}},
    {"path: start 3.5 rounds to 4",
     35,
     holiday,
     "3.5|$ %",
     {},
     {"holiday 4", "holiday 5", "holiday 6"}},
    {"path: F is ignored", 35, holiday, "5,9|$ %", {}, {"holiday 5", "holiday 6", "holiday 7"}},
    {"path: every $ becomes the key",
     35,
     inFolder(QStringLiteral("/x/Tour"), 2),
     "$-$ %",
     {},
     {"tour-tour 1", "tour-tour 2"}},
    {"path: same final name in two folders is one run",
     35,
     {{"/d/A/Music", "a"}, {"/e/B/music", "b"}, {"/d/A/Music", "c"}},
     "$ %",
     {},
     {"music 1", "music 2", "music 3"}},
    {"path: fixed width across 12 items",
     35,
     inFolder(QStringLiteral("/f"), 12),
     "$ %",
     {},
     numbered(QStringLiteral("f %1"), 1, 12, 2)},
    {"path: free width across 12 items", 35, inFolder(QStringLiteral("/f"), 12), "$ %",
     with(false, false, false), numbered(QStringLiteral("f %1"), 1, 12, 1)},
    {"path: 9 items stay one digit",
     35,
     inFolder(QStringLiteral("/f"), 9),
     "$ %",
     {},
     numbered(QStringLiteral("f %1"), 1, 9, 1)},
    {"path: start 0 with 10 items reaches 9, one digit",
     35,
     inFolder(QStringLiteral("/f"), 10),
     "0|$ %",
     {},
     numbered(QStringLiteral("f %1"), 0, 9, 1)},
    {"path: a number wider than %%% is not cut",
     35,
     inFolder(QStringLiteral("/f"), 2),
     "998|$ %%%",
     with(false, false, false),
     {"f 998", "f 999"}},
    {"path: % inside the folder name becomes the number",
     35,
     inFolder(QStringLiteral("/d/50% off"), 2),
     "$ %",
     {},
     {"501 off 1", "502 off 2"}},
    {"path: unselected items keep names and take no number",
     35,
     {{"/p", "a"}, {"/p", "b", false}, {"/p", "c"}},
     "$ %",
     {},
     {"p 1", "b", "p 2"}},
    {"path: folder order follows the first selected item",
     35,
     {{"/b", "x"}, {"/a", "y"}, {"/b", "z"}},
     "$ %",
     {},
     {"b 1", "a 1", "b 2"}},
    {"path: a root folder file is numbered without a key",
     35,
     {{"", "a"}, {"", "b"}},
     "$ - %%",
     {},
     {"- 01", "- 02"}},
    {"path: a colon in the folder name keeps the names",
     35,
     {{"/mnt/c:", "a"}, {"/mnt/d", "b"}},
     "$ %",
     {},
     {"a", "d 1"}},
    {"path and file: three folders of two",
     36,
     twoEach,
     "$$ - %%",
     {},
     {"01 - 01", "01 - 02", "02 - 01", "02 - 02", "03 - 01", "03 - 02"}},
    {"path and file: path start 4",
     36,
     twoEach,
     "4|$$ - %%",
     {},
     {"04 - 01", "04 - 02", "05 - 01", "05 - 02", "06 - 01", "06 - 02"}},
    {"path and file: file start 5",
     36,
     twoEach,
     ",5|$$ - %%",
     {},
     {"01 - 05", "01 - 06", "02 - 05", "02 - 06", "03 - 05", "03 - 06"}},
    {"path and file: both starts",
     36,
     twoEach,
     "7,0|$-%",
     {},
     {"7-0", "7-1", "8-0", "8-1", "9-0", "9-1"}},
    {"path and file: inverse reverses files only",
     36,
     twoEach,
     "$$ - %%",
     with(true, false, true),
     {"01 - 02", "01 - 01", "02 - 02", "02 - 01", "03 - 02", "03 - 01"}},
    {"path and file: 12 folders fixed width",
     36,
     oneFileIn12Folders(),
     "$ - %",
     {},
     numbered(QStringLiteral("%1 - 1"), 1, 12, 2)},
    {"path and file: 12 folders free width", 36, oneFileIn12Folders(), "$ - %",
     with(false, false, false), numbered(QStringLiteral("%1 - 1"), 1, 12, 1)},
    {"path and file: include zero starts both at 0",
     36,
     twoEach,
     "$-%",
     with(true, true, false),
     {"0-0", "0-1", "1-0", "1-1", "2-0", "2-1"}},
};

// Test names from the row names: letters and digits kept, everything else one '_'.
template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& info)
{
    std::string out;
    for (const char* c = info.param.name; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            out += *c;
        else if (!out.empty() && out.back() != '_')
            out += '_';
    }
    return out;
}

class EnumerationRun : public testing::TestWithParam<EnumCase> {};

TEST_P(EnumerationRun, givesTheseNames)
{
    const EnumCase& c = GetParam();
    const Outcome run = enumerate(c.op, c.files, {c.answer}, c.switches);
    EXPECT_EQ(run.names, c.expected);
    QStringList expectedLines;
    for (const QString& name : c.expected)
        expectedLines << name + QStringLiteral(".jpg");
    EXPECT_EQ(run.lines, expectedLines);
    ASSERT_EQ(run.prompts.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Cases, EnumerationRun, testing::ValuesIn(enumCases), rowName<EnumCase>);

struct RejectCase {
    const char* name;
    quint8 op;
    QString entry;
};

TEST(EnumerationPrompt, rejectedEntryIsShownAgainAndNothingChanges)
{
    const RejectCase rejected[] = {
        {"two bars", 35, "1|2|%"},
        {"two runs of %", 35, "%% %%"},
        {"no %", 35, "$ - x"},
        {"% only in the start part", 35, "%|$ x"},
        {"start beyond 16 bits", 35, "40000|$ %"},
        {"path numbers: no $", 36, "%"},
        {"path numbers: two runs of $", 36, "$ %% $"},
        {"path numbers: two bars", 36, "1|2|$ %"},
        {"path numbers: F beyond 16 bits", 36, ",-40000|$ %"},
    };
    for (const RejectCase& c : rejected) {
        SCOPED_TRACE(c.name);
        // The second answer is Cancel: the prompt returns once with the rejected entry.
        const Outcome run = enumerate(c.op, holiday, {c.entry});
        ASSERT_EQ(run.prompts.size(), 2u);
        EXPECT_EQ(run.prompts[0].preset, QString());
        EXPECT_EQ(run.prompts[1].preset, c.entry);
        EXPECT_EQ(run.names, QStringList({"img0", "img1", "img2"}));
    }
}

TEST(EnumerationPrompt, acceptsTheEntryAfterRejectedOnes)
{
    const Outcome run = enumerate(35, holiday, {"1|2|%", "%% %%", "$ %"});
    ASSERT_EQ(run.prompts.size(), 3u);
    EXPECT_EQ(run.prompts[1].preset, QStringLiteral("1|2|%"));
    EXPECT_EQ(run.prompts[2].preset, QStringLiteral("%% %%"));
    EXPECT_EQ(run.names, QStringList({"holiday 1", "holiday 2", "holiday 3"}));
}

TEST(EnumerationPrompt, showsTheHintLinesAndTitle)
{
    const Outcome path = enumerate(35, holiday, {});
    ASSERT_EQ(path.prompts.size(), 1u);
    EXPECT_EQ(path.prompts[0].prompt, joinLines({312, 630, 631, 609, 632}));
    EXPECT_EQ(path.prompts[0].title, QStringLiteral("Enumerate..."));
    EXPECT_TRUE(path.prompts[0].prompt.contains(
        QStringLiteral("Formation string for enumerated path / filename\re.g. $ - %%")));

    const Outcome pathFile = enumerate(36, holiday, {});
    ASSERT_EQ(pathFile.prompts.size(), 1u);
    EXPECT_EQ(pathFile.prompts[0].prompt, joinLines({312, 640, 641, 608, 642, 643}));
}

TEST(EnumerationPrompt, cancelOrSpacesChangeNothing)
{
    for (const QString& answer : {QString(), QStringLiteral("   ")}) {
        SCOPED_TRACE(answer.toStdString());
        const Outcome run = enumerate(35, holiday, {answer, "$ %"});
        EXPECT_EQ(run.prompts.size(), 1u);
        EXPECT_EQ(run.names, QStringList({"img0", "img1", "img2"}));
    }
}

TEST(EnumerationPrompt, withNothingSelectedThePromptStillShows)
{
    auto files = holiday;
    for (File& file : files)
        file.selected = false;
    const Outcome run = enumerate(36, files, {"$ %"});
    EXPECT_EQ(run.prompts.size(), 1u);
    EXPECT_EQ(run.names, QStringList({"img0", "img1", "img2"}));
}

TEST(EnumerationFormation, readsStartsWidthsAndBody)
{
    struct Row {
        const char* name;
        quint8 op;
        QString entry;
        bool includeZero;
        int p, f, fileWidth, pathWidth;
        QString body;
    };
    const Row rows[] = {
        {"defaults", 36, "$$ - %%%", false, 1, 1, 3, 2, "$ - %"},
        {"defaults with zero", 36, "$ %", true, 0, 0, 1, 1, "$ %"},
        {"P only", 36, "4|$$ - %%", false, 4, 1, 2, 2, "$ - %"},
        {"F only", 36, ",5|$$ - %%", false, 1, 5, 2, 2, "$ - %"},
        {"negative P", 35, "-3|$ %", false, -3, 1, 1, 1, "$ %"},
        {"lowest 16-bit start", 35, "-32768|$ %", false, -32768, 1, 1, 1, "$ %"},
        {"code 35 keeps every $", 35, "$$ %", false, 1, 1, 1, 1, "$$ %"},
        {"leading spaces are body text", 35, "  $ %", false, 1, 1, 1, 1, "  $ %"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto formation = Enumeration::parseFormation(row.op, row.entry, row.includeZero);
        ASSERT_TRUE(formation.has_value());
        EXPECT_EQ(formation->pathStart, row.p);
        if (row.op == 36) {
            EXPECT_EQ(formation->fileStart, row.f);
            EXPECT_EQ(formation->pathWidth, row.pathWidth);
        }
        EXPECT_EQ(formation->fileWidth, row.fileWidth);
        EXPECT_EQ(formation->body, row.body);
    }
}

TEST(EnumerationNumberText, padsToWidthOrReference)
{
    struct Row {
        const char* name;
        qint64 number;
        int minWidth;
        bool fixed;
        qint64 reference;
        QString text;
    };
    const Row rows[] = {
        {"free width pads to the minimum", 7, 3, false, 1000, "007"},
        {"fixed width takes the reference digits", 7, 1, true, 1000, "0007"},
        {"minimum wider than reference wins", 7, 3, true, 12, "007"},
        {"reference 0 raises nothing", 7, 1, true, 0, "7"},
        {"negative reference raises nothing", 7, 1, true, -500, "7"},
        {"long number is never cut", 12345, 2, false, 0, "12345"},
        {"negative number loses its sign", -42, 3, false, 0, "042"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Enumeration::numberText(row.number, row.minWidth, row.fixed, row.reference),
                  row.text);
    }
}

TEST(EnumerationSwitches, toggleFlipsOneSwitchAndReportsIt)
{
    EnumSwitches switches;
    EXPECT_EQ(Enumeration::toggleSwitch(switches, 0), false);
    EXPECT_FALSE(switches.FixedWidthNumbers);
    EXPECT_EQ(Enumeration::toggleSwitch(switches, 0), true);
    EXPECT_TRUE(switches.FixedWidthNumbers);

    EXPECT_EQ(Enumeration::toggleSwitch(switches, 1), true);
    EXPECT_TRUE(switches.IncludeZero);
    EXPECT_EQ(Enumeration::toggleSwitch(switches, 2), true);
    EXPECT_TRUE(switches.InverseEnumeration);

    EXPECT_EQ(Enumeration::toggleSwitch(switches, 3), std::nullopt);
    EXPECT_EQ(Enumeration::toggleSwitch(switches, -1), std::nullopt);
    EXPECT_TRUE(switches.FixedWidthNumbers);
    EXPECT_TRUE(switches.IncludeZero);
    EXPECT_TRUE(switches.InverseEnumeration);
}

} // namespace
