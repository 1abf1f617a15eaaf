#include "driver/SerialLine.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace vorelin::driver {

namespace {

std::optional<speed_t> speedOf(uint32_t baud) {
    switch (baud) {
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    case 460800: return B460800;
    case 500000: return B500000;
    case 921600: return B921600;
    case 1000000: return B1000000;
    case 2000000: return B2000000;
    case 3000000: return B3000000;
    default: return std::nullopt;
    }
}

}  // namespace

Result<SerialLine> SerialLine::open(const std::string& path, uint32_t baud) {
    const std::optional<speed_t> speed = speedOf(baud);
    if (!speed)
        return makeError(path + ": " + std::to_string(baud) + " is not a serial line speed");
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return makeError(path + ": " + std::strerror(errno));
    SerialLine line(fd);
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return makeError(path + ": not a serial line: " + std::strerror(errno));
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cflag &= ~tcflag_t(CRTSCTS | CSTOPB);
    ::cfsetispeed(&settings, *speed);
    ::cfsetospeed(&settings, *speed);
    if (::tcsetattr(fd, TCSANOW, &settings) != 0)
        return makeError(path + ": cannot set the line up: " + std::strerror(errno));
    ::tcflush(fd, TCIOFLUSH);
    return line;
}

SerialLine::SerialLine(SerialLine&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

SerialLine& SerialLine::operator=(SerialLine&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

SerialLine::~SerialLine() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool SerialLine::write(std::string_view bytes, int timeoutMs) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(std::size_t(written));
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        pollfd room{fd_, POLLOUT, 0};
        if (::poll(&room, 1, timeoutMs) <= 0 || (room.revents & (POLLERR | POLLHUP)))
            return false;
    }
    return true;
}

long SerialLine::read(char* buffer, std::size_t size, int timeoutMs) {
    pollfd ready{fd_, POLLIN, 0};
    const int polled = ::poll(&ready, 1, timeoutMs);
    if (polled < 0)
        return errno == EINTR ? 0 : -1;
    if (polled == 0)
        return 0;
    const ssize_t got = ::read(fd_, buffer, size);
    if (got > 0)
        return long(got);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return 0;
    // End of file, or an error: the device went away.
    return -1;
}

}  // namespace vorelin::driver
