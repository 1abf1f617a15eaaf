#include "core/PercentProgress.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PercentProgress, TwoHundredFiftyItemsShowOneToNinetyNineOnceEach) {
    std::vector<int> shown;
    PercentProgress progress(250, [&shown](int percent) { shown.push_back(percent); });
    for (uint64_t i = 0; i < 250; ++i)
        progress.before(i);
    std::vector<int> expected;
    for (int percent = 1; percent <= 99; ++percent)
        expected.push_back(percent);
    EXPECT_EQ(shown, expected) << "0 is never shown and 100 never reached";
}

TEST(PercentProgress, NothingToCountShowsNothing) {
    int calls = 0;
    PercentProgress empty(0, [&calls](int) { ++calls; });
    empty.before(0);
    PercentProgress single(1, [&calls](int) { ++calls; });
    single.before(0);
    EXPECT_EQ(calls, 0);
}
