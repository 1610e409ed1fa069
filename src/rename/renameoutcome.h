#pragma once

#include <QByteArray>

// What became of one rename asked of the disk: folder/from was to become folder/to.
// All three are on-disk bytes. error is 0 on success, else the errno of the failure or
// of the refusal.
struct RenameOutcome {
    QByteArray folder;
    QByteArray from;
    QByteArray to;
    int error = 0;
    bool ok() const { return error == 0; }
};
