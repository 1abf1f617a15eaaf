// CanWire.h: a classic CAN frame as it travels on the wire: which frames can
// go on it at all, what of a frame the wire carries, and how many bit times
// the frame occupies with its stuff bits, which sets bus timing and load.
#pragma once

#include "base/FrameRecord.h"
#include "driver/Backend.h"

#include <cstdint>

namespace vorelin::driver {

constexpr uint32_t kMaxStandardIdentifier = 0x7FF;
constexpr uint32_t kMaxExtendedIdentifier = 0x1FFFFFFF;

// A frame together with its length on the wire.
struct BusFrame {
    CanFrame frame;
    uint32_t wireBits = 0;
};

// Flags 0 or 1, at most 8 data bytes and an identifier that fits its format.
KESH_EXPORT_CPP bool isTransmittable(const CanFrame& frame);

// The frame with everything the wire does not carry zeroed: the padding, the
// bytes past its length and all data of a remote frame.
KESH_EXPORT_CPP CanFrame wireImage(const CanFrame& frame);

// Bit times from start of frame through the intermission that follows it.
KESH_EXPORT_CPP uint32_t wireLengthBits(const CanFrame& frame);

}  // namespace vorelin::driver
