// PeriodicThread.h: runs a function on a thread of its own at fixed absolute
// deadlines, so late wake-ups never add up to drift. A tick that wakes more
// than a period late is not repeated: the next one keeps to the grid.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

struct NextDeadline {
    int64_t deadlineNs;
    uint64_t skippedTicks;
};

// The deadline after `previousNs` on the grid previousNs + k * periodNs that
// still lies ahead of `nowNs`, and how many grid points were passed over.
NextDeadline nextDeadline(int64_t previousNs, int64_t nowNs, int64_t periodNs);

// Threads: start, stop and cpuTime from one owning thread. `prepare` runs on
// the periodic thread once per start, before its first tick. The tick counts
// may be read from any thread while it runs.
class PeriodicThread {
public:
    PeriodicThread(std::chrono::nanoseconds period, std::function<void()> tick, std::function<void()> prepare = {});
    ~PeriodicThread();  // stops and joins
    PeriodicThread(const PeriodicThread&) = delete;
    PeriodicThread& operator=(const PeriodicThread&) = delete;

    // Starts the thread; does nothing when it already runs.
    void start();
    // Returns once the current tick, if any, has finished and the thread ended.
    void stop();
    bool isRunning() const { return thread_.joinable(); }

    // Ticks run so far, and those skipped because the thread woke too late.
    uint64_t tickCount() const { return ticks_.load(std::memory_order_relaxed); }
    uint64_t skippedTickCount() const { return skipped_.load(std::memory_order_relaxed); }
    // CPU time the thread has used; zero before start.
    std::chrono::nanoseconds cpuTime() const;

private:
    void run();

    const std::chrono::nanoseconds period_;
    const std::function<void()> tick_;
    const std::function<void()> prepare_;
    std::thread thread_;
    std::atomic<bool> stopRequested_{false};
    std::atomic<uint64_t> ticks_{0};
    std::atomic<uint64_t> skipped_{0};
    std::atomic<int64_t> finalCpuNs_{0};
};
