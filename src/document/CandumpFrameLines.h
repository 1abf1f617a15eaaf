// CandumpFrameLines.h: the frame lines of a candump log as its bytes arrive
// in pieces, checked one by one. The log reader feeds it from the file; the
// fuzzer feeds it from memory, in pieces of its own choosing.
#pragma once

#include "base/Result.h"
#include "document/CandumpLine.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

// What some editors put before the first line of a text file; skipped.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

class CandumpFrameLines {
public:
    // Up to `size` more bytes of the log into `out`; 0 at its end.
    using ReadSome = std::function<Result<std::size_t>(char* out, std::size_t size)>;

    // Far beyond any line of the format, flags included; a longer one is no log.
    static constexpr std::size_t kMaxLineChars = 1024;

    explicit CandumpFrameLines(ReadSome readSome);

    // True and the next frame, false after the last one, or the error: a
    // malformed line as strings::kDamagedFile with "line N: " and the fault,
    // or the error of readSome. A line may straddle two pieces; a line break
    // may be LF or CR LF, the last line may lack one, blank lines are skipped,
    // and so is a byte-order mark at the very start.
    Result<bool> next(CandumpFrame& frame);

    // The line of the frame next() gave last, counted from 1.
    uint64_t lineNumber() const { return lineNumber_; }

private:
    Result<std::monostate> refill();

    ReadSome readSome_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    uint64_t lineNumber_ = 0;
    bool atEnd_ = false;
};
