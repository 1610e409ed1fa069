#pragma once

#include <QByteArray>
#include <QString>

// One file of the list. The five texts are what the user sees and edits; the two byte
// strings are the file's identity on disk, kept exactly as the file system gave them so
// that a name which is not valid UTF-8 still reaches the very same file.
struct Item {
    QString ItemPath; // folder without trailing separator; empty for the root folder
    QString OrigName; // name on disk without extension, spaces kept
    QString OrigExt;  // extension on disk with its dot, or empty
    QString NewName;  // proposed name without extension
    QString NewExt;   // proposed extension with its dot, or empty

    QByteArray diskFolder; // on-disk bytes of ItemPath ("" for the root folder)
    QByteArray diskName;   // on-disk bytes of OrigName & OrigExt

    // The text of the item's list line.
    QString line() const { return NewName + NewExt; }
    // The file's on-disk path, as the file system and the metadata reader take it.
    QByteArray diskPath() const { return diskFolder + '/' + diskName; }
};
