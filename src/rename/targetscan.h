#pragma once

#include "list/itemstore.h"

#include <vector>

// What the list would do to the disk if applied now, without touching it: which items'
// targets clash with another item's target (ClashKey, as in the duplicate check, taken
// over every pair and both ways) and how many proposed
// names differ from the names on disk.
class TargetScan {
public:
    struct Result {
        std::vector<char> clashing; // per item, 1 when its target clashes
        int clashes = 0;            // items whose target clashes
        int differing = 0;          // items whose proposed name is not the name on disk
    };

    static Result scan(const ItemStore& store);
};
