// FrameRecord.h: the byte images of one CAN frame and of one captured frame.
// Both cross the driver library's C interface and fill the capture store, so
// their layouts are fixed to the byte and checked at compile time.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "the driver and file layouts are little-endian images");

// One frame as the adapter sends and receives it: 20 bytes.
struct CanFrame {
    uint32_t remote = 0;      // 1 = remote frame, 0 = data frame
    uint8_t extended = 0;     // 1 = 29-bit identifier, 0 = 11-bit
    uint8_t length = 0;       // valid data bytes, 0 to 8
    uint8_t padding[2] = {};  // neither set nor read by the adapter
    uint32_t identifier = 0;
    uint8_t data[8] = {};     // only the first `length` bytes mean anything
};

// One captured frame with the adapter's time stamp and bus load: 40 bytes.
// A record has no number of its own; its number is its store position.
struct FrameRecord {
    uint32_t busLoad = 0;  // percent, as the adapter measured it
    uint32_t timeUs = 0;   // 0..999
    uint32_t timeMs = 0;   // 0..999
    uint32_t timeSec = 0;  // 0..59
    uint32_t timeMin = 0;
    CanFrame frame;
};

static_assert(sizeof(CanFrame) == 20);
static_assert(offsetof(CanFrame, remote) == 0);
static_assert(offsetof(CanFrame, extended) == 4);
static_assert(offsetof(CanFrame, length) == 5);
static_assert(offsetof(CanFrame, identifier) == 8);
static_assert(offsetof(CanFrame, data) == 12);

static_assert(sizeof(FrameRecord) == 40);
static_assert(offsetof(FrameRecord, busLoad) == 0);
static_assert(offsetof(FrameRecord, timeUs) == 4);
static_assert(offsetof(FrameRecord, timeMs) == 8);
static_assert(offsetof(FrameRecord, timeSec) == 12);
static_assert(offsetof(FrameRecord, timeMin) == 16);
static_assert(offsetof(FrameRecord, frame) == 20);
static_assert(offsetof(FrameRecord, frame) + offsetof(CanFrame, extended) == 24);
static_assert(offsetof(FrameRecord, frame) + offsetof(CanFrame, length) == 25);
static_assert(offsetof(FrameRecord, frame) + offsetof(CanFrame, identifier) == 28);
static_assert(offsetof(FrameRecord, frame) + offsetof(CanFrame, data) == 32);

constexpr int kMaxDataBytes = 8;
