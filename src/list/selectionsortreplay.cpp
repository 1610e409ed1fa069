#include "list/selectionsortreplay.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <numeric>
#include <utility>

namespace {

// A tournament tree over the slots: every node holds the slot of the smallest rank below
// it, the leftmost one among equals. Finished slots hold INT_MAX and so never win while
// an unfinished slot is left.
class LeftmostMinTree {
public:
    explicit LeftmostMinTree(const std::vector<int>& values) : m_values(values)
    {
        m_leaves = 1;
        while (m_leaves < int(values.size()))
            m_leaves *= 2;
        m_values.resize(size_t(m_leaves), INT_MAX);
        m_nodes.assign(size_t(2 * m_leaves), 0);
        for (int i = 0; i < m_leaves; ++i)
            m_nodes[size_t(m_leaves + i)] = i;
        for (int node = m_leaves - 1; node >= 1; --node)
            m_nodes[size_t(node)] =
                better(m_nodes[size_t(2 * node)], m_nodes[size_t(2 * node + 1)]);
    }

    int leftmostMin() const { return m_nodes[1]; }

    void set(int slot, int value)
    {
        m_values[size_t(slot)] = value;
        for (int node = (m_leaves + slot) / 2; node >= 1; node /= 2)
            m_nodes[size_t(node)] =
                better(m_nodes[size_t(2 * node)], m_nodes[size_t(2 * node + 1)]);
    }

private:
    // left always lies before right, so a tie keeps left.
    int better(int left, int right) const
    {
        return m_values[size_t(right)] < m_values[size_t(left)] ? right : left;
    }

    std::vector<int> m_values;
    std::vector<int> m_nodes;
    int m_leaves = 1;
};

} // namespace

void SortKeyList::reserve(int keys, int unitsPerKey)
{
    m_offsets.reserve(size_t(keys) + 1);
    m_bytes.reserve(size_t(keys) * size_t(unitsPerKey) * 2);
}

void SortKeyList::add(std::initializer_list<QStringView> fields)
{
    size_t units = fields.size() > 0 ? fields.size() - 1 : 0; // the joining characters
    for (QStringView field : fields)
        units += size_t(field.size());
    size_t at = m_bytes.size();
    m_bytes.resize(at + 2 * units);
    unsigned char* out = m_bytes.data();
    bool first = true;
    for (QStringView field : fields) {
        if (!first) {
            out[at++] = 0;
            out[at++] = 0;
        }
        first = false;
        for (QChar c : field) {
            out[at++] = static_cast<unsigned char>(c.unicode() >> 8);
            out[at++] = static_cast<unsigned char>(c.unicode() & 0xFF);
        }
    }
    m_offsets.push_back(uint32_t(m_bytes.size()));
}

std::vector<int> SortKeyList::ranks() const
{
    struct Entry {
        const unsigned char* bytes;
        uint32_t length;
        int slot;
    };
    std::vector<Entry> entries;
    entries.reserve(size_t(size()));
    for (int i = 0; i < size(); ++i) {
        entries.push_back({m_bytes.data() + m_offsets[size_t(i)],
                           m_offsets[size_t(i) + 1] - m_offsets[size_t(i)], i});
    }
    const auto compare = [](const Entry& a, const Entry& b) {
        const int c = std::memcmp(a.bytes, b.bytes, std::min(a.length, b.length));
        if (c != 0)
            return c;
        return a.length < b.length ? -1 : (a.length > b.length ? 1 : 0);
    };
    std::sort(entries.begin(), entries.end(),
              [&](const Entry& a, const Entry& b) { return compare(a, b) < 0; });
    std::vector<int> result(entries.size());
    int rank = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i == 0 || compare(entries[i - 1], entries[i]) != 0)
            ++rank;
        result[size_t(entries[i].slot)] = rank;
    }
    return result;
}

std::vector<int> SelectionSortReplay::orderOfRanks(std::vector<int> ranks)
{
    const int n = int(ranks.size());
    std::vector<int> order(ranks.size());
    std::iota(order.begin(), order.end(), 0);
    if (n < 2)
        return order;
    LeftmostMinTree tree(ranks);
    for (int p = 0; p < n - 1; ++p) {
        const int q = tree.leftmostMin();
        if (q != p) {
            std::swap(ranks[size_t(p)], ranks[size_t(q)]);
            std::swap(order[size_t(p)], order[size_t(q)]);
            tree.set(q, ranks[size_t(q)]);
        }
        tree.set(p, INT_MAX);
    }
    return order;
}

std::vector<int> SelectionSortReplay::order(const SortKeyList& keys)
{
    return orderOfRanks(keys.ranks());
}
