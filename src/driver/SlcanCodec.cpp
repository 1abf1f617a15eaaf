#include "driver/SlcanCodec.h"

#include <array>

namespace vorelin::driver::slcan {

namespace {

constexpr std::array<uint32_t, 9> kBitratesKbps = {10, 20, 50, 100, 125, 250, 500, 800, 1000};
constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr int kStandardDigits = 3;
constexpr int kExtendedDigits = 8;
constexpr uint32_t kLargestStandard = 0x7FF;
constexpr uint32_t kLargestExtended = 0x1FFFFFFF;
constexpr uint32_t kTimestampLimitMs = 60000;

void appendHex(std::string& out, uint32_t value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kHexDigits[(value >> shift) & 0xF];
}

// The value of `digits` hex digits (either case); none if any is not one.
std::optional<uint32_t> readHex(std::string_view digits) {
    uint32_t value = 0;
    for (const char c : digits) {
        uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = uint32_t(c - '0');
        else if (c >= 'A' && c <= 'F')
            digit = uint32_t(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f')
            digit = uint32_t(c - 'a' + 10);
        else
            return std::nullopt;
        value = value << 4 | digit;
    }
    return value;
}

Answer parseFrame(std::string_view line) {
    const char kind = line[0];
    const bool extended = kind == 'T' || kind == 'R';
    const bool remote = kind == 'r' || kind == 'R';
    const std::size_t idDigits = extended ? kExtendedDigits : kStandardDigits;
    if (line.size() < 1 + idDigits + 1)
        return {};
    const std::optional<uint32_t> identifier = readHex(line.substr(1, idDigits));
    const std::optional<uint32_t> length = readHex(line.substr(1 + idDigits, 1));
    if (!identifier || !length || *length > kMaxDataBytes ||
        *identifier > (extended ? kLargestExtended : kLargestStandard))
        return {};
    Answer answer{Answer::Kind::frame, {}, {}, 0};
    answer.frame.remote = remote ? 1 : 0;
    answer.frame.extended = extended ? 1 : 0;
    answer.frame.identifier = *identifier;
    answer.frame.length = uint8_t(*length);
    std::size_t at = 1 + idDigits + 1;
    if (!remote) {
        for (uint32_t i = 0; i < *length; ++i, at += 2) {
            const std::optional<uint32_t> byte = at + 2 <= line.size() ? readHex(line.substr(at, 2)) : std::nullopt;
            if (!byte)
                return {};
            answer.frame.data[i] = uint8_t(*byte);
        }
    }
    const std::string_view rest = line.substr(at);
    if (rest.empty())
        return answer;
    const std::optional<uint32_t> timestamp = rest.size() == 4 ? readHex(rest) : std::nullopt;
    if (!timestamp || *timestamp >= kTimestampLimitMs)
        return {};
    answer.timestampMs = uint16_t(*timestamp);
    return answer;
}

}  // namespace

std::optional<std::string> bitrateCommand(uint32_t kbps) {
    for (std::size_t i = 0; i < kBitratesKbps.size(); ++i) {
        if (kBitratesKbps[i] == kbps)
            return std::string{'S', char('0' + i), '\r'};
    }
    return std::nullopt;
}

std::optional<std::string> frameCommand(const CanFrame& frame) {
    const bool extended = frame.extended == 1;
    if (frame.length > kMaxDataBytes || frame.identifier > (extended ? kLargestExtended : kLargestStandard))
        return std::nullopt;
    const bool remote = frame.remote == 1;
    std::string command(1, remote ? (extended ? 'R' : 'r') : (extended ? 'T' : 't'));
    appendHex(command, frame.identifier, extended ? kExtendedDigits : kStandardDigits);
    appendHex(command, frame.length, 1);
    if (!remote) {
        for (int i = 0; i < frame.length; ++i)
            appendHex(command, frame.data[i], 2);
    }
    command += '\r';
    return command;
}

Answer parseAnswer(std::string_view line) {
    if (line.empty())
        return {Answer::Kind::ok, {}, {}, 0};
    switch (line[0]) {
    case 'z':
    case 'Z':
        return line.size() == 1 ? Answer{Answer::Kind::transmitted, {}, {}, 0} : Answer{};
    case 'F': {
        const std::optional<uint32_t> flags = line.size() == 3 ? readHex(line.substr(1)) : std::nullopt;
        return flags ? Answer{Answer::Kind::status, {}, {}, uint8_t(*flags)} : Answer{};
    }
    case 't':
    case 'T':
    case 'r':
    case 'R':
        return parseFrame(line);
    default:
        return {};
    }
}

}  // namespace vorelin::driver::slcan
