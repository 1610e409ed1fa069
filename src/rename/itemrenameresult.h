#pragma once

#include <QByteArray>

// Why an item of a rename run was or was not renamed.
enum class RenameOutcome {
    Renamed,
    Failed,          // the file system refused or failed; the error holds its errno
    EmptyName,       // the proposed name is empty
    InvalidName,     // ".", "..", or a name holding '/' or NUL
    TooLong,         // longer than the folder's file system takes
    Duplicate,       // another item has the same target, so the run renamed nothing
    UnencodableName, // holds a lone surrogate that stands for no byte; never tried
    NotTried,        // the run was stopped (or could not keep its journal) before this item
    NotTheSameFile,  // undo: the file at the name is not the one the journal recorded
    HeldByLeftover,  // undo: an empty file, likely left by the killed run, holds a name
                     // this rename or one before it needs
};

// What one rename run did with one item. Names are on-disk bytes, complete enough to
// report the failure or to undo the rename.
struct ItemRenameResult {
    int item = -1; // position in the list when the run started
    QByteArray folder;
    QByteArray oldName;
    QByteArray newName;
    RenameOutcome outcome = RenameOutcome::Renamed;
    int error = 0;          // the file system's errno; 0 when renamed or never tried
    QByteArray holder = {}; // HeldByLeftover: the name of the empty file

    bool renamed() const { return outcome == RenameOutcome::Renamed; }
};
