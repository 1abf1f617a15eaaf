// SlcanCodec.h: the serial-line protocol of the cheap USB-CAN adapters
// (slcan): the commands a backend writes, and the lines such an adapter
// answers, cut out of a byte stream that may arrive in any pieces. Every
// command and every answer ends with a carriage return; an adapter refuses a
// command with a bell instead.
#pragma once

#include "base/FrameRecord.h"
#include "driver/Backend.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorelin::driver::slcan {

// "S0" to "S8" for the bit rates the protocol knows (10, 20, 50, 100, 125,
// 250, 500, 800 and 1000 kbit/s), with its carriage return; none for others.
KESH_EXPORT_CPP std::optional<std::string> bitrateCommand(uint32_t kbps);

// "t1232AABB\r" for a standard data frame, "T" with eight digits for an
// extended one, "r"/"R" and the length alone for remote frames. None for a
// frame the protocol cannot carry: a length above 8, or an identifier too
// large for its format.
KESH_EXPORT_CPP std::optional<std::string> frameCommand(const CanFrame& frame);

struct Answer {
    enum class Kind {
        ok,           // an empty line: the command was taken
        refused,      // a bell
        transmitted,  // "z" or "Z": a frame was taken for sending
        frame,        // a frame received from the bus
        status,       // "F" with the two hex digits of the status flags
        unreadable,   // anything else, or a line that breaks the rules
    };
    Kind kind = Kind::unreadable;
    CanFrame frame;
    // Milliseconds 0 to 59999 from the adapter's own clock, with time
    // stamps switched on ("Z1").
    std::optional<uint16_t> timestampMs;
    uint8_t statusFlags = 0;
};

// One answer line, without its carriage return.
KESH_EXPORT_CPP Answer parseAnswer(std::string_view line);

// Cuts answers out of the bytes read from the line: a carriage return ends
// an answer, a bell is one; a line feed some adapters add is skipped. Bytes
// of an answer not yet complete wait for the next read. A line longer than
// any answer can be is dropped whole, up to its end, as unreadable.
class AnswerReader {
public:
    template <typename OnAnswer>
    void feed(std::string_view bytes, OnAnswer&& onAnswer) {
        for (const char byte : bytes) {
            if (byte == '\r') {
                onAnswer(overlong_ ? Answer{} : parseAnswer(partial_));
                partial_.clear();
                overlong_ = false;
            } else if (byte == '\a') {
                onAnswer(Answer{Answer::Kind::refused, {}, {}, 0});
                partial_.clear();
                overlong_ = false;
            } else if (byte != '\n' && !overlong_) {
                partial_ += byte;
                if (partial_.size() > kLongestAnswer) {
                    overlong_ = true;
                    partial_.clear();
                }
            }
        }
    }

private:
    // "T", 8 identifier digits, the length, 16 data digits, 4 time digits.
    static constexpr std::size_t kLongestAnswer = 30;
    std::string partial_;
    bool overlong_ = false;
};

}  // namespace vorelin::driver::slcan
