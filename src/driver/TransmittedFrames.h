// TransmittedFrames.h: the frames an adapter itself put on the bus, with
// their bus times, as a backend that can tell reports them.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>
#include <vector>

namespace vorelin::driver {

enum class TransmitOrigin : uint8_t { single, cyclic };

struct TransmittedFrame {
    CanFrame frame;
    // When it finished on the bus, since the last RunKESH (before the first,
    // since the adapter was made).
    uint64_t busTimeUs = 0;
    TransmitOrigin origin = TransmitOrigin::single;
};

struct TransmittedFrames {
    std::vector<TransmittedFrame> recent;  // oldest first
    uint64_t total = 0;                    // including those no longer kept
};

}  // namespace vorelin::driver
