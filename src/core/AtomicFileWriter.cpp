#include "core/AtomicFileWriter.h"

#include "core/FileWriterCalls.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace {

constexpr mode_t kNewFileMode = 0644;

// How much is written before the kernel is asked to start writing it to the
// disk: the disk works while the rest is produced, and the final sync waits
// only for the tail instead of the whole file.
constexpr off_t kWritebackStep = off_t(8) << 20;

// As many as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinks = 40;

// Tries at a free temporary name before giving up; each is random.
constexpr int kNameAttempts = 100;

Result<std::monostate> done() { return std::monostate{}; }

// What a path leads to once its symbolic links are followed.
struct Target {
    enum Kind { absent, regular, inPlace } kind;
    std::string path;
    mode_t mode = 0;
};

struct PathParts {
    std::string folder;
    std::string name;
};

PathParts splitPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// A link's text is relative to the folder that holds the link.
std::string besideLink(const std::string& link, const std::string& text) {
    const std::size_t slash = link.rfind('/');
    if (text.front() == '/' || slash == std::string::npos)
        return text;
    return link.substr(0, slash + 1) + text;
}

Result<std::string> readLink(const std::string& link) {
    char text[PATH_MAX];
    const ssize_t length = ::readlink(link.c_str(), text, sizeof text);
    if (length < 0)
        return systemError(errno);
    if (length == 0 || std::size_t(length) == sizeof text)
        return systemError(ENAMETOOLONG);
    return std::string(text, std::size_t(length));
}

bool isOnProcFs(const std::string& folder) {
    struct statfs info {};
    return ::statfs(folder.c_str(), &info) == 0 && info.f_type == PROC_SUPER_MAGIC;
}

Result<Target> locate(const std::string& path) {
    if (path.empty())
        return systemError(ENOENT);
    std::string current = path;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return Target{Target::absent, current};
            return systemError(errno);
        }
        if (S_ISREG(info.st_mode))
            return Target{Target::regular, current, info.st_mode & 07777};
        if (S_ISDIR(info.st_mode))
            return systemError(EISDIR);
        if (!S_ISLNK(info.st_mode))
            return Target{Target::inPlace, current};
        if (links == kMaxLinks)
            return systemError(ELOOP);
        // The links in /proc/self/fd (behind /dev/stdout and /dev/fd/N) stand
        // for an open file, often one with no name ("pipe:[…]"): only
        // opening them reaches it.
        if (isOnProcFs(splitPath(current).folder))
            return Target{Target::inPlace, current};
        auto text = readLink(current);
        if (!text)
            return text.error();
        current = besideLink(current, *text);
    }
}

Result<int> openInPlace(const std::string& path) {
    int fd;
    do
        fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return systemError(errno);
    // Only a link in /proc leads to a regular file here: standard output sent
    // to a file. Appending gives what both "> file" and ">> file" expect.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_APPEND);
    return fd;
}

Result<int> openFolder(const std::string& folder, MissingFolder missingFolder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder the user may write but not read: usable, though not syncable.
    if (fd < 0 && errno == EACCES)
        fd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        return fd;
    if (errno != ENOENT)
        return systemError(errno);
    if (missingFolder == MissingFolder::refuse)
        return makeError(folder + ": " + systemError(ENOENT).text);
    std::error_code fault;
    std::filesystem::create_directories(folder, fault);
    if (fault)
        return makeError(fault.message());
    return openFolder(folder, MissingFolder::refuse);
}

// Short whatever the target's name, so that a name of NAME_MAX characters
// can still be saved; hidden, and recognisably ours should SIGKILL leave one.
std::string temporaryName() {
    static std::atomic<uint64_t> counter{0};
    const auto now = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    // splitmix64 of the process, the time and a count: distinct names for
    // saves at once; the exclusive create settles any collision.
    uint64_t bits = (uint64_t(::getpid()) << 32) ^ now ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15u);
    bits = (bits ^ (bits >> 30)) * 0xBF58476D1CE4E5B9u;
    bits = (bits ^ (bits >> 27)) * 0x94D049BB133111EBu;
    bits ^= bits >> 31;
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".vorelin-";
    for (int i = 0; i < 6; ++i, bits /= 36)
        name += kDigits[bits % 36];
    return name;
}

std::string procPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

int openAt(int folderFd, const char* path, int flags, mode_t mode) { return ::openat(folderFd, path, flags, mode); }

}  // namespace

FileWriterCalls fileWriterCalls = {openAt, ::write, ::fsync, ::linkat, ::renameat};

Result<AtomicFileWriter> AtomicFileWriter::create(const std::string& path, MissingFolder missingFolder) {
    const auto target = locate(path);
    if (!target)
        return target.error();
    if (target->kind == Target::inPlace) {
        const auto fd = openInPlace(target->path);
        if (!fd)
            return fd.error();
        return AtomicFileWriter(path, Kind::inPlace, *fd);
    }
    PathParts parts = splitPath(target->path);
    if (parts.name.empty())
        return systemError(EISDIR);
    const auto folderFd = openFolder(parts.folder, missingFolder);
    if (!folderFd)
        return folderFd.error();
    AtomicFileWriter writer(path, Kind::unnamedTemporary, -1);
    writer.folderFd_ = *folderFd;
    writer.targetName_ = std::move(parts.name);
    writer.targetExisted_ = target->kind == Target::regular;
    if (const auto opened = writer.openTemporary(writer.targetExisted_ ? target->mode : kNewFileMode); !opened)
        return opened.error();
    return writer;
}

