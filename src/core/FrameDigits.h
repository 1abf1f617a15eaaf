// FrameDigits.h: decimal and hexadecimal digits written straight into a
// caller's buffer, for every text that shows a frame (the data list, the
// export, printing, candump logs): no allocation and no printf per field.
#pragma once

#include "base/FrameRecord.h"

#include <algorithm>
#include <cstdint>

namespace frametext {

// `value` in decimal, at least `minDigits` wide, filled on the left with
// `fill`: printf's "%u", "%2u" (fill ' ') and "%02u" (fill '0'). Unsigned,
// so that a row number or a damaged field above 2^31 never shows negative.
inline char* writeDecimal(char* out, uint32_t value, int minDigits = 1, char fill = '0') {
    char digits[10];
    int count = 0;
    do {
        digits[count++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int i = count; i < minDigits; ++i)
        *out++ = fill;
    while (count > 0)
        *out++ = digits[--count];
    return out;
}

// `value` in upper-case hexadecimal, at least `minDigits` wide with leading
// zeros: printf's "%X" and "%02X", "%03X".
inline char* writeHex(char* out, uint32_t value, int minDigits = 1) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    int count = 1;
    while (count < 8 && (value >> (4 * count)) != 0)
        ++count;
    count = std::max(count, std::min(minDigits, 8));
    for (int shift = 4 * (count - 1); shift >= 0; shift -= 4)
        *out++ = kDigits[(value >> shift) & 0xF];
    return out;
}

// How many data bytes the frame shows: its length, but never more than the
// record holds, whatever a damaged capture or a faulty adapter put there.
inline int shownDataByteCount(const CanFrame& frame) { return std::min<int>(frame.length, kMaxDataBytes); }

}  // namespace frametext
