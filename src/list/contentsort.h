#pragma once

#include "list/itemstore.h"
#include "platform/metadatareader.h"

#include <functional>
#include <vector>

// Sorting by what the files hold: their dates, their size and their audio tags, read
// through a MetadataReader (the window's shared cache, so that each file is read once
// for sorts and templates alike).
//
// Unlike the sorts by name, these are stable: items with equal values keep their order.
// Items that lack the value (no tag, a file that cannot be read) come after all others.
// Reading can take long on a slow disk: keepGoing is asked before each file, and a false
// answer ends the sort with the list as it was.
class ContentSort {
public:
    // Sort keys, in menu order.
    enum Key {
        DateModified = 0,
        DateTaken = 1, // EXIF DateTimeOriginal, else the modification date
        Size = 2,
        AlbumTrack = 3, // album, then disc and track number
        Artist = 4,
        Title = 5,
    };
    static constexpr int KeyCount = 6;

    // Asked with the number of files read so far and the number to read.
    using KeepGoing = std::function<bool(int done, int total)>;

    ContentSort(ItemStore& store, MetadataReader& reader);

    // Sort the whole list, or the selected items over the lines they hold, in ascending
    // order of the key's value; false (and the list unchanged) when keepGoing stopped it.
    // Keys outside 0 to 5 do nothing.
    bool sortList(int key, const KeepGoing& keepGoing = {});
    bool sortSelected(int key, const KeepGoing& keepGoing = {});

    static MetadataParts partsFor(int key);

private:
    bool sortLines(const std::vector<int>& lines, int key, const KeepGoing& keepGoing);

    ItemStore& m_store;
    MetadataReader& m_reader;
};
