// How many frames a capture lost, and how the message pane says it.
#include "app/FramesLostCount.h"
#include "app/StatusPanes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

TEST(StatusPanes, MessagePaneSaysReadyOrTheFramesLostGroupedByThousands) {
    const struct {
        uint64_t framesLost;
        const char* text;
    } rows[] = {
        {0, "Ready"},
        {1, "1 frame lost"},
        {2, "2 frames lost"},
        {999, "999 frames lost"},
        {1000, "1,000 frames lost"},
        {1658, "1,658 frames lost"},
        {219909, "219,909 frames lost"},
        {1000000, "1,000,000 frames lost"},
        {UINT64_MAX, "18,446,744,073,709,551,615 frames lost"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(messagePaneText(row.framesLost), row.text) << row.framesLost;
}

TEST(FramesLostCount, CountsTheAdapterDropsOnlyWhileCapturing) {
    FramesLostCount count;
    const struct {
        const char* step;
        std::function<void()> act;
        uint64_t framesLost;
    } steps[] = {
        {"New with 100 dropped before", [&] { count.reset(100); }, 0},
        {"a tick with 30 more", [&] { count.observe(130); }, 30},
        {"a tick with none more", [&] { count.observe(130); }, 30},
        {"Stop with 10 more", [&] { count.observe(140); }, 40},
        {"Capture after 760 dropped while stopped", [&] { count.resume(900); }, 40},
        {"a tick with 5 more", [&] { count.observe(905); }, 45},
        {"the adapter started again and dropped 12", [&] { count.observe(12); }, 57},
        {"Clear All", [&] { count.reset(20); }, 0},
        {"a tick with none more", [&] { count.observe(20); }, 0},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(count.framesLost(), step.framesLost) << step.step;
    }
}