Result<std::monostate> AtomicFileWriter::openTemporary(mode_t mode) {
    // Private until its mode is set: a replaced file keeps its mode exactly,
    // whatever the umask; a new one is made as any program makes its files.
    const mode_t createMode = targetExisted_ ? S_IRUSR | S_IWUSR : mode;
    fd_ = fileWriterCalls.openat(folderFd_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, createMode);
    if (fd_ >= 0 && ::access(procPath(fd_).c_str(), F_OK) == 0) {
        kind_ = Kind::unnamedTemporary;
    } else {
        // No unnamed file on this file system (older kernels say EISDIR or
        // ENOENT), or no /proc to link one through: a named one instead.
        const int code = errno;
        if (fd_ >= 0)
            ::close(std::exchange(fd_, -1));
        else if (code != EOPNOTSUPP && code != EISDIR && code != EINVAL && code != ENOENT)
            return systemError(code);
        kind_ = Kind::namedTemporary;
        for (int attempt = 0; fd_ < 0; ++attempt) {
            if (attempt == kNameAttempts)
                return systemError(EEXIST);
            std::string name = temporaryName();
            fd_ = fileWriterCalls.openat(folderFd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
            if (fd_ >= 0) {
                cleanup_ = TemporaryFileCleanup(folderFd_, name);
                temporaryName_ = std::move(name);
            } else if (errno != EEXIST) {
                return systemError(errno);
            }
        }
    }
    if (targetExisted_ && ::fchmod(fd_, mode) != 0)
        return systemError(errno);
    return done();
}

AtomicFileWriter::AtomicFileWriter(std::string path, Kind kind, int fd)
    : path_(std::move(path)), kind_(kind), fd_(fd), buffer_(std::make_unique<char[]>(kBufferSize)) {}

AtomicFileWriter::AtomicFileWriter(AtomicFileWriter&& other) noexcept
    : path_(std::move(other.path_)),
      kind_(other.kind_),
      fd_(std::exchange(other.fd_, -1)),
      folderFd_(std::exchange(other.folderFd_, -1)),
      targetName_(std::move(other.targetName_)),
      targetExisted_(other.targetExisted_),
      temporaryName_(std::exchange(other.temporaryName_, {})),
      cleanup_(std::move(other.cleanup_)),
      failure_(other.failure_),
      buffer_(std::move(other.buffer_)),
      buffered_(std::exchange(other.buffered_, 0)),
      writtenBytes_(other.writtenBytes_),
      writebackStart_(other.writebackStart_) {}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

void AtomicFileWriter::discard() {
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    if (!temporaryName_.empty())
        ::unlinkat(folderFd_, std::exchange(temporaryName_, {}).c_str(), 0);
    cleanup_ = {};
    if (folderFd_ >= 0)
        ::close(std::exchange(folderFd_, -1));
}

bool AtomicFileWriter::flush() {
    const char* next = buffer_.get();
    std::size_t left = buffered_;
    while (left > 0 && failure_ == 0) {
        const ssize_t written = fileWriterCalls.write(fd_, next, left);
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
    auto placed = putInPlace();
    // Whatever is left (the file, a temporary name, the folder) goes.
    discard();
    return placed;
}

Result<std::monostate> AtomicFileWriter::putInPlace() {
    if (!flush())
        return systemError(failure_);
    // A device, FIFO or socket cannot be synced, and need not be.
    if (fileWriterCalls.fsync(fd_) != 0 &&
        (kind_ != Kind::inPlace || (errno != EINVAL && errno != ENOTSUP && errno != EROFS)))
        return systemError(errno);
    if (kind_ == Kind::inPlace)
        return ::close(std::exchange(fd_, -1)) == 0 ? done() : systemError(errno);
    if (kind_ == Kind::unnamedTemporary) {
        if (auto linked = linkUnnamedTemporary(); !linked)
            return linked;
    } else if (::close(std::exchange(fd_, -1)) != 0) {
        return systemError(errno);
    }
    if (!temporaryName_.empty()) {
        if (fileWriterCalls.renameat(folderFd_, temporaryName_.c_str(), folderFd_, targetName_.c_str()) != 0)
            return systemError(errno);
        temporaryName_.clear();
        cleanup_ = {};
    }
    // The new entry in the folder: without this, a power cut soon after a
    // save could bring back the old file, or none. Some file systems cannot
    // sync a folder (EINVAL), nor can a folder opened only as a path (EBADF);
    // there the change is as safe as it gets.
    if (fileWriterCalls.fsync(folderFd_) != 0 && errno != EINVAL && errno != EBADF)
        return systemError(errno);
    return done();
}

Result<std::monostate> AtomicFileWriter::linkUnnamedTemporary() {
    const std::string source = procPath(fd_);
    // With no file to replace, the file takes the target's name at once, and
    // an existing file is never replaced by a link (EEXIST). One made since
    // the writer was created is replaced as any other.
    if (!targetExisted_) {
        if (fileWriterCalls.linkat(AT_FDCWD, source.c_str(), folderFd_, targetName_.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return done();
        if (errno != EEXIST)
            return systemError(errno);
    }
    // Linking to the target's name would fail, so the file gets a short
    // temporary name, renamed over the target straight after: only SIGKILL
    // between the two calls leaves that name behind.
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = temporaryName();
        if (fileWriterCalls.linkat(AT_FDCWD, source.c_str(), folderFd_, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporaryName_ = std::move(name);
            cleanup_ = TemporaryFileCleanup(folderFd_, temporaryName_);
            return done();
        }
        if (errno != EEXIST)
            return systemError(errno);
    }
    return systemError(EEXIST);
}
