// FileReader.h: reads a file front to back through a large buffer, for the
// readers of capture files, logs and settings, which must not hold a whole
// file in memory. Tells a short file from a failing one, and refuses what is
// not a regular file before anything waits on it.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class FileReader {
public:
    // Refuses a FIFO, socket or device as "not a regular file" and a folder
    // as "Is a directory", without blocking: neither has a size to check
    // against, a FIFO would wait for a writer and a device may act on being
    // opened. Other errors carry the system's reason.
    static Result<FileReader> open(const std::string& path);
    // As open, but nothing where no file exists (ENOENT, ENOTDIR).
    static Result<std::optional<FileReader>> openIfExists(const std::string& path);

    FileReader(FileReader&& other) noexcept;
    FileReader& operator=(FileReader&&) = delete;
    ~FileReader();

    // The size the file had when it was opened.
    uint64_t sizeBytes() const { return sizeBytes_; }

    // Exactly `size` bytes, or false at the end of the file or on an error
    // (then errorText() says which).
    bool read(void* out, std::size_t size);
    // Up to `size` bytes; 0 at the end of the file or on an error.
    std::size_t readSome(void* out, std::size_t size);

    // Empty after a clean end of file.
    std::string errorText() const;

private:
    FileReader(int fd, uint64_t sizeBytes, std::unique_ptr<char[]> buffer);
    bool refill();
    // One read(2) straight into `out`, retried on EINTR; 0 at the end or on an error.
    std::size_t readFile(char* out, std::size_t size);

    static constexpr std::size_t kBufferSize = 1 << 20;
    static constexpr std::size_t kDirectReadBytes = 64 << 10;
    int fd_ = -1;
    uint64_t sizeBytes_ = 0;
    int failure_ = 0;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};
