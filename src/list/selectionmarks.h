#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// One selection bit per list line, with the number of set bits kept up to date so that
// "how many lines are selected" is answered without a scan.
class SelectionMarks {
public:
    int size() const { return m_size; }
    int count() const { return m_count; }

    bool isSet(int line) const { return (m_words[line >> 6] >> (line & 63)) & 1u; }
    void set(int line, bool on);
    void setAll(bool on);
    void invert();
    void swap(int a, int b);

    void resize(int size); // new lines start unmarked
    void clear() { resize(0); }

    // Keeps the marks of the lines for which keep(line) is true, in order.
    void compact(const std::function<bool(int)>& keep);

private:
    void clearTail();

    std::vector<uint64_t> m_words;
    int m_size = 0;
    int m_count = 0;
};
