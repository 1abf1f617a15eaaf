#include "core/PeriodicThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

TEST(PeriodicThread, DeadlinesStayOnTheGridWhateverTheWakeUp) {
    struct Row {
        const char* name;
        int64_t now;
        int64_t expectedDeadline;
        uint64_t expectedSkipped;
    };
    // Previous deadline 10'000 ns, period 1'000 ns.
    const Row rows[] = {
        {"woke_early", 9'000, 11'000, 0},
        {"woke_late_within_period", 10'900, 11'000, 0},
        {"reached_next_deadline", 11'000, 12'000, 1},
        {"three_and_a_half_periods_late", 13'500, 14'000, 3},
    };
    for (const Row& row : rows) {
        const NextDeadline next = nextDeadline(10'000, row.now, 1'000);
        EXPECT_EQ(next.deadlineNs, row.expectedDeadline) << row.name;
        EXPECT_EQ(next.skippedTicks, row.expectedSkipped) << row.name;
    }
}

TEST(PeriodicThread, StopReturnsAfterTheRunningTickAndStartIsIdempotent) {
    std::atomic<int> inTick{0}, ticks{0};
    std::atomic<bool> overlapped{false};
    PeriodicThread thread(std::chrono::milliseconds(1), [&] {
        if (inTick.fetch_add(1) != 0)
            overlapped = true;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        ++ticks;
        inTick.fetch_sub(1);
    });
    thread.start();
    thread.start();
    while (ticks < 5)
        std::this_thread::yield();
    thread.stop();
    const int afterStop = ticks;
    EXPECT_EQ(inTick, 0);
    EXPECT_FALSE(overlapped);
    EXPECT_FALSE(thread.isRunning());
    EXPECT_EQ(uint64_t(afterStop), thread.tickCount());
    EXPECT_GT(thread.cpuTime().count(), 0);
}

TEST(PeriodicThread, PrepareRunsOnItsThreadOncePerStartBeforeTheFirstTick) {
    std::atomic<int> prepared{0};
    std::atomic<uint64_t> ticksWhenPrepared{0};
    std::thread::id preparedOn, tickedOn;
    PeriodicThread* self = nullptr;
    PeriodicThread thread(
        std::chrono::milliseconds(1), [&] { tickedOn = std::this_thread::get_id(); },
        [&] {
            ticksWhenPrepared = self->tickCount();
            preparedOn = std::this_thread::get_id();
            ++prepared;
        });
    self = &thread;
    for (int start = 1; start <= 2; ++start) {
        const uint64_t before = thread.tickCount();
        thread.start();
        while (thread.tickCount() < before + 3)
            std::this_thread::yield();
        thread.stop();
        EXPECT_EQ(prepared, start);
        EXPECT_EQ(ticksWhenPrepared, before) << "start " << start;
    }
    EXPECT_EQ(preparedOn, tickedOn);
    EXPECT_NE(preparedOn, std::this_thread::get_id());
}
