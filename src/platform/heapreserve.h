#pragma once

#include <cstddef>

// Grows the heap once by about bytes, touching each page, and lets the process keep that
// memory once it is freed. A large load that follows then takes its thousands of small
// texts from pages already in place instead of faulting on each fresh one: a fault is
// cheap on bare metal but costs 10 to 20 µs in a virtual machine. Only the GNU C library
// is asked to keep the memory; elsewhere this does nothing. Blocks up to 4 MiB (the
// tables of a check over a full list, a journal read back) then come from the heap too,
// as glibc lets them by itself once it has seen such a block freed.
void reserveHeap(std::size_t bytes);
