#include "platform/heapreserve.h"

#include <gtest/gtest.h>

#include <QString>

#include <sys/resource.h>
#include <vector>

// A load's texts come from the reserved pages: 30000 texts of 60 characters (about 4 MB)
// fault on a few pages at most instead of on about a thousand.
TEST(HeapReserve, TextsMadeAfterwardsFaultOnNoFreshPage)
{
#if defined(__SANITIZE_ADDRESS__) || !defined(__GLIBC__)
    GTEST_SKIP() << "only the GNU C library's own allocator keeps the reserve";
#else
    const auto minorFaults = [] {
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        return usage.ru_minflt;
    };
    reserveHeap(8 << 20);
    std::vector<QString> texts;
    texts.reserve(30000);
    const long before = minorFaults();
    for (int i = 0; i < 30000; ++i)
        texts.push_back(QString(60, QChar(u'Ж')));
    EXPECT_LT(minorFaults() - before, 100);
#endif
}
