#include "core/FileReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Result<FileReader> FileReader::open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemError(errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int code = S_ISDIR(status.st_mode) ? EISDIR : errno;
        ::close(fd);
        return systemError(code != 0 ? code : EINVAL);
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return FileReader(fd, uint64_t(status.st_size));
}

FileReader::FileReader(int fd, uint64_t sizeBytes)
    : fd_(fd), sizeBytes_(sizeBytes), buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

FileReader::FileReader(FileReader&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      sizeBytes_(other.sizeBytes_),
      failure_(other.failure_),
      buffer_(std::move(other.buffer_)),
      begin_(other.begin_),
      end_(other.end_) {}

FileReader::~FileReader() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t FileReader::readFile(char* out, std::size_t size) {
    while (failure_ == 0) {
        const ssize_t got = ::read(fd_, out, size);
        if (got >= 0)
            return std::size_t(got);
        if (errno != EINTR)
            failure_ = errno;
    }
    return 0;
}

bool FileReader::refill() {
    begin_ = 0;
    end_ = readFile(buffer_.get(), kBufferSize);
    return end_ > 0;
}

std::size_t FileReader::readSome(void* out, std::size_t size) {
    if (begin_ == end_) {
        // A large request gains nothing from passing through the buffer.
        if (size >= kDirectReadBytes)
            return readFile(static_cast<char*>(out), size);
        if (!refill())
            return 0;
    }
    const std::size_t chunk = std::min(size, end_ - begin_);
    std::memcpy(out, buffer_.get() + begin_, chunk);
    begin_ += chunk;
    return chunk;
}

bool FileReader::read(void* out, std::size_t size) {
    char* to = static_cast<char*>(out);
    while (size > 0) {
        const std::size_t got = readSome(to, size);
        if (got == 0)
            return false;
        to += got;
        size -= got;
    }
    return true;
}

std::string FileReader::errorText() const {
    return failure_ == 0 ? std::string() : std::error_code(failure_, std::generic_category()).message();
}
