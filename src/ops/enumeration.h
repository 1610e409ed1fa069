#pragma once

#include "ops/operationcontext.h"

#include <QString>

#include <optional>

// Codes 35 (enumerate as path) and 36 (enumerate path / filename): the formation prompt,
// the folder table and the numbering of each selected item.
class Enumeration {
public:
    // An accepted formation string, read once per call.
    struct Formation {
        int pathStart = 1; // P: first path number (code 36) or first file number (code 35)
        int fileStart = 1; // F: first file number of every folder (code 36 only)
        QString body;      // the part after '|', every run of '%' (and of '$' for 36) single
        int fileWidth = 1; // number of '%' typed
        int pathWidth = 1; // number of '$' typed (code 36)
    };

    // Shows the formation prompt until an entry is accepted; std::nullopt on Cancel or an
    // entry of spaces. Otherwise builds the folder table from the selected items and
    // returns the transform that numbers each item.
    static PreparedOperation prepare(quint8 op, OperationContext& context);

    // Reads a formation string for code 35 or 36. std::nullopt when the entry is to be
    // rejected: more than one '|', the '%' signs missing or not in one run (for 36 the same
    // for '$'), or a start value outside -32768 to 32767.
    static std::optional<Formation> parseFormation(quint8 op, const QString& entry,
                                                   bool includeZero);

    // The decimal digits of |number|, padded with '0' to minWidth; with fixedWidth the
    // width is raised to the digit count of a positive reference.
    static QString numberText(qint64 number, int minWidth, bool fixedWidth, qint64 reference);

    // The run an item belongs to: its folder's final name in lower case ("" for the root).
    static QString folderKey(const QString& itemPath);

    // Flips switch index (0 FixedWidthNumbers, 1 IncludeZero, 2 InverseEnumeration) and
    // gives its new value, which the menu shows as its check mark. Any other index
    // changes nothing and gives std::nullopt.
    static std::optional<bool> toggleSwitch(EnumSwitches& switches, int index);
};
