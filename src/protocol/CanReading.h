// CanReading.h: a frame read as plain CAN. Only the frame format is derived;
// everything else the outputs show comes straight from the record.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>

enum class FrameFormat : uint8_t {
    Standard,
    Extended,
};

struct CanReading {
    FrameFormat frameFormat = FrameFormat::Standard;

    bool operator==(const CanReading&) const = default;
};

// `Extended` exactly when the extended byte is 1; any other value, which only
// a damaged capture holds, reads as `Standard`.
CanReading readCan(const FrameRecord& record);
