#pragma once

#include <QString>

// One piece of a parsed name template: a literal text or one token with its arguments.
struct TemplateToken {
    enum class Kind {
        Text,          // text: the literal
        NewName,       // [N], [Na-b]: characters from..to of the proposed name
        OrigName,      // [O]: the name on disk
        Extension,     // [E]: the proposed extension without its dot
        Folder,        // [F], [Fn]: the name of the folder level steps up
        Counter,       // [C], [C:start,step,width]: over all generated items
        FolderCounter, // [CF], [CF:start,step,width]: restarting in each folder
        ModifiedDate,  // [D], [D:format]: the modification time
        TakenDate,     // [X], [X:format]: EXIF DateTimeOriginal, else the modification time
        Artist,
        Title,
        Album,
        Track, // [track], [track:width]
        Year,
        Genre,
    };

    Kind kind = Kind::Text;
    QString text;     // Text: the literal; dates: the QDateTime format
    int from = 1;     // NewName: first character, counted from 1
    int to = 0;       // NewName: last character, 0 for the end of the name
    int level = 1;    // Folder: 1 is the item's own folder, 2 its parent, ...
    qint64 start = 1; // counters
    qint64 step = 1;  // counters
    int width = 1;    // counters and Track: digits, padded with zeros

    bool operator==(const TemplateToken&) const = default;
};
