// TransmitLog.h: what the simulated adapter itself put on the bus, with bus
// times, so tests and tools can check manual and cyclic sends. Keeps only
// the most recent frames so that a long run does not grow without bound.
#pragma once

#include "driver/DriverExport.h"
#include "driver/RingBuffer.h"
#include "driver/TransmittedFrames.h"

#include <cstddef>
#include <cstdint>

namespace vorelin::driver {

class KESH_EXPORT_CPP TransmitLog {
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
