#include "core/AtomicFileWriter.h"
#include "core/FileReader.h"
#include "core/FileWriterCalls.h"

#include "support/Errors.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Bytes that no slip of an offset could leave unchanged.
std::string patternBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = char((i * 7919) >> 3);
    return bytes;
}

}  // namespace

TEST(AtomicFileWriter, CommitReplacesTheFileWithAllItsBytes) {
    TempDir dir;
    const std::string path = dir.file("capture.orx");
    TempDir::write(path, "old");
    // Beyond the buffer many times over, and past two early write-backs.
    const std::string bytes = patternBytes(18'000'000 + 17);
    auto writer = AtomicFileWriter::create(path);
    ASSERT_TRUE(writer);
    ASSERT_TRUE(writer->write(bytes.substr(0, 1000)));
    ASSERT_TRUE(writer->write(bytes.data() + 1000, bytes.size() - 1000));
    EXPECT_EQ(TempDir::read(path), "old") << "nothing replaced before the commit";
    ASSERT_TRUE(writer->commit());
    EXPECT_EQ(TempDir::read(path), bytes);
    EXPECT_EQ(dir.entryCount(), 1u) << "no temporary file left";
}

TEST(AtomicFileWriter, AnAbandonedWriteLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    const std::string path = dir.file("log.txt");
    TempDir::write(path, "previous log");
    {
        auto writer = AtomicFileWriter::create(path);
        ASSERT_TRUE(writer);
        writer->write(std::string_view("half a log"));
    }
    EXPECT_EQ(TempDir::read(path), "previous log");
    EXPECT_EQ(dir.entryCount(), 1u);
}


namespace {

std::string reason(int code) { return std::error_code(code, std::generic_category()).message(); }

// Saves in pieces, as the capture and log writers do.
Result<std::monostate> save(const std::string& path, const std::string& bytes,
                            MissingFolder missingFolder = MissingFolder::refuse) {
    auto writer = AtomicFileWriter::create(path, missingFolder);
    if (!writer)
        return writer.error();
    constexpr std::size_t kPiece = 100'000;
    for (std::size_t at = 0; at < bytes.size(); at += kPiece)
        writer->write(bytes.data() + at, std::min(kPiece, bytes.size() - at));
    return writer->commit();
}

struct stat statusOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

}  // namespace

TEST(AtomicFileWriter, ALinkIsFollowedAndTheFileItNamesReplaced) {
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links;  // where, and what it says
        std::string out, target;
    } rows[] = {
        {"a link beside its file", {{"out.log", "data/real.log"}}, "out.log", "data/real.log"},
        {"a link read from its own folder", {{"out/out.log", "../data/real.log"}}, "out/out.log", "data/real.log"},
        {"a link to a link", {{"out.log", "hop.log"}, {"hop.log", "data/real.log"}}, "out.log", "data/real.log"},
        {"a dangling link", {{"out.log", "data/new.log"}}, "out.log", "data/new.log"},
    };
    for (const auto& row : rows) {
        TempDir dir;
        std::filesystem::create_directory(dir.file("out"));
        std::filesystem::create_directory(dir.file("data"));
        TempDir::write(dir.file("data/real.log"), "old");
        ::chmod(dir.file("data/real.log").c_str(), 0600);
        for (const auto& [where, text] : row.links)
            std::filesystem::create_symlink(text, dir.file(where));
        const auto saved = save(dir.file(row.out), "new");
        ASSERT_TRUE(saved) << row.name << ": " << saved.error().text;
        EXPECT_EQ(TempDir::read(dir.file(row.target)), "new") << row.name;
        for (const auto& [where, text] : row.links)
            EXPECT_EQ(std::filesystem::read_symlink(dir.file(where)), text) << row.name << ": the link stays";
        if (row.target == "data/real.log") {
            EXPECT_EQ(statusOf(dir.file(row.target)).st_mode & 07777, 0600u) << row.name << ": its own mode";
        }
    }
}

TEST(AtomicFileWriter, ADeviceIsWrittenInPlaceAndStaysADevice) {
    TempDir dir;
    // The null device under a name of our own where we may make one (root);
    // the system's own only where a faulty writer could not replace it.
    std::string device = dir.file("null");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        device = "/dev/null";
    if (device == "/dev/null" && (::access("/dev", W_OK) == 0 || ::access("/dev/null", W_OK) != 0))
        GTEST_SKIP() << "no device node of our own, and /dev/null is not safe to write here";
    const struct stat before = statusOf(device);
    const auto saved = save(device, patternBytes(3'000'000));
    ASSERT_TRUE(saved) << device << ": " << saved.error().text;
    const struct stat after = statusOf(device);
    EXPECT_TRUE(S_ISCHR(after.st_mode)) << device;
    EXPECT_EQ(after.st_ino, before.st_ino) << device;
    EXPECT_EQ(after.st_rdev, before.st_rdev) << device;
}

