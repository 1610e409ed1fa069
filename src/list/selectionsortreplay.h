#pragma once

#include <QStringView>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Sort keys of one command, packed into one buffer. A key is a list of fields joined by
// the character of code 0; keys compare by their 16-bit code units, a key that is a
// prefix of another first. Each unit is stored high byte first, so that a plain byte
// comparison gives exactly that order.
class SortKeyList {
public:
    void reserve(int keys, int unitsPerKey);
    void add(std::initializer_list<QStringView> fields);
    int size() const { return int(m_offsets.size()) - 1; }

    // Dense ranks: 0 for the smallest key, equal keys share a rank.
    std::vector<int> ranks() const;

private:
    std::basic_string<unsigned char> m_bytes;
    std::vector<uint32_t> m_offsets{0};
};

// The list commands sort with a selection sort: for each slot p from the first on, the
// first of the smallest keys from p onwards is swapped into p, and the key that stood at
// p takes its place. That sort is not stable (keys b, b, a end as a, second b, first b),
// and users see the exact order it gives. This computes that very order in O(n log n)
// instead of the sort's n²/2 comparisons: the keys are ranked once, then every step is
// replayed with a tournament tree that names the leftmost smallest remaining rank.
class SelectionSortReplay {
public:
    // The final arrangement: slot p ends up holding the entry that was in slot result[p].
    static std::vector<int> order(const SortKeyList& keys);

    // The same for keys already reduced to ranks (equal keys, equal ranks; smaller keys,
    // smaller ranks).
    static std::vector<int> orderOfRanks(std::vector<int> ranks);
};
