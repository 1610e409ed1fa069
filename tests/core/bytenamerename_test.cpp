#include "list/fileloader.h"
#include "ops/opcode.h"
#include "ops/operationengine.h"
#include "rename/renamerunner.h"
#include "rowname.h"
#include "scriptedplatform.h"
#include "temptree.h"

#include <gtest/gtest.h>

// Names whose bytes are not UTF-8, loaded from a real folder, edited by each operation
// family and applied: every byte outside the edited part reaches the disk unchanged.

namespace {

QByteArray fill(QByteArray pattern, const QByteArray& byte)
{
    return pattern.replace('@', byte);
}

struct FamilyRow {
    const char* name;
    OpCode op;
    QStringList answers;
    const char* folder; // '@' stands for the byte under test, between multi-byte characters
    const char* before;
    const char* after;
};

// clang-format off
const FamilyRow familyRows[] = {
    {"upper case keeps the bytes", OpCode::AllUppercase, {}, "f@", "\xd0\xb6@\xc3\xa9 song@.mp3", "\xd0\x96@\xc3\x89 SONG@.mp3"},
    {"lower case keeps the bytes", OpCode::AllLowercase, {}, "f@", "\xd0\x96@\xc3\x89 Song@.mp3", "\xd0\xb6@\xc3\xa9 song@.mp3"},
    {"smart case keeps the bytes", OpCode::MusicSmartCase, {}, "f@", "bad@ - one\xe2\x82\xac.mp3", "Bad@ - One\xe2\x82\xac.mp3"},
    {"extension lower case keeps the bytes", OpCode::ExtensionLowercase, {}, "f@", "caf@ one.MP3", "caf@ one.mp3"},
    {"insert at end keeps the bytes", OpCode::AddToEnd, {"\xc3\xbc"}, "f@", "@x\xf0\x9f\x8e\xb5.ogg", "@x\xf0\x9f\x8e\xb5\xc3\xbc.ogg"},
    {"replace elsewhere keeps the bytes", OpCode::ReplaceWithFindValues, {}, "f@", "Song @\xce\xa9.flac", "Tune @\xce\xa9.flac"},
    {"enumeration carries the folder's bytes", OpCode::EnumerateAsPath, {"$ %"}, "Alb@", "x@.jpg", "alb@ 1.jpg"},
};
// clang-format on

class ByteNameFamilies : public testing::TestWithParam<FamilyRow> {};

TEST_P(ByteNameFamilies, applyWritesTheOriginalBytesBack)
{
    const FamilyRow& row = GetParam();
    TempTree tree;
    for (int b = 0x80; b <= 0xff; ++b) { // every high byte, one folder each: names may repeat
        const QByteArray byte(1, char(b));
        tree.addFile(fill(row.folder, byte) + '/' + fill(row.before, byte),
                     "content " + byte.toHex());
    }
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader(store, platform, platform).AddDirectory(tree.root());
    ASSERT_EQ(store.ItemCount(), 128);
    store.selectAll();
    platform.inputAnswers.assign(row.answers.begin(), row.answers.end());
    FindReplaceValues findValues;
    findValues.FindText = QStringLiteral("Song");
    findValues.ReplaceWith = QStringLiteral("Tune");
    EnumSwitches switches;
    switches.FixedWidthNumbers = false;
    OperationEngine(store, platform, switches, findValues).ModifyItems(row.op);
    EXPECT_EQ(RenameRunner(store, platform).RenameFiles(true).failed, 0);

    EXPECT_EQ(store.ItemCount(), 0);
    for (int b = 0x80; b <= 0xff; ++b) {
        const QByteArray byte(1, char(b)), folder = fill(row.folder, byte);
        const QByteArray name = fill(row.after, byte);
        EXPECT_EQ(tree.list(folder), std::vector<QByteArray>{name}) << byte.toHex().constData();
        EXPECT_EQ(tree.content(folder + '/' + name), "content " + byte.toHex());
    }
}

INSTANTIATE_TEST_SUITE_P(Families, ByteNameFamilies, testing::ValuesIn(familyRows),
                         rowName<FamilyRow>);

TEST(ByteNameRename, loneSurrogateIsRefusedBeforeTheDisk)
{
    // Half an emoji left by a cut; a low surrogate below the escapes U+DC80..U+DCFF.
    for (const QString& newName :
         {QStringLiteral("song ") + QChar(0xd83c), QStringLiteral("a") + QChar(0xdc41)}) {
        TempTree tree;
        tree.addFile("a.mp3", "A");
        ItemStore store;
        ScriptedPlatform platform;
        FileLoader(store, platform, platform).AddDirectory(tree.root());
        store.setNewName(0, newName);
        const RenameRunner::Result result = RenameRunner(store, platform).RenameFiles(true);
        EXPECT_EQ(platform.renameCalls, 0);
        ASSERT_EQ(result.outcomes.size(), 1u);
        EXPECT_EQ(result.outcomes[0].outcome, RenameOutcome::UnencodableName);
        EXPECT_EQ(result.failed, 1);
        EXPECT_EQ(tree.list(), std::vector<QByteArray>{"a.mp3"});
    }
}

TEST(ByteNameRename, nameBesideItsReplacementCharacterSpellingKeepsItsBytes)
{
    // "caf\xe9" shows as "caf\uFFFD", which a decoy carries on disk: no duplicate, no change.
    const QByteArray odd("caf\xe9.mp3"), decoy("caf\xef\xbf\xbd.mp3");
    TempTree tree;
    tree.addFile(odd, "odd");
    tree.addFile(decoy, "decoy");
    ItemStore store;
    ScriptedPlatform platform;
    FileLoader(store, platform, platform).AddDirectory(tree.root());
    EXPECT_EQ(RenameRunner(store, platform).RenameFiles(true).failed, 0);
    EXPECT_EQ(tree.list(), (std::vector<QByteArray>{odd, decoy}));
    EXPECT_EQ(tree.content(odd) + '|' + tree.content(decoy), "odd|decoy");
}

} // namespace
