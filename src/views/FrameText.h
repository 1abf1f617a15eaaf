// FrameText.h: the pieces of a frame's text that the data list, the text
// export and printing all write the same way. Each writes into a caller's
// buffer and returns the end, so a row costs no allocation and no printf.
#pragma once

#include "base/FrameRecord.h"
#include "core/FrameDigits.h"
#include "core/StringTable.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace frametext {

// Longest text of writeTime: four 10-digit fields and three dashes, when a
// damaged capture holds time parts far beyond their ranges.
constexpr std::size_t kMaxTimeChars = 43;
// Longest text of writeDataBytes.
constexpr std::size_t kMaxDataBytesChars = 3 * kMaxDataBytes;

// What the outputs show for a field the frame does not have.
constexpr std::string_view kAbsentField = "--";

// String-table numbers of the words every output uses for a frame.
constexpr int kInvalidDataString = 6000;
constexpr int kRemoteFrameString = strings::kRemoteFrame;
constexpr int kStandardString = strings::kStandardFrames;
constexpr int kExtendString = strings::kExtendedFrames;

// "Extend" only for an extended byte of exactly 1, as every output shows it.
inline int frameTypeString(const CanFrame& frame) { return frame.extended == 1 ? kExtendString : kStandardString; }

// The time stamp as minutes-seconds-milliseconds-microseconds,
// "%02u-%02u-%03u-%03u".
inline char* writeTime(char* out, const FrameRecord& record) {
    out = writeDecimal(out, record.timeMin, 2);
    *out++ = '-';
    out = writeDecimal(out, record.timeSec, 2);
    *out++ = '-';
    out = writeDecimal(out, record.timeMs, 3);
    *out++ = '-';
    return writeDecimal(out, record.timeUs, 3);
}

// The shown data bytes, each as two hex digits and a blank ("%02X "): the
// text ends with a blank, and is empty for length 0.
inline char* writeDataBytes(char* out, const CanFrame& frame) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    const int count = shownDataByteCount(frame);
    for (int i = 0; i < count; ++i) {
        *out++ = kDigits[frame.data[i] >> 4];
        *out++ = kDigits[frame.data[i] & 0xF];
        *out++ = ' ';
    }
    return out;
}

// `text`, cut to at most `room` bytes without splitting a UTF-8 character:
// a language module's text may be longer than the space it was given.
inline char* writeText(char* out, std::string_view text, std::size_t room) {
    std::size_t size = text.size();
    if (size > room) {
        size = room;
        while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80)
            --size;
    }
    std::copy_n(text.data(), size, out);
    return out + size;
}

}  // namespace frametext
