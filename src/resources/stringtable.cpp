#include "resources/stringtable.h"

#include <QtGlobal>

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    int id;
    const char* text;
};

// Sorted by number.
constexpr Entry kStrings[] = {
    {100, "Filevane"},
    {101, "Filevane Version $"},
    {102, "Filevane Version $ [beta %]"},
    {103, "Renames many files at once, safely and in one run."},
    {104, "Free software: use, copy and change it as you like."},
    {105, "It comes without any warranty."},
    {109, "About..."},
    {300, "Add..."},
    {301, "Crop..."},
    {302, "Cut..."},
    {303, "Edit..."},
    {305, "Enumerate..."},
    {308, "Cut mp3 extra information"},
    {312, "Formation string for enumerated path / filename"},
    {320, "Expression to add at beginning"},
    {321, "Expression to add at end"},
    {340, "Leading characters to cut"},
    {341, "Ending characters to cut"},
    {342, "Leading characters to crop"},
    {343, "Ending characters to crop"},
    {350, "Enter position to cut"},
    {360, "Enter new extension"},
    {400, "Error..."},
    {401, "One or more dublicate filenames found"},
    {402, "One or more files could not be renamed"},
    {500, "&Ok"},
    {501, "&Cancel"},
    {510, "Find..."},
    {511, "Replace..."},
    {512, "Find what:"},
    {513, "Match &case"},
    {514, "&Exact phrase"},
    {515, "Replace with"},
    {516, "&Repeat"},
    {608, "multiple $s / %s for fixed-length numbers"},
    {609, "multiple %s for fixed-length numbers"},
    {630, "e.g. $ - %%"},
    {631, "$ for filename, % for file number"},
    {632, "to start with number 5, type 5|$ - %%"},
    {640, "e.g. $$ - %%"},
    {641, "$ for path number, % for file number"},
    {642, "to start with path number 4, type 4|$$ - %%"},
    {643, "to start with file number 5, type ,5|$$ - %%"},
};

} // namespace

QString LoadResString(int id)
{
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const Entry& e, int wanted) { return e.id < wanted; });
    if (it == std::end(kStrings) || it->id != id) {
        Q_ASSERT_X(false, "LoadResString", "unknown string number");
        return {};
    }
    return QString::fromUtf8(it->text);
}

QString joinLines(std::initializer_list<int> ids)
{
    QString text;
    for (int id : ids) {
        if (!text.isEmpty())
            text += QChar(13);
        text += LoadResString(id);
    }
    return text;
}
