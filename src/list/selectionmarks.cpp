#include "list/selectionmarks.h"

#include <bit>

void SelectionMarks::set(int line, bool on)
{
    uint64_t& word = m_words[line >> 6];
    const uint64_t bit = uint64_t(1) << (line & 63);
    if (bool(word & bit) == on)
        return;
    word ^= bit;
    m_count += on ? 1 : -1;
}

void SelectionMarks::setAll(bool on)
{
    for (uint64_t& word : m_words)
        word = on ? ~uint64_t(0) : 0;
    clearTail();
    m_count = on ? m_size : 0;
}

void SelectionMarks::invert()
{
    for (uint64_t& word : m_words)
        word = ~word;
    clearTail();
    m_count = m_size - m_count;
}

void SelectionMarks::swap(int a, int b)
{
    const bool markA = isSet(a);
    const bool markB = isSet(b);
    if (markA != markB) {
        set(a, markB);
        set(b, markA);
    }
}

void SelectionMarks::resize(int size)
{
    const int oldSize = m_size;
    m_size = size;
    m_words.resize((size_t(size) + 63) / 64, 0);
    if (size < oldSize) {
        clearTail();
        m_count = 0;
        for (uint64_t word : m_words)
            m_count += std::popcount(word);
    } else {
        // Bits above the old size are always kept clear, so new lines start unmarked.
    }
}

void SelectionMarks::compact(const std::function<bool(int)>& keep)
{
    int write = 0;
    for (int line = 0; line < m_size; ++line) {
        if (!keep(line))
            continue;
        const bool on = isSet(line);
        if (write != line) {
            uint64_t& word = m_words[write >> 6];
            const uint64_t bit = uint64_t(1) << (write & 63);
            word = on ? (word | bit) : (word & ~bit);
        }
        ++write;
    }
    resize(write);
}

void SelectionMarks::clearTail()
{
    if (m_words.empty())
        return;
    const int used = m_size & 63;
    if (used != 0)
        m_words.back() &= (uint64_t(1) << used) - 1;
}
