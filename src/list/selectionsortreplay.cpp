#include "list/selectionsortreplay.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <string_view>
#include <utility>

namespace {

std::u16string_view units(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())};
}

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

bool SelectionSortReplay::keyLess(const QString& a, const QString& b)
{
    return units(a) < units(b);
}

std::vector<int> SelectionSortReplay::rank(const std::vector<QString>& keys)
{
    std::vector<int> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::sort(byKey.begin(), byKey.end(),
              [&](int a, int b) { return keyLess(keys[size_t(a)], keys[size_t(b)]); });
    std::vector<int> ranks(keys.size());
    int current = -1;
    for (size_t i = 0; i < byKey.size(); ++i) {
        if (i == 0 || units(keys[size_t(byKey[i - 1])]) != units(keys[size_t(byKey[i])]))
            ++current;
        ranks[size_t(byKey[i])] = current;
    }
    return ranks;
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

std::vector<int> SelectionSortReplay::order(const std::vector<QString>& keys)
{
    return orderOfRanks(rank(keys));
}
