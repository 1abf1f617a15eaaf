// Where the single-copy lock and socket live: the runtime folder only when it
// is the user's own and closed to others; else vorelin/HOST in the cache
// folder, made private, and refused when it is a symbolic link, not a folder
// or another user's.
#include "app/RuntimeFolder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace {

constexpr uid_t kNobody = 65534;

// The permission bits of what is at `path`, the link itself for a link.
mode_t modeAt(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// What kind of node is at `path` (folder, link, file), 0 for none.
mode_t kindAt(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// A folder with exactly `mode`, whatever the umask.
void makeFolder(const std::string& path, mode_t mode) {
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0) << path;
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

class RuntimeFolderChoice : public ::testing::Test {
protected:
    void SetUp() override { makeFolder(home(), 0755); }

    std::string home() const { return dir.file("home"); }
    RuntimeFolderInputs inputs(const std::string& runtimeDir = {}) const {
        return {runtimeDir, {}, home(), "bench-3", ::geteuid()};
    }
    std::string fallback() const { return home() + "/.cache/vorelin/bench-3"; }

    TempDir dir;
};

}  // namespace

TEST_F(RuntimeFolderChoice, UsesTheRuntimeFolderOnlyWhenItIsTheUsersAndClosedToOthers) {
    makeFolder(dir.file("private"), 0700);
    makeFolder(dir.file("group"), 0750);
    makeFolder(dir.file("others"), 0701);
    TempDir::write(dir.file("file"), "");
    ASSERT_EQ(::symlink(dir.file("private").c_str(), dir.file("link").c_str()), 0);
    const struct {
        const char* name;
        std::string runtimeDir;
        std::string fault;  // empty: the runtime folder is used
    } rows[] = {
        {"private", dir.file("private"), ""},
        {"a symbolic link to a private folder", dir.file("link"), ""},
        {"unset", "", ""},
        {"relative", "run/user", "not an absolute path"},
        {"missing", dir.file("missing"), "No such file or directory"},
        {"a file", dir.file("file"), "not a folder"},
        {"open to its group", dir.file("group"), "its mode 0750 lets others in"},
        {"open to others", dir.file("others"), "its mode 0701 lets others in"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Result<RuntimeFolder> chosen = chooseRuntimeFolder(inputs(row.runtimeDir));
        ASSERT_TRUE(chosen) << chosen.error().text;
        const bool used = row.fault.empty() && !row.runtimeDir.empty();
        EXPECT_EQ(chosen->path, used ? row.runtimeDir : fallback());
        const std::string notice = "XDG_RUNTIME_DIR " + row.runtimeDir + ": " + row.fault + "; using " + fallback();
        EXPECT_EQ(chosen->notice, row.fault.empty() ? "" : notice);
    }
    EXPECT_EQ(modeAt(dir.file("group")), mode_t(0750)) << "the user's runtime folder is left as it is";
}

TEST_F(RuntimeFolderChoice, MakesTheFallbackPrivateInTheCacheFolder) {
    makeFolder(dir.file("open"), 0755);
    makeFolder(dir.file("open/vorelin"), 0777);
    makeFolder(dir.file("open/vorelin/bench-3"), 0755);
    const struct {
        const char* name;
        std::string cacheHome;
        std::string cache;
    } rows[] = {
        {"made in the home", "", home() + "/.cache"},
        {"made in XDG_CACHE_HOME where missing", dir.file("cache/deeper"), dir.file("cache/deeper")},
        {"there already, open to others", dir.file("open"), dir.file("open")},
        {"not in a relative XDG_CACHE_HOME", "cache", home() + "/.cache"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RuntimeFolderInputs given = inputs();
        given.cacheHome = row.cacheHome;
        const Result<RuntimeFolder> chosen = chooseRuntimeFolder(given);
        ASSERT_TRUE(chosen) << chosen.error().text;
        EXPECT_EQ(chosen->path, row.cache + "/vorelin/bench-3");
        EXPECT_EQ(modeAt(row.cache + "/vorelin"), mode_t(0700));
        EXPECT_EQ(modeAt(row.cache + "/vorelin/bench-3"), mode_t(0700));
    }
    EXPECT_EQ(modeAt(dir.file("open")), mode_t(0755)) << "the user's cache folder is left as it is";
}

TEST_F(RuntimeFolderChoice, RefusesAFallbackThatIsNotAFolderOfItsOwn) {
    makeFolder(dir.file("elsewhere"), 0700);
    const std::string own = home() + "/.cache/vorelin";
    const struct {
        const char* name;
        std::function<void()> setUp;
        std::string refused;
        mode_t kind;
        std::string fault;
    } rows[] = {
        {"a symbolic link as the program's folder",
         [&] { ASSERT_EQ(::symlink(dir.file("elsewhere").c_str(), own.c_str()), 0); }, own, S_IFLNK,
         "a symbolic link, not a folder"},
        {"a symbolic link as the host's folder",
         [&] {
             makeFolder(own, 0700);
             ASSERT_EQ(::symlink(dir.file("elsewhere").c_str(), fallback().c_str()), 0);
         },
         fallback(), S_IFLNK, "a symbolic link, not a folder"},
        {"a file as the program's folder", [&] { TempDir::write(own, "mine"); }, own, S_IFREG, "not a folder"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(home() + "/.cache");
        makeFolder(home() + "/.cache", 0700);
        row.setUp();
        const Result<RuntimeFolder> chosen = chooseRuntimeFolder(inputs("run"));
        ASSERT_FALSE(chosen) << chosen->path;
        EXPECT_EQ(chosen.error().text, "XDG_RUNTIME_DIR run: not an absolute path; " + row.refused + ": " + row.fault);
        EXPECT_EQ(kindAt(row.refused), row.kind) << "left as it was";
        EXPECT_EQ(kindAt(dir.file("elsewhere/bench-3")), mode_t(0)) << "nothing is made through the link";
    }

    RuntimeFolderInputs homeless = inputs();
    homeless.home = "home";
    const Result<RuntimeFolder> chosen = chooseRuntimeFolder(homeless);
    ASSERT_FALSE(chosen);
    EXPECT_EQ(chosen.error().text, "no home folder to keep the lock in") << "never the working folder";
}

TEST_F(RuntimeFolderChoice, AHostNameNeverLeadsOutOfTheProgramsFolder) {
    const struct {
        std::string hostName;
        std::string folder;
    } rows[] = {
        {"bench-3.lab", "bench-3.lab"}, {"lab/../../x", "lab_.._.._x"}, {"..", "localhost"}, {"", "localhost"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hostName);
        RuntimeFolderInputs given = inputs();
        given.hostName = row.hostName;
        const Result<RuntimeFolder> chosen = chooseRuntimeFolder(given);
        ASSERT_TRUE(chosen) << chosen.error().text;
        EXPECT_EQ(chosen->path, home() + "/.cache/vorelin/" + row.folder);
    }
}

TEST_F(RuntimeFolderChoice, RefusesAnotherUsersFolder) {
    makeFolder(dir.file("theirs"), 0700);
    makeFolder(home() + "/.cache", 0700);
    makeFolder(home() + "/.cache/vorelin", 0755);
    if (::chown(dir.file("theirs").c_str(), kNobody, kNobody) != 0 ||
        ::chown((home() + "/.cache/vorelin").c_str(), kNobody, kNobody) != 0)
        GTEST_SKIP() << "handing a folder to another user needs root";

    const Result<RuntimeFolder> chosen = chooseRuntimeFolder(inputs(dir.file("theirs")));
    ASSERT_FALSE(chosen);
    EXPECT_EQ(chosen.error().text, "XDG_RUNTIME_DIR " + dir.file("theirs") + ": another user's folder; " + home() +
                                       "/.cache/vorelin: another user's folder");
    EXPECT_EQ(modeAt(home() + "/.cache/vorelin"), mode_t(0755)) << "another user's folder is left as it is";
}
