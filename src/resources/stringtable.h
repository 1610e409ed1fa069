#pragma once

#include <QString>

#include <vector>

// The texts the program composes at run time, each under its fixed number.
enum class TextId {
    AppTitle = 100,
    VersionLine = 101,
    BetaVersionLine = 102,
    AboutPurpose = 103,
    AboutLicence = 104,
    AboutWarranty = 105,
    AboutTitle = 109,
    AddTitle = 300,
    CropTitle = 301,
    CutTitle = 302,
    EditTitle = 303,
    EnumerateTitle = 305,
    NumbersTitle = 306,
    CutExtraInfoTitle = 308,
    SwapInfosTitle = 309,
    FormationPrompt = 312,
    AddNumbersPrompt = 313,
    AddAtBeginningPrompt = 320,
    AddAtEndPrompt = 321,
    CutLeadingPrompt = 340,
    CutEndingPrompt = 341,
    CropLeadingPrompt = 342,
    CropEndingPrompt = 343,
    ExpressionPrompt = 344,
    ExpressionSyntaxHint = 345,
    ExpressionError = 346,
    CutPositionPrompt = 350,
    FieldOrderPrompt = 351,
    NumberWidthPrompt = 352,
    NewExtensionPrompt = 360,
    ErrorTitle = 400,
    DuplicatesFound = 401,
    RenameFailed = 402,
    OkButton = 500,
    CancelButton = 501,
    FindTitle = 510,
    ReplaceTitle = 511,
    FindWhatLabel = 512,
    MatchCaseCheck = 513,
    ExactPhraseCheck = 514,
    ReplaceWithLabel = 515,
    RepeatCheck = 516,
    PathFileFixedWidthHint = 608,
    PathFixedWidthHint = 609,
    PathExample = 630,
    PathLegend = 631,
    PathStartHint = 632,
    CounterStartHint = 633,
    PathFileExample = 640,
    PathFileLegend = 641,
    PathFileFolderStartHint = 642,
    PathFileFileStartHint = 643,
};

// The text of id. An id outside the table is a programming error: it asserts in debug
// builds and gives "" otherwise.
QString LoadResString(TextId id);

// Texts joined into one prompt, lines separated by the character 13.
QString joinLines(const std::vector<TextId>& ids);
