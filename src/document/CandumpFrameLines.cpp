#include "document/CandumpFrameLines.h"

#include "core/StringTable.h"

#include <cstring>
#include <string>

namespace {

// Lines are cut from this window; the file reader has its own large buffer.
constexpr std::size_t kBufferSize = 64 << 10;

Error lineError(uint64_t lineNumber, std::string_view fault) {
    return makeError(strings::kDamagedFile, "line " + std::to_string(lineNumber) + ": " + std::string(fault));
}

Error tooLong(uint64_t lineNumber) {
    return lineError(lineNumber,
                     "longer than " + std::to_string(CandumpFrameLines::kMaxLineChars) + " characters");
}

}  // namespace

CandumpFrameLines::CandumpFrameLines(ReadSome readSome)
    : readSome_(std::move(readSome)), buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

Result<bool> CandumpFrameLines::next(CandumpFrame& frame) {
    for (;;) {
        std::string_view line;
        const auto* newline = static_cast<const char*>(std::memchr(buffer_.get() + begin_, '\n', end_ - begin_));
        if (newline) {
            line = std::string_view(buffer_.get() + begin_, std::size_t(newline - buffer_.get()) - begin_);
            begin_ = std::size_t(newline - buffer_.get()) + 1;
        } else if (!atEnd_) {
            if (auto refilled = refill(); !refilled)
                return refilled.error();
            continue;
        } else if (begin_ < end_) {
            line = std::string_view(buffer_.get() + begin_, end_ - begin_);
            begin_ = end_;
        } else {
            return false;
        }
        if (++lineNumber_ == 1 && line.starts_with(kUtf8ByteOrderMark))
            line.remove_prefix(kUtf8ByteOrderMark.size());
        if (line.size() > kMaxLineChars)
            return tooLong(lineNumber_);
        if (isBlankCandumpLine(line))
            continue;
        if (const char* fault = readCandumpLine(line, frame))
            return lineError(lineNumber_, fault);
        return true;
    }
}

// Keeps the unfinished line at the front and reads on after it.
Result<std::monostate> CandumpFrameLines::refill() {
    const std::size_t kept = end_ - begin_;
    if (kept > kMaxLineChars)
        return tooLong(lineNumber_ + 1);
    std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
    begin_ = 0;
    end_ = kept;
    auto got = readSome_(buffer_.get() + end_, kBufferSize - end_);
    if (!got)
        return got.error();
    if (*got == 0)
        atEnd_ = true;
    end_ += *got;
    return std::monostate{};
}
