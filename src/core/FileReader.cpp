#include "core/FileReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Error notRegular(mode_t mode) { return S_ISDIR(mode) ? systemError(EISDIR) : makeError("not a regular file"); }

}  // namespace

Result<FileReader> FileReader::open(const std::string& path) {
    // Told apart before opening, so that nothing but a regular file is opened at all.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return systemError(errno);
    if (!S_ISREG(status.st_mode))
        return notRegular(status.st_mode);
    // Before the file is opened, so that running out of memory leaks no descriptor.
    auto buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    // The path may have been replaced by a FIFO or a terminal since: open
    // neither waits for a writer nor takes a terminal as ours.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return systemError(errno);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const Error error = S_ISREG(status.st_mode) ? systemError(errno) : notRegular(status.st_mode);
        ::close(fd);
        return error;
    }
    // A regular file's reads never wait anyway; cleared so that the flag
    // promises nothing to whoever reads on.
    if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return FileReader(fd, uint64_t(status.st_size), std::move(buffer));
}

Result<std::optional<FileReader>> FileReader::openIfExists(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 && (errno == ENOENT || errno == ENOTDIR))
        return std::optional<FileReader>();
    auto file = open(path);
    if (!file)
        return file.error();
    return std::optional<FileReader>(std::move(*file));
}

FileReader::FileReader(int fd, uint64_t sizeBytes, std::unique_ptr<char[]> buffer)
    : fd_(fd), sizeBytes_(sizeBytes), buffer_(std::move(buffer)) {}

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
