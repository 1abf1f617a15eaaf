// SerialLine.h: a serial device (or pseudo-terminal) opened raw at a line
// speed, for adapters that speak a text protocol over it. Reads never block;
// writes wait a bounded time for room.
#pragma once

#include "base/Result.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorelin::driver {

class SerialLine {
public:
    // Raw 8N1, no flow control, at `baud` bits per second (one of the
    // standard speeds); the error names the device and the reason.
    static Result<SerialLine> open(const std::string& path, uint32_t baud);

    SerialLine(SerialLine&& other) noexcept;
    SerialLine& operator=(SerialLine&& other) noexcept;
    ~SerialLine();

    // Whether all of `bytes` went out within `timeoutMs`.
    bool write(std::string_view bytes, int timeoutMs);
    // Waits up to `timeoutMs` for bytes, then reads what is there into
    // `buffer`: the count, 0 when nothing came, -1 when the device is gone.
    long read(char* buffer, std::size_t size, int timeoutMs);

private:
    explicit SerialLine(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace vorelin::driver
