// CaptureLoadBench: a saturated 1 Mbit/s bus of short frames captured from
// the simulated adapter through the receive timer and store, the same path as
// `vorelin-cli capture`. Prints lost_frames_21k_60s and receive_cpu_percent_21k.
// Given a number of busy loops, ordinary threads that spin for the whole
// capture as other programs do on a busy machine, it prints
// lost_frames_21k_60s_<N>hogs instead, with the receive thread's priority as
// a note. Usage: capture_load_bench [SECONDS [BUSY_LOOPS]]; to compare with
// the receive thread at an ordinary priority, VORELIN_RECEIVE_PRIORITY=normal.
#include "cli/TimedCapture.h"
#include "core/ReceiveTimer.h"
#include "core/ThreadPriority.h"
#include "driver/Backend.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

namespace {

class StderrMessages : public MessageSink {
public:
    MessageReply show(const Message& message) override {
        std::fprintf(stderr, "capture: %s\n", message.text.c_str());
        failed = true;
        return MessageReply::Ok;
    }
    bool failed = false;
};

// Threads at the priority of the process that spin until destroyed.
class BusyLoops {
public:
    explicit BusyLoops(int count) {
        for (int i = 0; i < count; ++i)
            threads_.emplace_back([this] {
                while (!stop_.load(std::memory_order_relaxed)) {
                }
            });
    }
    ~BusyLoops() {
        stop_ = true;
        for (std::thread& thread : threads_)
            thread.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

// Looks for the receive thread while the capture runs and notes its priority.
class ReceivePriorityProbe {
public:
    ReceivePriorityProbe()
        : thread_([this] {
              while (!done_.load() && !priority_) {
                  priority_ = priorityOfThreadNamed(kReceiveThreadName);
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
              }
          }) {}
    std::optional<ThreadPriority> finish() {
        done_ = true;
        thread_.join();
        return priority_;
    }

private:
    std::atomic<bool> done_{false};
    std::optional<ThreadPriority> priority_;
    std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
    constexpr uint32_t kRate = 21'000;
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const int busyLoopCount = argc > 2 ? std::atoi(argv[2]) : 0;
    auto adapter = vorelin::driver::makeBackend("sim:rate=21000,mix=short");
    if (!adapter) {
        std::fprintf(stderr, "capture: %s\n", adapter.error().text.c_str());
        return 1;
    }
    TimedCaptureOptions options;
    options.adapter = std::move(*adapter);
    options.baudRateKbps = 1000;
    options.duration = std::chrono::seconds(seconds);
    StderrMessages messages;
    std::optional<ThreadPriority> receivePriority;
    auto report = [&] {
        BusyLoops busyLoops(busyLoopCount);
        ReceivePriorityProbe probe;
        auto captured = runTimedCapture(options, messages);
        receivePriority = probe.finish();
        return captured;
    }();
    if (!report || messages.failed) {
        std::fprintf(stderr, "capture: %s\n", report ? "the capture command failed" : report.error().text.c_str());
        return 1;
    }
    const double elapsed = std::chrono::duration<double>(report->elapsed).count();
    const double framesPerSecond = double(report->framesOnBus) / elapsed;
    std::fprintf(stderr, "generated %llu stored %llu lost %llu in %.2f s (%.0f frames/s), %llu receive ticks skipped\n",
                 (unsigned long long)report->framesOnBus, (unsigned long long)report->framesStored,
                 (unsigned long long)report->framesLost, elapsed, framesPerSecond,
                 (unsigned long long)report->lateTicks);
    // The figures mean nothing unless the bus really ran at the rate and every
    // frame is accounted for.
    if (report->framesOnBus != report->framesStored + report->framesLost || framesPerSecond < kRate * 0.98) {
        std::fprintf(stderr, "capture: the bus did not carry %u frames/s, or frames went unaccounted\n", kRate);
        return 1;
    }
    if (!receivePriority) {
        std::fprintf(stderr, "capture: the receive thread '%s' was not found\n", kReceiveThreadName);
        return 1;
    }
    std::fprintf(stderr, "receive thread: %s, %d busy loops\n", receivePriority->text().c_str(), busyLoopCount);
    if (busyLoopCount > 0) {
        std::printf("lost_frames_21k_60s_%dhogs %llu frames\n", busyLoopCount, (unsigned long long)report->framesLost);
        return 0;
    }
    std::printf("lost_frames_21k_60s %llu frames\n", (unsigned long long)report->framesLost);
    std::printf("receive_cpu_percent_21k %.2f %%\n",
                100.0 * std::chrono::duration<double>(report->receiveCpuTime).count() / elapsed);
    return 0;
}
