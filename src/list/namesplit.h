#pragma once

#include "list/item.h"

#include <QString>
#include <QStringView>

class ExtensionTexts;

// How a file name becomes the four texts of an item: the name splits at its last dot.
//   "archive.tar.gz" -> "archive.tar" + ".gz"
//   "name."          -> "name." (no extension)
//   ".profile"       -> "" + ".profile"
//   "name. txt"      -> OrigExt ". txt", NewExt ".txt"
// The proposed name and extension lose leading and trailing spaces; the names on disk
// keep them.
class NameSplit {
public:
    // The text after the last dot of a name ("" when there is no dot or it ends in one).
    static QString extensionOf(const QString& name);
    // Fills OrigName, OrigExt, NewName and NewExt of item from a file name. With shared
    // given, the extension texts come from it.
    static void fill(Item& item, QStringView name, ExtensionTexts* shared = nullptr);
};
