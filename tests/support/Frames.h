// Frames.h: small builders for the records tests feed through the capture,
// and the one comparison of frames and records: byte for byte, as the
// adapter, the store and the files hold them, printed field by field when
// a test fails.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <ostream>
#include <type_traits>

inline CanFrame dataFrame(uint32_t identifier, std::initializer_list<uint8_t> data = {}, uint8_t extended = 0) {
    CanFrame frame;
    frame.extended = extended;
    frame.identifier = identifier;
    frame.length = uint8_t(data.size());
    std::copy(data.begin(), data.end(), frame.data);
    return frame;
}

inline CanFrame remoteFrame(uint32_t identifier, uint8_t length = 0, uint8_t extended = 0) {
    CanFrame frame;
    frame.remote = 1;
    frame.extended = extended;
    frame.identifier = identifier;
    frame.length = length;
    return frame;
}

inline FrameRecord recordOf(const CanFrame& frame, uint32_t busLoad = 0) {
    FrameRecord record;
    record.busLoad = busLoad;
    record.frame = frame;
    return record;
}

// A record of a standard data frame with the given identifier and data bytes.
inline FrameRecord frameRecord(uint32_t identifier, std::initializer_list<uint8_t> data = {}, uint32_t busLoad = 0) {
    return recordOf(dataFrame(identifier, data), busLoad);
}

// A record stamped 1 min 2 s 3 ms 4 us, as the list and export tests show it.
inline FrameRecord stampedRecord(const CanFrame& frame, uint32_t busLoad) {
    FrameRecord record = recordOf(frame, busLoad);
    record.timeMin = 1;
    record.timeSec = 2;
    record.timeMs = 3;
    record.timeUs = 4;
    return record;
}

// A record whose every field carries `tag`, so a torn or misplaced copy shows
// when it is compared with taggedRecord(tag) again.
inline FrameRecord taggedRecord(uint32_t tag) {
    FrameRecord record;
    record.busLoad = record.timeUs = record.timeMs = record.timeSec = record.timeMin = tag;
    record.frame.remote = tag;
    record.frame.identifier = tag;
    record.frame.length = 8;
    std::memset(record.frame.data, uint8_t(tag), sizeof record.frame.data);
    return record;
}

// Alike when every byte is, the data bytes past the length and the padding
// included: the types have no hidden padding that could differ.
template <class T>
bool sameImage(const T& a, const T& b) {
    static_assert(std::has_unique_object_representations_v<T>);
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

inline bool operator==(const CanFrame& a, const CanFrame& b) { return sameImage(a, b); }
inline bool operator==(const FrameRecord& a, const FrameRecord& b) { return sameImage(a, b); }

inline void PrintTo(const CanFrame& frame, std::ostream* out) {
    char text[96];
    std::snprintf(text, sizeof text, "id %X ext %u rtr %u len %u data", unsigned(frame.identifier),
                  unsigned(frame.extended), unsigned(frame.remote), unsigned(frame.length));
    *out << text;
    for (uint8_t byte : frame.data) {
        std::snprintf(text, sizeof text, " %02X", unsigned(byte));
        *out << text;
    }
    if (frame.padding[0] || frame.padding[1])
        *out << " padding " << unsigned(frame.padding[0]) << ' ' << unsigned(frame.padding[1]);
}

inline void PrintTo(const FrameRecord& record, std::ostream* out) {
    *out << "{load " << record.busLoad << ", " << record.timeMin << "m " << record.timeSec << "s " << record.timeMs
         << "ms " << record.timeUs << "us, ";
    PrintTo(record.frame, out);
    *out << '}';
}
