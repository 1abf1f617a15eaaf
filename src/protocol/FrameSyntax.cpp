#include "protocol/FrameSyntax.h"

#include <cstdio>
#include <string>

namespace {

constexpr uint32_t kMaxStandardId = 0x7FF;
constexpr uint32_t kMaxExtendedId = 0x1FFFFFFF;

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Quoted when printable, else as a byte value, so a control character in a
// script's argument still shows in the message.
std::string describeChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 0x20 && byte < 0x7F)
        return std::string{'\'', c, '\''};
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", unsigned(byte));
    return text;
}

class FrameSyntaxReader {
public:
    explicit FrameSyntaxReader(std::string_view text) : text_(text) {}

    Result<CanFrame> read() {
        const std::size_t hash = text_.find('#');
        if (hash == std::string_view::npos)
            return fail("missing '#' after the identifier");
        if (hash != 3 && hash != 8)
            return fail("identifier needs 3 or 8 hex digits");
        CanFrame frame;
        frame.extended = hash == 8 ? 1 : 0;
        for (std::size_t i = 0; i < hash; ++i) {
            const int digit = hexValue(text_[i]);
            if (digit < 0)
                return badDigit(i);
            frame.identifier = frame.identifier << 4 | uint32_t(digit);
        }
        if (frame.extended && frame.identifier > kMaxExtendedId)
            return fail("extended identifier " + std::string(text_.substr(0, hash)) + " is above 1FFFFFFF");
        if (!frame.extended && frame.identifier > kMaxStandardId)
            return fail("standard identifier " + std::string(text_.substr(0, hash)) + " is above 7FF");

        const std::size_t payload = hash + 1;
        if (payload < text_.size() && (text_[payload] == 'R' || text_[payload] == 'r'))
            return readRemoteLength(frame, payload + 1);
        return readData(frame, payload);
    }

private:
    Result<CanFrame> readRemoteLength(CanFrame frame, std::size_t at) {
        frame.remote = 1;
        const std::string_view length = text_.substr(at);
        if (length.empty())
            return frame;
        if (length.size() != 1 || length[0] < '0' || length[0] > '8')
            return fail("remote length needs one digit 0 to 8");
        frame.length = uint8_t(length[0] - '0');
        return frame;
    }

    Result<CanFrame> readData(CanFrame frame, std::size_t at) {
        const std::size_t end = text_.size();
        while (at < end) {
            if (text_[at] == '.') {
                if (frame.length == 0 || at + 1 == end || text_[at + 1] == '.')
                    return fail("'.' at offset " + std::to_string(at) + " is not between two data bytes");
                ++at;
            }
            if (frame.length == kMaxDataBytes)
                return fail("more than 8 data bytes");
            const int high = hexValue(text_[at]);
            if (high < 0)
                return badDigit(at);
            if (at + 1 == end || text_[at + 1] == '.')
                return fail("unpaired hex digit at offset " + std::to_string(at));
            const int low = hexValue(text_[at + 1]);
            if (low < 0)
                return badDigit(at + 1);
            frame.data[frame.length++] = uint8_t(high << 4 | low);
            at += 2;
        }
        return frame;
    }

    Error badDigit(std::size_t at) const {
        return fail("bad hex digit " + describeChar(text_[at]) + " at offset " + std::to_string(at));
    }

    Error fail(const std::string& fault) const {
        return makeError(std::string("'").append(text_).append("': ").append(fault));
    }

    std::string_view text_;
};

}  // namespace

Result<CanFrame> parseFrameSyntax(std::string_view text) { return FrameSyntaxReader(text).read(); }
