#include "core/PercentProgress.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PercentProgress, NothingToCountShowsNothing) {
    int calls = 0;
    PercentProgress empty(0, [&calls](int) { ++calls; });
    empty.before(0);
    PercentProgress single(1, [&calls](int) { ++calls; });
    single.before(0);
    EXPECT_EQ(calls, 0);
}

TEST(PercentProgress, ARangeTellsWhatItemByItemWould) {
    for (uint64_t total : {1u, 7u, 100u, 250u, 4099u, 1'000'003u}) {
        std::vector<int> byItem, byRange;
        PercentProgress one(total, [&byItem](int percent) { byItem.push_back(percent); });
        for (uint64_t i = 0; i < total; ++i)
            one.before(i);
        PercentProgress chunked(total, [&byRange](int percent) { byRange.push_back(percent); });
        for (uint64_t from = 0; from < total; from += 4096)
            chunked.beforeRange(from, std::min<uint64_t>(from + 4096, total));
        EXPECT_EQ(byRange, byItem) << total << " items";
    }
}
