// TimedCapture.h: captures from the adapter for a fixed time through the
// program's own receive timer and store, and accounts for every frame the
// adapter saw: stored, or lost in the adapter or the store.
#pragma once

#include "base/Result.h"
#include "core/MessageSink.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

namespace vorelin::driver {
class Backend;
}

struct TimedCaptureOptions {
    std::shared_ptr<vorelin::driver::Backend> adapter;  // installed behind the driver calls
    std::optional<uint32_t> baudRateKbps;  // none: see setUpAdapter
    std::chrono::milliseconds duration{1000};
};

struct TimedCaptureReport {
    uint64_t framesOnBus = 0;  // what other nodes put on the bus while capturing
    uint64_t framesStored = 0;
    uint64_t framesLost = 0;   // dropped by the adapter's FIFO, refused by the store or never handed over
    uint64_t failedReceiveCalls = 0;  // RecvData calls that failed; frames then stay in the adapter
    std::chrono::nanoseconds receiveCpuTime{0};  // the receive timer thread's
    uint64_t lateTicks = 0;  // receive ticks skipped because the thread woke too late
    std::chrono::nanoseconds elapsed{0};
};

// Fails when no adapter answers or it refuses the baud rate. Messages of the capture command itself go to `messages`.
Result<TimedCaptureReport> runTimedCapture(const TimedCaptureOptions& options, MessageSink& messages);
