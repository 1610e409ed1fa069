#include "resources/stringtable.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    TextId id;
    const char* text;
};

// Sorted by id.
constexpr Entry kStrings[] = {
    {TextId::AppTitle, QT_TRANSLATE_NOOP("StringTable", "Filevane")},
    {TextId::VersionLine, QT_TRANSLATE_NOOP("StringTable", "Filevane Version $")},
    {TextId::BetaVersionLine, QT_TRANSLATE_NOOP("StringTable", "Filevane Version $ [beta %]")},
    {TextId::AboutPurpose,
     QT_TRANSLATE_NOOP("StringTable", "Renames many files at once, safely and in one run.")},
    {TextId::AboutLicence,
     QT_TRANSLATE_NOOP("StringTable", "Free software under the GNU GPL, version 3 or later.")},
    {TextId::AboutWarranty, QT_TRANSLATE_NOOP("StringTable", "It comes without any warranty.")},
    {TextId::AboutTitle, QT_TRANSLATE_NOOP("StringTable", "About...")},
    {TextId::AddTitle, QT_TRANSLATE_NOOP("StringTable", "Add...")},
    {TextId::CropTitle, QT_TRANSLATE_NOOP("StringTable", "Crop...")},
    {TextId::CutTitle, QT_TRANSLATE_NOOP("StringTable", "Cut...")},
    {TextId::EditTitle, QT_TRANSLATE_NOOP("StringTable", "Edit...")},
    {TextId::EnumerateTitle, QT_TRANSLATE_NOOP("StringTable", "Enumerate...")},
    {TextId::NumbersTitle, QT_TRANSLATE_NOOP("StringTable", "Numbers...")},
    {TextId::CutExtraInfoTitle, QT_TRANSLATE_NOOP("StringTable", "Cut mp3 extra information")},
    {TextId::SwapInfosTitle, QT_TRANSLATE_NOOP("StringTable", "Swap infos...")},
    {TextId::FormationPrompt,
     QT_TRANSLATE_NOOP("StringTable", "Formation string for enumerated path / filename")},
    {TextId::AddNumbersPrompt,
     QT_TRANSLATE_NOOP("StringTable", "Formation string for numbers over all selected files")},
    {TextId::AddAtBeginningPrompt,
     QT_TRANSLATE_NOOP("StringTable", "Expression to add at beginning")},
    {TextId::AddAtEndPrompt, QT_TRANSLATE_NOOP("StringTable", "Expression to add at end")},
    {TextId::CutLeadingPrompt, QT_TRANSLATE_NOOP("StringTable", "Leading characters to cut")},
    {TextId::CutEndingPrompt, QT_TRANSLATE_NOOP("StringTable", "Ending characters to cut")},
    {TextId::CropLeadingPrompt, QT_TRANSLATE_NOOP("StringTable", "Leading characters to crop")},
    {TextId::CropEndingPrompt, QT_TRANSLATE_NOOP("StringTable", "Ending characters to crop")},
    {TextId::ExpressionPrompt, QT_TRANSLATE_NOOP("StringTable", "Text to find")},
    {TextId::ExpressionSyntaxHint,
     QT_TRANSLATE_NOOP("StringTable", "or a regular expression between slashes, e.g. /\\d{4}/")},
    {TextId::ExpressionError, QT_TRANSLATE_NOOP("StringTable", "Not a valid regular expression:")},
    {TextId::CutPositionPrompt, QT_TRANSLATE_NOOP("StringTable", "Enter position to cut")},
    {TextId::FieldOrderPrompt,
     QT_TRANSLATE_NOOP("StringTable", "Enter the order of the fields, e.g. 2 1")},
    {TextId::NumberWidthPrompt,
     QT_TRANSLATE_NOOP("StringTable", "Enter the least number of digits")},
    {TextId::NewExtensionPrompt, QT_TRANSLATE_NOOP("StringTable", "Enter new extension")},
    {TextId::ErrorTitle, QT_TRANSLATE_NOOP("StringTable", "Error...")},
    {TextId::DuplicatesFound,
     QT_TRANSLATE_NOOP("StringTable", "One or more dublicate filenames found")},
    {TextId::RenameFailed,
     QT_TRANSLATE_NOOP("StringTable", "One or more files could not be renamed")},
    {TextId::OkButton, QT_TRANSLATE_NOOP("StringTable", "&Ok")},
    {TextId::CancelButton, QT_TRANSLATE_NOOP("StringTable", "&Cancel")},
    {TextId::FindTitle, QT_TRANSLATE_NOOP("StringTable", "Find...")},
    {TextId::ReplaceTitle, QT_TRANSLATE_NOOP("StringTable", "Replace...")},
    {TextId::FindWhatLabel, QT_TRANSLATE_NOOP("StringTable", "Find what:")},
    {TextId::MatchCaseCheck, QT_TRANSLATE_NOOP("StringTable", "Match &case")},
    {TextId::ExactPhraseCheck, QT_TRANSLATE_NOOP("StringTable", "&Exact phrase")},
    {TextId::ReplaceWithLabel, QT_TRANSLATE_NOOP("StringTable", "Replace with")},
    {TextId::RepeatCheck, QT_TRANSLATE_NOOP("StringTable", "&Repeat")},
    {TextId::PathFileFixedWidthHint,
     QT_TRANSLATE_NOOP("StringTable", "multiple $s / %s for fixed-length numbers")},
    {TextId::PathFixedWidthHint,
     QT_TRANSLATE_NOOP("StringTable", "multiple %s for fixed-length numbers")},
    {TextId::PathExample, QT_TRANSLATE_NOOP("StringTable", "e.g. $ - %%")},
    {TextId::PathLegend, QT_TRANSLATE_NOOP("StringTable", "$ for filename, % for file number")},
    {TextId::PathStartHint,
     QT_TRANSLATE_NOOP("StringTable", "to start with number 5, type 5|$ - %%")},
    {TextId::CounterStartHint,
     QT_TRANSLATE_NOOP("StringTable", "to count 5, 7, 9, ... type 5+2|$ - %%")},
    {TextId::PathFileExample, QT_TRANSLATE_NOOP("StringTable", "e.g. $$ - %%")},
    {TextId::PathFileLegend,
     QT_TRANSLATE_NOOP("StringTable", "$ for path number, % for file number")},
    {TextId::PathFileFolderStartHint,
     QT_TRANSLATE_NOOP("StringTable", "to start with path number 4, type 4|$$ - %%")},
    {TextId::PathFileFileStartHint,
     QT_TRANSLATE_NOOP("StringTable", "to start with file number 5, type ,5|$$ - %%")},
};

} // namespace

QString LoadResString(TextId id)
{
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const Entry& e, TextId wanted) { return e.id < wanted; });
    if (it == std::end(kStrings) || it->id != id) {
        Q_ASSERT_X(false, "LoadResString", "unknown string number");
        return {};
    }
    return QCoreApplication::translate("StringTable", it->text);
}

QString joinLines(const std::vector<TextId>& ids)
{
    QString text;
    for (TextId id : ids) {
        if (!text.isEmpty())
            text += QChar(13);
        text += LoadResString(id);
    }
    return text;
}
