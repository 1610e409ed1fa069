#pragma once

#include "ops/opcode.h"
#include "ops/operationcontext.h"

#include <QString>

#include <optional>

// Enumerate as path and enumerate path / filename: reading the formation, the folder
// table and the numbering of each selected item.
class Enumeration {
public:
    // An accepted formation string, read once per call.
    struct Formation {
        int pathStart = 1; // P: first path number (path / filename) or first file number (as path)
        int fileStart = 1; // F: first file number of every folder (path / filename only)
        QString
            body; // the part after '|', every run of '%' (and of '$' for path / filename) single
        int fileWidth = 1; // number of '%' typed
        int pathWidth = 1; // number of '$' typed (path / filename)
    };

    // Builds the folder table from the selected items of store and returns the transform
    // that numbers each item with an accepted formation.
    static ItemTransform numbering(OpCode op, const Formation& formation, const ItemStore& store,
                                   const EnumSwitches& switches);

    // Reads a formation string for op. std::nullopt when the entry is to be rejected: more
    // than one '|', the '%' signs missing or not in one run (for path / filename the same
    // for '$'), or a start value outside -32768 to 32767.
    static std::optional<Formation> parseFormation(OpCode op, const QString& entry,
                                                   bool includeZero);

    // The decimal digits of |number|, padded with '0' to minWidth; with fixedWidth the
    // width is raised to the digit count of a positive reference.
    static QString numberText(qint64 number, int minWidth, bool fixedWidth, qint64 reference);

    // The run an item belongs to: its folder's final name in lower case ("" for the root).
    static QString folderKey(const QString& itemPath);

    // Flips one switch and gives its new value, which the menu shows as its check mark. A
    // value outside the enum changes nothing and gives std::nullopt.
    static std::optional<bool> toggleSwitch(EnumSwitches& switches, EnumSwitch which);
};
