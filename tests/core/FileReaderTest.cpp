// What the file reader refuses before anything can wait on it.
#include "core/FileReader.h"

#include "support/Errors.h"
#include "support/FifoWithoutWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A socket's node in the file system, as a running server leaves it.
bool makeSocketNode(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

}  // namespace

TEST(FileReader, RefusesWhatIsNotARegularFileAtOnce) {
    TempDir dir;
    const FifoWithoutWriter fifo(dir.file("capture.log"));
    ASSERT_TRUE(fifo.made());
    const std::string socket = dir.file("bus.sock");
    const struct {
        const char* name;
        std::string path;
        std::function<bool()> make;
        const char* expected;
    } rows[] = {
        {"FIFO without a writer", fifo.path(), [] { return true; }, "not a regular file"},
        {"socket", socket, [&] { return makeSocketNode(socket); }, "not a regular file"},
        {"character device", "/dev/zero", [] { return ::access("/dev/zero", F_OK) == 0; }, "not a regular file"},
        {"folder", dir.path(), [] { return true; }, "Is a directory"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.make()) {
            ADD_FAILURE() << "could not make the " << row.name;
            continue;
        }
        const auto opened = fifo.call([&] { return FileReader::open(row.path); });
        ASSERT_TRUE(opened) << "open() waited on the " << row.name;
        EXPECT_EQ(errorOf(*opened), (Error{0, row.expected}));
        const auto ifExists = fifo.call([&] { return FileReader::openIfExists(row.path); });
        ASSERT_TRUE(ifExists) << "openIfExists() waited on the " << row.name;
        EXPECT_EQ(errorOf(*ifExists), (Error{0, row.expected}));
    }
}

TEST(FileReader, OpenIfExistsGivesNothingWhereNoFileIs) {
    TempDir dir;
    TempDir::write(dir.file("plain"), "x");
    for (const std::string& path : {dir.file("missing.ini"), dir.file("plain/Configure.ini")}) {
        const auto opened = FileReader::openIfExists(path);
        ASSERT_TRUE(opened) << path << ": " << opened.error().text;
        EXPECT_FALSE(opened->has_value()) << path;
    }
    const auto present = FileReader::openIfExists(dir.file("plain"));
    ASSERT_TRUE(present && present->has_value());
    EXPECT_EQ((*present)->sizeBytes(), 1u);
}
