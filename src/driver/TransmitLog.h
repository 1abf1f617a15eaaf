// TransmitLog.h: what the simulated adapter itself put on the bus, with bus
// times, so tests and tools can check manual and cyclic sends. Keeps only
// the most recent frames so that a long run does not grow without bound.
#pragma once

#include "base/FrameRecord.h"
#include "driver/RingBuffer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorelin::driver {

enum class TransmitOrigin : uint8_t { single, cyclic };

struct TransmittedFrame {
    CanFrame frame;
    uint64_t busTimeUs = 0;  // when it finished on the bus, since RunKESH
    TransmitOrigin origin = TransmitOrigin::single;
};

struct TransmittedFrames {
    std::vector<TransmittedFrame> recent;  // oldest first
    uint64_t total = 0;                    // including those no longer kept
};

class TransmitLog {
public:
    static constexpr std::size_t kCapacity = 65536;

    TransmitLog() : recent_(kCapacity) {}

    void record(const TransmittedFrame& frame);
    TransmittedFrames snapshot() const;

private:
    RingBuffer<TransmittedFrame> recent_;
    uint64_t total_ = 0;
};

}  // namespace vorelin::driver
