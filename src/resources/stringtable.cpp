#include "resources/stringtable.h"

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
    {TextId::AppTitle, "Filevane"},
    {TextId::VersionLine, "Filevane Version $"},
    {TextId::BetaVersionLine, "Filevane Version $ [beta %]"},
    {TextId::AboutPurpose, "Renames many files at once, safely and in one run."},
    {TextId::AboutLicence, "Free software: use, copy and change it as you like."},
    {TextId::AboutWarranty, "It comes without any warranty."},
    {TextId::AboutTitle, "About..."},
    {TextId::AddTitle, "Add..."},
    {TextId::CropTitle, "Crop..."},
    {TextId::CutTitle, "Cut..."},
    {TextId::EditTitle, "Edit..."},
    {TextId::EnumerateTitle, "Enumerate..."},
    {TextId::CutExtraInfoTitle, "Cut mp3 extra information"},
    {TextId::FormationPrompt, "Formation string for enumerated path / filename"},
    {TextId::AddAtBeginningPrompt, "Expression to add at beginning"},
    {TextId::AddAtEndPrompt, "Expression to add at end"},
    {TextId::CutLeadingPrompt, "Leading characters to cut"},
    {TextId::CutEndingPrompt, "Ending characters to cut"},
    {TextId::CropLeadingPrompt, "Leading characters to crop"},
    {TextId::CropEndingPrompt, "Ending characters to crop"},
    {TextId::CutPositionPrompt, "Enter position to cut"},
    {TextId::NewExtensionPrompt, "Enter new extension"},
    {TextId::ErrorTitle, "Error..."},
    {TextId::DuplicatesFound, "One or more dublicate filenames found"},
    {TextId::RenameFailed, "One or more files could not be renamed"},
    {TextId::OkButton, "&Ok"},
    {TextId::CancelButton, "&Cancel"},
    {TextId::FindTitle, "Find..."},
    {TextId::ReplaceTitle, "Replace..."},
    {TextId::FindWhatLabel, "Find what:"},
    {TextId::MatchCaseCheck, "Match &case"},
    {TextId::ExactPhraseCheck, "&Exact phrase"},
    {TextId::ReplaceWithLabel, "Replace with"},
    {TextId::RepeatCheck, "&Repeat"},
    {TextId::PathFileFixedWidthHint, "multiple $s / %s for fixed-length numbers"},
    {TextId::PathFixedWidthHint, "multiple %s for fixed-length numbers"},
    {TextId::PathExample, "e.g. $ - %%"},
    {TextId::PathLegend, "$ for filename, % for file number"},
    {TextId::PathStartHint, "to start with number 5, type 5|$ - %%"},
    {TextId::PathFileExample, "e.g. $$ - %%"},
    {TextId::PathFileLegend, "$ for path number, % for file number"},
    {TextId::PathFileFolderStartHint, "to start with path number 4, type 4|$$ - %%"},
    {TextId::PathFileFileStartHint, "to start with file number 5, type ,5|$$ - %%"},
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
    return QString::fromUtf8(it->text);
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
