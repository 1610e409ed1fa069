#include "platform/heapreserve.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#include <unistd.h>
#endif

void reserveHeap(std::size_t bytes)
{
#ifdef __GLIBC__
    // Freed memory at the top of the heap is given back only beyond this much. Setting
    // it ends glibc's own raising of the size from which blocks are mapped one by one,
    // so that size is set as well.
    if (::mallopt(M_TRIM_THRESHOLD, int(std::min<std::size_t>(2 * bytes, INT_MAX))) != 1)
        return;
    ::mallopt(M_MMAP_THRESHOLD, 4 << 20);
    // Pieces below the size that malloc maps on its own, so that they come from the heap.
    constexpr std::size_t Piece = std::size_t{32} * 1024;
    const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
    std::vector<void*> pieces;
    pieces.reserve(bytes / Piece + 1);
    for (std::size_t done = 0; done < bytes; done += Piece) {
        auto* piece = static_cast<volatile char*>(std::malloc(Piece));
        if (!piece)
            break;
        for (std::size_t at = 0; at < Piece; at += page)
            piece[at] = 0;
        pieces.push_back(const_cast<char*>(piece));
    }
    for (void* piece : pieces)
        std::free(piece);
#else
    (void)bytes;
#endif
}
