#pragma once

#include "list/itemstore.h"

#include <QString>

#include <vector>

// The check that runs before any rename: two items must not end up with one target.
//
// Each taking-part item below the last position is compared with every later item,
// taking part or not, and pairs with the first one whose target clashes (ClashKey). The
// result is the one of that pairwise comparison, reached in linear time through a hash
// of the keys.
class DuplicateCheck {
public:
    // For every position, the first later position with an equal key, or -1.
    static std::vector<int> firstLaterEqual(const std::vector<QString>& keys);

    // Runs the check over the store without changing it. takesPart(i) says whether item i
    // is to be renamed. Answers, in increasing order, every position that is part of a
    // pair: each examined item that found a partner, and each partner. Empty when there
    // is no pair. Linear in the number of items.
    static std::vector<int> findDuplicates(const ItemStore& store,
                                           const std::vector<char>& takesPart);
    // Shows the pairs that findDuplicates answered (non-empty) as the selection: every
    // examined item is selected exactly when it is part of a pair, every partner is
    // selected, other marks stay.
    static void selectClashes(ItemStore& store, const std::vector<char>& takesPart,
                              const std::vector<int>& clashing);
    // Test and bench only (the runner calls the two steps itself): findDuplicates, then
    // selectClashes when a pair was found; true when one was. Without a pair nothing
    // changes.
    static bool markDuplicates(ItemStore& store, const std::vector<char>& takesPart);
};
