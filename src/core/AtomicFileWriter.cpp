#include "core/AtomicFileWriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kNewFileMode = 0644;

// How much is written before the kernel is asked to start writing it to the
// disk: the disk works while the rest is produced, and the final sync waits
// only for the tail instead of the whole file.
constexpr off_t kWritebackStep = off_t(8) << 20;

// The rename is an entry in the folder: without this, a power cut soon after
// a save could bring back the old file, or none. A folder the user may write
// but not read cannot be opened, and some file systems cannot sync a folder
// (EINVAL); there the rename is as safe as it gets.
int syncParentFolder(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const int fd = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int code = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return code;
}

}  // namespace

Result<AtomicFileWriter> AtomicFileWriter::create(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::error_code fault;
        std::filesystem::create_directories(parent, fault);
        if (fault)
            return makeError(fault.message());
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return systemError(errno);
    // mkostemp makes the file private; the result is meant to be read like
    // any file the user saves, or as the file it replaces was.
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) ? old.st_mode & 07777 : kNewFileMode;
    if (::fchmod(fd, mode) != 0) {
        const int code = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return systemError(code);
    }
    return AtomicFileWriter(path, std::move(temporary), fd);
}

AtomicFileWriter::AtomicFileWriter(std::string path, std::string temporaryPath, int fd)
    : path_(std::move(path)),
      temporaryPath_(std::move(temporaryPath)),
      fd_(fd),
      buffer_(std::make_unique<char[]>(kBufferSize)) {}

AtomicFileWriter::AtomicFileWriter(AtomicFileWriter&& other) noexcept
    : path_(std::move(other.path_)),
      temporaryPath_(std::move(other.temporaryPath_)),
      fd_(std::exchange(other.fd_, -1)),
      failure_(other.failure_),
      buffer_(std::move(other.buffer_)),
      buffered_(std::exchange(other.buffered_, 0)),
      writtenBytes_(other.writtenBytes_),
      writebackStart_(other.writebackStart_) {}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

void AtomicFileWriter::discard() {
    if (fd_ < 0)
        return;
    ::close(fd_);
    ::unlink(temporaryPath_.c_str());
    fd_ = -1;
}

bool AtomicFileWriter::flush() {
    const char* next = buffer_.get();
    std::size_t left = buffered_;
    while (left > 0 && failure_ == 0) {
        const ssize_t written = ::write(fd_, next, left);
        if (written < 0) {
            if (errno != EINTR)
                failure_ = errno;
            continue;
        }
        next += written;
        left -= std::size_t(written);
        writtenBytes_ += written;
    }
    buffered_ = 0;
    if (failure_ == 0 && writtenBytes_ - writebackStart_ >= kWritebackStep) {
        // Only a hint: a failed write-back shows up in the final sync.
        ::sync_file_range(fd_, writebackStart_, writtenBytes_ - writebackStart_, SYNC_FILE_RANGE_WRITE);
        writebackStart_ = writtenBytes_;
    }
    return failure_ == 0;
}

bool AtomicFileWriter::write(const void* bytes, std::size_t size) {
    if (failure_ != 0 || fd_ < 0)
        return false;
    const char* from = static_cast<const char*>(bytes);
    while (size > 0) {
        if (buffered_ == kBufferSize && !flush())
            return false;
        const std::size_t chunk = std::min(size, kBufferSize - buffered_);
        std::memcpy(buffer_.get() + buffered_, from, chunk);
        buffered_ += chunk;
        from += chunk;
        size -= chunk;
    }
    return true;
}

Result<std::monostate> AtomicFileWriter::commit() {
    if (fd_ < 0)
        return makeError("the file was already closed");
    if (!flush() || ::fsync(fd_) != 0) {
        const int code = failure_ != 0 ? failure_ : errno;
        discard();
        return systemError(code);
    }
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 || ::rename(temporaryPath_.c_str(), path_.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporaryPath_.c_str());
        return systemError(code);
    }
    if (const int code = syncParentFolder(path_); code != 0)
        return systemError(code);
    return std::monostate{};
}
