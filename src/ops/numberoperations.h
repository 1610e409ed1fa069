#pragma once

#include "ops/enumeration.h"

#include <QString>

#include <optional>

// The number commands of the "More" menu: Add Numbers, Reformat numbers, Crop numbers,
// Cut numbers and Enumerated filename. A number in a name is a run of ASCII digits; other
// digits (Arabic-Indic, full width, ...) are text to these commands.
class NumberOperations {
public:
    // An accepted Add Numbers formation: the code 35 syntax, one counter over every
    // selected item, with an optional step written after the start number ("5+2|$ %").
    struct Counter {
        Enumeration::Formation formation; // pathStart is the first number
        int step = 1;
    };

    // Reads an Add Numbers entry. std::nullopt when code 35 would reject it, or when the
    // step is not a whole number from 1 to 32767.
    static std::optional<Counter> parseCounter(const QString& entry, bool includeZero);
    // The number of the selected item at rank (0 = top-most selected) of count: the start,
    // then one step further per item; with inverse the bottom-most item gets the start.
    static qint64 counterNumber(const Counter& counter, int rank, int count, bool inverse);
    // The new name: the body with '$' replaced by the folder key, then '%' by the number.
    // A negative number keeps its sign. With fixedWidth every number of the run is as wide
    // as the widest one (reference: the run's first and last number).
    static QString counterName(const Counter& counter, qint64 number, const QString& folderKey,
                               bool fixedWidth, qint64 first, qint64 last);

    // The width answer of Reformat numbers: a whole number from 1 to 255 (no file name can
    // be longer), else std::nullopt.
    static std::optional<int> readWidth(const QString& answer);
    // Every digit run shorter than width gets leading zeros up to width.
    static QString reformatNumbers(const QString& s, int width);
    // The digit runs only, joined by one space; a name without digits stays as it is.
    static QString cropNumbers(const QString& s);
    // The name without its digit runs; runs of spaces become one, and spaces, '-', '_' and
    // '.' go from both ends. A name of digits only gives "", which the common finish
    // refuses.
    static QString cutNumbers(const QString& s);
    // The name of the selected item at rank (0 = top-most) of count for Enumerated
    // filename: 1, 2, ... (0, 1, ... with includeZero), counted from the bottom with
    // inverse, padded to the digit count of count when fixedWidth is on.
    static QString enumeratedName(int rank, int count, const EnumSwitches& switches);
};
