// CandumpLine.h: one line of a candump log, "(1700000000.123456) can0
// 123#11223344", written from a record and read back into a frame, so that
// captures can be traded with the usual Linux CAN tools.
#pragma once

#include "base/FrameRecord.h"
#include "base/Result.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Longest line writeCandumpLine writes: "(", 10 to 12 digits, ".", 6 digits,
// ") can0 ", 8 identifier digits, "#" and 16 data digits, with room to spare.
constexpr std::size_t kMaxCandumpLineChars = 64;

// What keeps `record` from a line that reads back as the same frame and time,
// in lower case, or empty when nothing does: a flag other than 0 or 1, an
// identifier beyond the 11 or 29 bits of its frame, a length above 8, or a
// time whose minutes, the parts beyond their ranges carried over, do not fit
// a record. Only a damaged capture holds such a record; it is refused, not
// changed.
std::string candumpLineFault(const FrameRecord& record);

// Writes the line of `record`, which candumpLineFault passes, without its
// line end and returns the end. The time is the record's time stamp as
// seconds since the capture started, its parts beyond their ranges carried
// over; the interface is always can0. A standard identifier takes 3 hex
// digits, an extended one 8; data bytes are upper-case hex pairs without
// separators; a remote frame shows "R", followed by its length unless that
// is 0.
char* writeCandumpLine(char* out, const FrameRecord& record);

// What a log line holds: its time in microseconds as written, and the frame.
struct CandumpFrame {
    uint64_t timeUs = 0;
    CanFrame frame;
};

// Reads one line without its LF (a CR before it is allowed). The interface
// name is not kept; an optional last field (flags) is skipped. An error's
// text says what is wrong in lower case, without the line number.
Result<CandumpFrame> parseCandumpLine(std::string_view line);
// The same without building a Result, for loops over millions of lines:
// nullptr when `frame` holds the line, else the error's text.
const char* readCandumpLine(std::string_view line, CandumpFrame& frame);

// Whether the line holds nothing but blanks, tabs and a CR: such lines are skipped.
bool isBlankCandumpLine(std::string_view line);