TEST(AtomicFileWriter, StandardOutputSentToAFileIsWrittenIntoThatFile) {
    if (::access("/proc/self/fd/1", F_OK) != 0)
        GTEST_SKIP() << "no /proc/self/fd here";
    // "convert IN /dev/stdout > FILE" and ">> FILE": the shell's file, not a
    // new one. A link of our own stands for /dev/stdout, which a faulty
    // writer run as root would replace.
    const struct {
        const char* name;
        int flags;
        const char* expected;
    } rows[] = {{">", O_TRUNC, "frames\n"}, {">>", O_APPEND, "earlier\nframes\n"}};
    for (const auto& row : rows) {
        TempDir dir;
        const std::string path = dir.file("out.log");
        TempDir::write(path, "earlier\n");
        std::filesystem::create_symlink("/proc/self/fd/1", dir.file("stdout"));
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | row.flags);
        ASSERT_GE(fd, 0);
        const ino_t inode = statusOf(path).st_ino;
        std::fflush(stdout);
        const int standardOutput = ::dup(STDOUT_FILENO);
        ::dup2(fd, STDOUT_FILENO);
        ::close(fd);
        const auto saved = save(dir.file("stdout"), "frames\n");
        ::dup2(standardOutput, STDOUT_FILENO);
        ::close(standardOutput);
        ASSERT_TRUE(saved) << row.name << ": " << saved.error().text;
        EXPECT_EQ(TempDir::read(path), row.expected) << row.name;
        EXPECT_EQ(statusOf(path).st_ino, inode) << row.name;
    }
}

