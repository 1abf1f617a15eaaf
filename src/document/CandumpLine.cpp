#include "document/CandumpLine.h"

#include "base/RecordTime.h"
#include "core/FrameDigits.h"
#include "core/StringTable.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <string>

namespace {

constexpr uint32_t kMaxStandardId = 0x7FF;
constexpr uint32_t kMaxExtendedId = 0x1FFFFFFF;
// The error flag of the Linux CAN identifier word: candump logs carry error
// frames as 8-digit identifiers with this bit set.
constexpr uint32_t kErrorFrameFlag = 0x20000000;

constexpr uint64_t kUsPerSecond = 1'000'000;
constexpr uint64_t kUsPerMinute = 60 * kUsPerSecond;
// The format has ten digits of seconds; a record's 2^32 - 1 minutes take
// twelve (257698037759 s), and whatever the writer writes reads back.
constexpr int kMaxSecondsDigits = 12;
constexpr int kMaxFractionDigits = 9;
constexpr uint64_t kMaxRecordMinutes = UINT32_MAX;

constexpr std::string_view kInterfaceName = "can0";

// Hex digit values by byte, -1 for any other byte: a table, because random
// data digits defeat the branch predictor of a chain of range tests.
constexpr auto kHexValues = [] {
    std::array<int8_t, 256> values{};
    values.fill(-1);
    for (int i = 0; i < 10; ++i)
        values[std::size_t('0' + i)] = int8_t(i);
    for (int i = 0; i < 6; ++i) {
        values[std::size_t('A' + i)] = int8_t(10 + i);
        values[std::size_t('a' + i)] = int8_t(10 + i);
    }
    return values;
}();

int hexValue(char c) { return kHexValues[static_cast<unsigned char>(c)]; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

Error damaged(const char* fault) { return makeError(strings::kDamagedFile, fault); }

std::string flagFault(const char* name, uint32_t value) {
    return std::string(name) + " flag " + std::to_string(value) + " is neither 0 nor 1";
}

class LineParser {
public:
    explicit LineParser(std::string_view line) : at_(line.data()), end_(line.data() + line.size()) {
        if (at_ != end_ && end_[-1] == '\r')
            --end_;
    }

    // nullptr when the line is read into `result`, or what is wrong with it.
    const char* parse(CandumpFrame& result) {
        if (!readTime(result.timeUs))
            return "expected the time as (seconds.microseconds) at the start";
        if (!skipBlanks())
            return "expected the interface name after the time";
        while (at_ != end_ && !isBlank(*at_))
            ++at_;
        if (!skipBlanks())
            return "expected the frame after the interface name";
        if (const char* fault = readFrame(result.frame))
            return fault;
        // A candump log line may end in a field of flags; it is not kept.
        if (skipBlanks()) {
            while (at_ != end_ && !isBlank(*at_))
                ++at_;
            if (skipBlanks())
                return "unexpected text after the frame and its flags";
        }
        return nullptr;
    }

private:
    // Skips blanks and tells whether anything follows.
    bool skipBlanks() {
        const char* start = at_;
        while (at_ != end_ && isBlank(*at_))
            ++at_;
        return at_ != start && at_ != end_;
    }

    bool readTime(uint64_t& timeUs) {
        if (at_ == end_ || *at_ != '(')
            return false;
        ++at_;
        uint64_t seconds = 0;
        int digits = 0;
        for (; at_ != end_ && isDigit(*at_); ++at_, ++digits)
            seconds = seconds * 10 + uint64_t(*at_ - '0');
        if (digits == 0 || digits > kMaxSecondsDigits || at_ == end_ || *at_ != '.')
            return false;
        ++at_;
        // Six digits as the format has them; other writers' longer or
        // shorter fractions are read as the decimal fraction they are.
        // Digits past the sixth are cut off, not rounded.
        uint64_t fraction = 0;
        digits = 0;
        for (; at_ != end_ && isDigit(*at_); ++at_, ++digits)
            fraction = fraction * 10 + uint64_t(*at_ - '0');
        if (digits == 0 || digits > kMaxFractionDigits || at_ == end_ || *at_ != ')')
            return false;
        ++at_;
        constexpr uint64_t kPowersOf10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
        const uint64_t fractionUs =
            digits <= 6 ? fraction * kPowersOf10[6 - digits] : fraction / kPowersOf10[digits - 6];
        timeUs = seconds * kUsPerSecond + fractionUs;
        return true;
    }

    const char* readFrame(CanFrame& frame) {
        uint32_t identifier = 0;
        int digits = 0;
        for (int digit; at_ != end_ && (digit = hexValue(*at_)) >= 0 && digits <= 8; ++at_, ++digits)
            identifier = identifier << 4 | uint32_t(digit);
        if (at_ == end_ || *at_ != '#')
            return digits > 8 ? "identifier needs 3 or 8 hex digits" : "expected '#' after the identifier";
        if (digits != 3 && digits != 8)
            return "identifier needs 3 or 8 hex digits";
        frame.extended = digits == 8 ? 1 : 0;
        if (frame.extended && (identifier & kErrorFrameFlag) != 0 && identifier <= (kErrorFrameFlag | kMaxExtendedId))
            return "error frames cannot be loaded";
        if (frame.extended && identifier > kMaxExtendedId)
            return "extended identifier above 1FFFFFFF";
        if (!frame.extended && identifier > kMaxStandardId)
            return "standard identifier above 7FF";
        frame.identifier = identifier;
        ++at_;
        if (at_ != end_ && *at_ == '#')
            return "CAN FD frames cannot be loaded";
        if (at_ != end_ && (*at_ == 'R' || *at_ == 'r'))
            return readRemoteLength(frame);
        return readData(frame);
    }

    const char* readRemoteLength(CanFrame& frame) {
        frame.remote = 1;
        ++at_;
        if (at_ == end_ || isBlank(*at_))
            return nullptr;
        if (*at_ < '0' || *at_ > '8')
            return "remote frame length needs one digit 0 to 8";
        frame.length = uint8_t(*at_ - '0');
        ++at_;
        if (at_ != end_ && !isBlank(*at_))
            return "remote frame length needs one digit 0 to 8";
        return nullptr;
    }

    const char* readData(CanFrame& frame) {
        while (at_ != end_ && !isBlank(*at_)) {
            const int high = hexValue(*at_);
            if (high < 0)
                return "bad hex digit in the data";
            if (at_ + 1 == end_ || isBlank(at_[1]))
                return "odd number of hex digits in the data";
            const int low = hexValue(at_[1]);
            if (low < 0)
                return "bad hex digit in the data";
            if (frame.length == kMaxDataBytes)
                return "more than 8 data bytes";
            frame.data[frame.length++] = uint8_t(high << 4 | low);
            at_ += 2;
        }
        return nullptr;
    }

    const char* at_;
    const char* end_;
};

}  // namespace

std::string candumpLineFault(const FrameRecord& record) {
    const CanFrame& frame = record.frame;
    if (frame.extended > 1)
        return flagFault("extended", frame.extended);
    if (frame.remote > 1)
        return flagFault("remote", frame.remote);
    if (frame.identifier > (frame.extended ? kMaxExtendedId : kMaxStandardId)) {
        char hex[8];
        const std::string digits(hex, frametext::writeHex(hex, frame.identifier));
        return "identifier 0x" + digits + " does not fit " + (frame.extended ? "an extended" : "a standard") +
               " frame";
    }
    if (frame.length > kMaxDataBytes)
        return "length " + std::to_string(frame.length) + " is more than " + std::to_string(kMaxDataBytes) +
               " data bytes";
    if (const uint64_t minutes = recordTimeUs(record) / kUsPerMinute; minutes > kMaxRecordMinutes)
        return "time of " + std::to_string(minutes) + " minutes is more than a record holds (" +
               std::to_string(kMaxRecordMinutes) + ")";
    return {};
}

char* writeCandumpLine(char* out, const FrameRecord& record) {
    assert(candumpLineFault(record).empty() && "a record that would not read back the same");
    const uint64_t totalUs = recordTimeUs(record);
    const uint64_t seconds = totalUs / kUsPerSecond;
    *out++ = '(';
    // Ten digits as the format has them; minutes beyond 16666666 need more.
    constexpr uint64_t kBillion = 1'000'000'000;
    if (seconds >= kBillion) {
        out = frametext::writeDecimal(out, uint32_t(seconds / kBillion));
        out = frametext::writeDecimal(out, uint32_t(seconds % kBillion), 9);
    } else {
        out = frametext::writeDecimal(out, uint32_t(seconds), 10);
    }
    *out++ = '.';
    out = frametext::writeDecimal(out, uint32_t(totalUs % kUsPerSecond), 6);
    *out++ = ')';
    *out++ = ' ';
    out = std::copy(kInterfaceName.begin(), kInterfaceName.end(), out);
    *out++ = ' ';

    const CanFrame& frame = record.frame;
    out = frametext::writeHex(out, frame.identifier, frame.extended ? 8 : 3);
    *out++ = '#';
    // Never beyond the eight bytes the record has, whoever skipped the check.
    const int length = frametext::shownDataByteCount(frame);
    if (frame.remote) {
        *out++ = 'R';
        if (length != 0)
            *out++ = char('0' + length);
        return out;
    }
    for (int i = 0; i < length; ++i)
        out = frametext::writeHex(out, frame.data[i], 2);
    return out;
}

const char* readCandumpLine(std::string_view line, CandumpFrame& frame) {
    frame = CandumpFrame{};
    return LineParser(line).parse(frame);
}

Result<CandumpFrame> parseCandumpLine(std::string_view line) {
    CandumpFrame frame;
    if (const char* fault = readCandumpLine(line, frame))
        return damaged(fault);
    return frame;
}

bool isBlankCandumpLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return isBlank(c) || c == '\r'; });
}
