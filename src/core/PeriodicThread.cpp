#include "core/PeriodicThread.h"

#include <cerrno>
#include <ctime>
#include <pthread.h>

namespace {

int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void sleepUntilNs(int64_t deadline) {
    const timespec until{time_t(deadline / 1'000'000'000), long(deadline % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

int64_t cpuNsOf(clockid_t clock) {
    timespec used{};
    if (clock_gettime(clock, &used) != 0)
        return 0;
    return int64_t(used.tv_sec) * 1'000'000'000 + used.tv_nsec;
}

}  // namespace

NextDeadline nextDeadline(int64_t previousNs, int64_t nowNs, int64_t periodNs) {
    const int64_t next = previousNs + periodNs;
    if (nowNs < next)
        return {next, 0};
    // Woke or worked past the next deadline: rejoin the grid rather than
    // firing the missed ticks back to back.
    const int64_t missed = (nowNs - next) / periodNs + 1;
    return {next + missed * periodNs, uint64_t(missed)};
}

PeriodicThread::PeriodicThread(std::chrono::nanoseconds period, std::function<void()> tick,
                               std::function<void()> prepare)
    : period_(period), tick_(std::move(tick)), prepare_(std::move(prepare)) {}

PeriodicThread::~PeriodicThread() { stop(); }

void PeriodicThread::start() {
    if (thread_.joinable())
        return;
    stopRequested_.store(false);
    thread_ = std::thread([this] { run(); });
}

void PeriodicThread::stop() {
    if (!thread_.joinable())
        return;
    stopRequested_.store(true);
    thread_.join();
}

std::chrono::nanoseconds PeriodicThread::cpuTime() const {
    if (!thread_.joinable())
        return std::chrono::nanoseconds(finalCpuNs_.load());
    clockid_t clock;
    // const_cast: native_handle() is not const, but asking for the clock changes nothing.
    if (pthread_getcpuclockid(const_cast<std::thread&>(thread_).native_handle(), &clock) != 0)
        return std::chrono::nanoseconds(0);
    return std::chrono::nanoseconds(cpuNsOf(clock));
}

void PeriodicThread::run() {
    if (prepare_)
        prepare_();
    const int64_t period = period_.count();
    int64_t deadline = monotonicNs() + period;
    while (!stopRequested_.load(std::memory_order_relaxed)) {
        sleepUntilNs(deadline);
        tick_();
        ticks_.fetch_add(1, std::memory_order_relaxed);
        const NextDeadline next = nextDeadline(deadline, monotonicNs(), period);
        deadline = next.deadlineNs;
        if (next.skippedTicks)
            skipped_.fetch_add(next.skippedTicks, std::memory_order_relaxed);
    }
    finalCpuNs_.store(cpuNsOf(CLOCK_THREAD_CPUTIME_ID));
}
