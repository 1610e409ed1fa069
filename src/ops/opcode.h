#pragma once

#include <QtGlobal>

// The operation codes of ModifyItems. Menu arrays map their entries to codes as a base
// plus the entry's index (see opCodeAt). Codes marked "no operation" belong to disabled
// menu entries: they run the common finish only.
enum class OpCode : quint8 {
    CutFirstWord = 20,
    CutLastWord = 21,
    InsertAtBeginning = 22,
    AddToEnd = 23,
    Replace = 24, // opens the find and replace dialog in replace mode
    AddNumbers = 30,
    ReformatNumbers = 31,
    CropNumbers = 32,
    CutNumbers = 33,
    EnumeratedFilename = 34,
    EnumerateAsPath = 35,
    EnumeratePathFilename = 36,
    CutFirstChars = 40,
    CutLastChars = 41,
    CropFirstChars = 42,
    CropLastChars = 43,
    CutBeforeExpression = 50,
    CutAfterExpression = 51,
    CropBeforeExpression = 52,
    CropAfterExpression = 53,
    SmartCase = 60,
    UpperLowerCase = 61,
    AllUppercase = 62,
    AllLowercase = 63,
    CutArtist = 70,
    CutTitle = 71,
    CutExtraInfo = 72,
    LastFieldToFront = 73,
    SwapFirstTwoFields = 74,
    SwapInfos = 75,
    MusicSmartCase = 77,
    MusicSmartCaseArtist = 78,
    MusicSmartCaseTitle = 79,
    CustomGeneration = 80,
    ExtensionUppercase = 90,
    ExtensionLowercase = 91,
    ChangeExtension = 99,
    RestoreName = 100,
    ReplaceWithFindValues = 200, // run by ReturnFind in replace mode
};

// The code of entry index of a menu array whose entry 0 has the code base.
constexpr OpCode opCodeAt(OpCode base, int index)
{
    return OpCode(quint8(quint8(base) + index));
}
