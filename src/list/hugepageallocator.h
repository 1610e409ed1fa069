#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

// An allocator for one large array that is filled soon after it is made: blocks of 2 MiB
// and more are aligned to 2 MiB and offered to the kernel for huge pages, so that filling
// them costs a few page faults instead of one per 4 KiB. Where the system gives no huge
// pages the block behaves as any other. Smaller blocks come from the usual heap.
template <typename T> class HugePageAllocator {
public:
    using value_type = T;

    HugePageAllocator() = default;

    T* allocate(std::size_t n)
    {
        const std::size_t bytes = n * sizeof(T);
#ifdef __linux__
        if (bytes >= HugePage) {
            const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
            void* block = std::aligned_alloc(HugePage, rounded);
            if (!block)
                throw std::bad_alloc();
            ::madvise(block, rounded, MADV_HUGEPAGE);
            return static_cast<T*>(block);
        }
#endif
        return static_cast<T*>(::operator new(bytes));
    }

    void deallocate(T* block, std::size_t n)
    {
#ifdef __linux__
        if (n * sizeof(T) >= HugePage) {
            std::free(block);
            return;
        }
#endif
        ::operator delete(block);
    }

    template <typename U> bool operator==(const HugePageAllocator<U>&) const
    {
        return true;
    }

private:
    // Only Linux offers huge pages through madvise; elsewhere every block is a plain one.
    static constexpr std::size_t HugePage = std::size_t(2) << 20;
};