TEST(AtomicFileWriter, AFifoIsWrittenInPlaceForItsReader) {
    TempDir dir;
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Opened first and without waiting, so that a writer that never opens
    // the FIFO fails this test instead of hanging it.
    const int readFd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(readFd, 0);
    ::fcntl(readFd, F_SETFL, 0);
    auto writer = AtomicFileWriter::create(fifo);
    if (!writer) {
        ::close(readFd);
        FAIL() << writer.error().text;
    }
    std::string received;
    std::thread reader([&] {
        char chunk[65536];
        ssize_t got;
        while ((got = ::read(readFd, chunk, sizeof chunk)) > 0)
            received.append(chunk, std::size_t(got));
    });
    const std::string bytes = patternBytes(3'000'000 + 5);
    writer->write(bytes);
    const auto committed = writer->commit();
    reader.join();
    ::close(readFd);
    ASSERT_TRUE(committed) << committed.error().text;
    EXPECT_TRUE(received == bytes) << received.size() << " of " << bytes.size() << " bytes";
    EXPECT_TRUE(S_ISFIFO(statusOf(fifo).st_mode));
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(AtomicFileWriter, RefusesAFolderAndAMissingFolderUnlessToldToMakeIt) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder"));
    TempDir::write(dir.file("folder/inside"), "x");
    std::filesystem::create_directory_symlink("folder", dir.file("folder.log"));
    TempDir::write(dir.file("plain"), "x");
    const struct {
        std::string out;
        MissingFolder missingFolder;
        std::string expected;
    } rows[] = {
        {"folder", MissingFolder::refuse, "Is a directory"},
        {"folder.log", MissingFolder::refuse, "Is a directory"},
        {"new/a/b/out.log", MissingFolder::refuse, dir.file("new/a/b") + ": No such file or directory"},
        {"plain/out.log", MissingFolder::create, "Not a directory"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(errorOf(save(dir.file(row.out), "y", row.missingFolder)).text, row.expected) << row.out;
    EXPECT_EQ(TempDir::read(dir.file("folder/inside")), "x");
    EXPECT_EQ(dir.entryCount(), 3u) << "nothing made";

    ASSERT_TRUE(save(dir.file("new/a/b/out.log"), "y", MissingFolder::create));
    EXPECT_EQ(TempDir::read(dir.file("new/a/b/out.log")), "y");
}

namespace {

enum class Temporary { unnamed, named };

// The writer's system calls with one fault on request: the N-th call of a
// kind fails with the given errno, or for a write with errno 0, writes only
// half of what it was asked to.
enum class Call { write, fsync, link, rename };
using CallCounts = std::array<int, 4>;

struct Fault {
    Call call;
    int nth;
    int errorCode;
};

struct FaultyCalls {
    static inline bool refuseUnnamed = false;
    static inline CallCounts counts{};
    static inline std::optional<Fault> fault;

    static bool strikes(Call call) {
        const int nth = ++counts[std::size_t(call)];
        if (!fault || fault->call != call || fault->nth != nth)
            return false;
        errno = fault->errorCode;
        return true;
    }
    static int openat(int folderFd, const char* path, int flags, mode_t mode) {
        if (refuseUnnamed && (flags & O_TMPFILE) == O_TMPFILE) {
            errno = EOPNOTSUPP;
            return -1;
        }
        return ::openat(folderFd, path, flags, mode);
    }
    static ssize_t write(int fd, const void* bytes, std::size_t size) {
        if (!strikes(Call::write))
            return ::write(fd, bytes, size);
        return errno == 0 ? ::write(fd, bytes, size / 2) : -1;
    }
    static int fsync(int fd) { return strikes(Call::fsync) ? -1 : ::fsync(fd); }
    static int linkat(int fromFolderFd, const char* from, int toFolderFd, const char* to, int flags) {
        return strikes(Call::link) ? -1 : ::linkat(fromFolderFd, from, toFolderFd, to, flags);
    }
    static int renameat(int fromFolderFd, const char* from, int toFolderFd, const char* to) {
        return strikes(Call::rename) ? -1 : ::renameat(fromFolderFd, from, toFolderFd, to);
    }
};

class ScopedFaultyCalls {
public:
    explicit ScopedFaultyCalls(Temporary temporary) : saved_(fileWriterCalls) {
        FaultyCalls::refuseUnnamed = temporary == Temporary::named;
        FaultyCalls::counts = {};
        FaultyCalls::fault.reset();
        fileWriterCalls = {FaultyCalls::openat, FaultyCalls::write, FaultyCalls::fsync, FaultyCalls::linkat,
                           FaultyCalls::renameat};
    }
    ~ScopedFaultyCalls() { fileWriterCalls = saved_; }
    ScopedFaultyCalls(const ScopedFaultyCalls&) = delete;
    ScopedFaultyCalls& operator=(const ScopedFaultyCalls&) = delete;

private:
    FileWriterCalls saved_;
};

// In a forked child: writes more than the buffer holds, so that the
// temporary has bytes on disk, tells the test so, and waits for its signal.
[[noreturn]] void saveUntilSignalled(const std::string& path, int readyFd) {
    // As a program started from a terminal has them, whatever ran the test.
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, SIG_DFL);
    auto writer = AtomicFileWriter::create(path);
    if (!writer || !writer->write(patternBytes((2 << 20) + 1)) || ::write(readyFd, "w", 1) != 1)
        ::_exit(3);
    for (;;)
        ::pause();
}

// Each test runs with the file system's unnamed temporary and again with the
// named one it falls back to.
class AtomicFileWriterTemporaries : public testing::TestWithParam<Temporary> {
protected:
    void SetUp() override {
        if (GetParam() == Temporary::unnamed) {
            const int probe = ::open(dir.path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
            if (probe < 0)
                GTEST_SKIP() << "the test folder's file system makes no unnamed files (O_TMPFILE)";
            ::close(probe);
        }
    }

    bool unnamed() const { return GetParam() == Temporary::unnamed; }

    TempDir dir;
    ScopedFaultyCalls calls{GetParam()};
};

}  // namespace

TEST_P(AtomicFileWriterTemporaries, AFaultAtAnyCallLeavesTheOldFileWholeAndNothingElse) {
    const std::string path = dir.file("capture.orx");
    const std::string old = "the file before the save";
    const std::string bytes = patternBytes(3'000'000 + 17);
    TempDir::write(path, old);
    ASSERT_TRUE(save(path, bytes));
    // A write per full 1 MiB buffer and one for the rest; a sync of the file
    // and one of its folder; a link of the unnamed file; the rename.
    const CallCounts clean = FaultyCalls::counts;
    ASSERT_EQ(clean, (CallCounts{3, 2, unnamed() ? 1 : 0, 1}));

    const struct {
        const char* name;
        Call call;
        int errorCode;  // 0: a short write
    } rows[] = {
        {"write fails", Call::write, ENOSPC}, {"write interrupted", Call::write, EINTR},
        {"write cut short", Call::write, 0},  {"sync fails", Call::fsync, EIO},
        {"link fails", Call::link, EIO},      {"rename fails", Call::rename, EIO},
    };
    for (const auto& row : rows) {
        for (int nth = 1; nth <= clean[std::size_t(row.call)]; ++nth) {
            const std::string what = std::string(row.name) + " at call " + std::to_string(nth);
            TempDir::write(path, old);
            FaultyCalls::fault = Fault{row.call, nth, row.errorCode};
            FaultyCalls::counts = {};
            const auto saved = save(path, bytes);
            FaultyCalls::fault.reset();
            if (row.errorCode == EINTR || row.errorCode == 0) {
                EXPECT_TRUE(saved) << what << ": retried";
                EXPECT_TRUE(TempDir::read(path) == bytes) << what;
            } else {
                EXPECT_EQ(errorOf(saved).text, reason(row.errorCode)) << what;
                // The folder is synced after the rename: the new file stands
                // whole, but its entry might not outlast a power cut.
                const bool folderSync = row.call == Call::fsync && nth == 2;
                EXPECT_TRUE(TempDir::read(path) == (folderSync ? bytes : old)) << what;
            }
            EXPECT_EQ(dir.entryCount(), 1u) << what << ": no temporary left";
            ASSERT_TRUE(save(path, bytes)) << what << ": the next save";
            EXPECT_TRUE(TempDir::read(path) == bytes) << what << ": the next save";
        }
    }
}

TEST_P(AtomicFileWriterTemporaries, AFullDiskIsReportedAndLeavesTheOldFileAndNothingElse) {
    const std::string path = dir.file("capture.orx");
    TempDir::write(path, "old");
    Result<std::monostate> saved = std::monostate{};
    {
        const FileSizeLimit limit(1 << 20);
        saved = save(path, patternBytes(3'000'000));
    }
    EXPECT_EQ(errorOf(saved).text, "File too large");
    EXPECT_EQ(TempDir::read(path), "old");
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST_P(AtomicFileWriterTemporaries, ANameOfTheLongestLengthIsSavedAndReplaced) {
    const std::string path = dir.file(std::string(NAME_MAX, 'n'));
    for (const char* bytes : {"first", "second"}) {
        const auto saved = save(path, bytes);
        ASSERT_TRUE(saved) << bytes << ": " << saved.error().text;
        EXPECT_EQ(TempDir::read(path), bytes);
    }
    EXPECT_EQ(dir.entryCount(), 1u);
    EXPECT_EQ(errorOf(save(path + "n", "x")).text, "File name too long");
}

TEST_P(AtomicFileWriterTemporaries, ANewFileFollowsTheUmaskAndAReplacedFileKeepsItsMode) {
    const std::string made = dir.file("made.log"), kept = dir.file("kept.log");
    TempDir::write(kept, "old");
    ::chmod(kept.c_str(), 0604);
    const mode_t oldMask = ::umask(027);
    const auto savedMade = save(made, "new");
    const auto savedKept = save(kept, "new");
    ::umask(oldMask);
    ASSERT_TRUE(savedMade && savedKept);
    EXPECT_EQ(statusOf(made).st_mode & 07777, 0640u);
    EXPECT_EQ(statusOf(kept).st_mode & 07777, 0604u);
}

TEST_P(AtomicFileWriterTemporaries, ASignalDuringASaveLeavesOnlyTheOldFile) {
    // SIGKILL cannot be caught: only a temporary without a name survives it.
    const std::vector<int> signals = unnamed() ? std::vector{SIGTERM, SIGKILL} : std::vector{SIGINT, SIGTERM, SIGHUP};
    const std::string path = dir.file("convert.log");
    for (int signal : signals) {
        const std::string what = ::strsignal(signal);
        TempDir::write(path, "old log");
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveUntilSignalled(path, ready[1]);
        ::close(ready[1]);
        char written = 0;
        const bool told = ::read(ready[0], &written, 1) == 1;
        ::close(ready[0]);
        if (told) {
            EXPECT_EQ(dir.entryCount(), unnamed() ? 1u : 2u) << what << ": the temporary while it is written";
        }
        ::kill(child, signal);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(told) << what << ": the child did not get as far as writing";
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << what << ": status " << status;
        EXPECT_EQ(TempDir::read(path), "old log") << what;
        EXPECT_EQ(dir.entryCount(), 1u) << what << ": no temporary left";
    }
}

INSTANTIATE_TEST_SUITE_P(BothTemporaries, AtomicFileWriterTemporaries,
                         testing::Values(Temporary::unnamed, Temporary::named),
                         [](const testing::TestParamInfo<Temporary>& info) {
                             return info.param == Temporary::unnamed ? "Unnamed" : "Named";
                         });

TEST(FileReader, ReadsBackInPiecesAndTellsTheEndFromAnError) {
    TempDir dir;
    const std::string path = dir.file("data.bin");
    const std::string bytes = patternBytes(1'048'576 * 2 + 3);
    TempDir::write(path, bytes);
    auto reader = FileReader::open(path);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->sizeBytes(), bytes.size());
    std::string back(bytes.size(), '\0');
    ASSERT_TRUE(reader->read(back.data(), 5));
    ASSERT_TRUE(reader->read(back.data() + 5, bytes.size() - 5));
    EXPECT_EQ(back, bytes);
    char more = 0;
    EXPECT_FALSE(reader->read(&more, 1)) << "past the end";
    EXPECT_EQ(reader->errorText(), "") << "a clean end is no error";

    EXPECT_FALSE(FileReader::open(dir.file("missing.bin")));
    EXPECT_FALSE(FileReader::open(dir.path())) << "a folder is not a file";
}
