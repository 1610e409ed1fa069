#pragma once

#include <QString>

#include <vector>

// The list commands sort with a selection sort: for each slot p from the first on, the
// first of the smallest keys from p onwards is swapped into p, and the key that stood at
// p takes its place. That sort is not stable (keys b, b, a end as a, second b, first b),
// and users see the exact order it gives. This class computes that very order in
// O(n log n) instead of the sort's n²/2 comparisons: it ranks the keys once, then replays
// every step with a tournament tree that names the leftmost smallest remaining rank.
class SelectionSortReplay {
public:
    // Keys compare by their 16-bit code units, a prefix before any longer key.
    static bool keyLess(const QString& a, const QString& b);

    // The final arrangement: slot p ends up holding the entry that was in slot result[p].
    static std::vector<int> order(const std::vector<QString>& keys);

    // The same for keys already reduced to ranks (equal keys, equal ranks; smaller keys,
    // smaller ranks).
    static std::vector<int> orderOfRanks(std::vector<int> ranks);

    // Dense ranks of the keys: 0 for the smallest key, equal keys share a rank.
    static std::vector<int> rank(const std::vector<QString>& keys);
};
