#include "device/ConfigureIni.h"

#include "device/DeviceSettings.h"
#include "device/IniFile.h"
#include "support/Errors.h"
#include "support/FifoWithoutWriter.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include <unistd.h>

namespace {

StoredDeviceSetup readText(const TempDir& dir, const std::string& text) {
    const std::string path = dir.file("Configure.ini");
    TempDir::write(path, text);
    return readDeviceSetup(path);
}

}  // namespace

TEST(ConfigureIniPath, IsBesideTheExecutable) {
    EXPECT_EQ(configureIniPath("/opt/vorelin/bin"), "/opt/vorelin/bin/Configure.ini");
}

TEST(IsSettingsFileWritable, OnlyARegularFileOrNothingInAWritableFolder) {
    TempDir dir;
    TempDir::write(dir.file("plain"), "x");
    std::filesystem::create_directory(dir.file("folder.ini"));
    const FifoWithoutWriter fifo(dir.file("fifo.ini"));
    ASSERT_TRUE(fifo.made());
    EXPECT_TRUE(isSettingsFileWritable(dir.file("Configure.ini"))) << "missing in a writable folder";
    EXPECT_TRUE(isSettingsFileWritable(dir.file("plain")));
    EXPECT_FALSE(isSettingsFileWritable(dir.file("missing/Configure.ini")));
    EXPECT_FALSE(isSettingsFileWritable(dir.file("plain/Configure.ini")));
    EXPECT_FALSE(isSettingsFileWritable(dir.file("folder.ini")));
    EXPECT_FALSE(isSettingsFileWritable(fifo.path()));
}

TEST(IsSettingsFileWritable, AReadOnlyFileIsNotEvenInAWritableFolder) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write a file of mode 444";
    TempDir dir;
    TempDir::write(dir.file("Configure.ini"), "[DeviceSetup]\n");
    std::filesystem::permissions(dir.file("Configure.ini"), std::filesystem::perms(0444));
    EXPECT_FALSE(isSettingsFileWritable(dir.file("Configure.ini")));
    EXPECT_EQ(settingsFiles(dir.file("Configure.ini")).readPath, dir.file("Configure.ini"));
}

TEST(SettingsFiles, BesideWhenWritableElseSavedForTheUserAndReadFromWhatExists) {
    TempDir dir;
    const std::string beside = dir.file("Configure.ini");
    const std::string user = dir.file("config/Vorelin/Configure.ini");
    ScopedEnvironment xdg("XDG_CONFIG_HOME", dir.file("config").c_str());
    const struct {
        const char* name;
        bool besideWritable;
        bool besideExists;
        bool userExists;
        std::string read;
        std::string write;
    } rows[] = {
        {"writable beside", true, true, true, beside, beside},
        {"read-only beside, not yet saved for the user", false, true, false, beside, user},
        {"read-only beside, saved for the user before", false, true, true, user, user},
        {"nothing beside in a read-only folder", false, false, false, user, user},
    };
    for (const auto& row : rows) {
        std::filesystem::remove_all(dir.file("config"));
        std::filesystem::remove(beside);
        if (row.besideExists)
            TempDir::write(beside, "[DeviceSetup]\n");
        if (row.userExists) {
            std::filesystem::create_directories(dir.file("config/Vorelin"));
            TempDir::write(user, "[DeviceSetup]\n");
        }
        const SettingsFiles files = settingsFiles(beside, row.besideWritable);
        EXPECT_EQ(std::tie(files.readPath, files.writePath), std::tie(row.read, row.write)) << row.name;
    }
}

TEST(SettingsFiles, TheUsersFolderComesFromXdgConfigHomeOrHome) {
    const std::string beside = "/nowhere/Configure.ini";
    {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", "/xdg/home");
        EXPECT_EQ(settingsFiles(beside).writePath, "/xdg/home/Vorelin/Configure.ini");
    }
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/config"}) {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", unusable);
        ScopedEnvironment home("HOME", "/home/tester");
        EXPECT_EQ(settingsFiles(beside).writePath, "/home/tester/.config/Vorelin/Configure.ini")
            << "XDG_CONFIG_HOME=" << (unusable ? unusable : "(unset)");
    }
}

TEST(ProfileNumber, ConvertsLikeTheProfileReadersDecimalConversion) {
    struct Row {
        const char* text;
        int32_t expected;
    };
    const Row rows[] = {
        {"", 0},          {"abc", 0},        {"  42", 42},     {"\t7", 7},
        {"+8", 8},        {"-9", -9},        {"12ab", 12},     {"--1", 0},
        {"- 1", 0},       {"1 2", 1},        {"007", 7},       {"2147483647", 2147483647},
        {"99999999999", 2147483647},         {"-2147483648", -2147483647 - 1},
        {"-99999999999", -2147483647 - 1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(profileNumber(row.text), row.expected) << '"' << row.text << '"';
}

TEST(ReadDeviceSetup, MissingOrUnreadableFileReadsAsZeros) {
    TempDir dir;
    const StoredDeviceSetup missing = readDeviceSetup(dir.file("Configure.ini"));
    EXPECT_EQ(std::tuple(missing.workMode, missing.baudRateKbps, missing.frameTypeIndex), std::tuple(0, 0, 0));

    std::filesystem::create_directory(dir.file("folder.ini"));
    EXPECT_EQ(readDeviceSetup(dir.file("folder.ini")).baudRateKbps, 0);

    const StoredDeviceSetup otherSection = readText(dir, "[Elsewhere]\nWork Mode=1\nBaud Rate=250\n");
    EXPECT_EQ(std::tuple(otherSection.workMode, otherSection.baudRateKbps), std::tuple(0, 0));

    const StoredDeviceSetup tooLarge =
        readText(dir, "[DeviceSetup]\nBaud Rate=250\n" + std::string(IniFile::kMaxFileBytes, ' '));
    EXPECT_EQ(tooLarge.baudRateKbps, 0) << "a file larger than any settings file is not read";

    const FifoWithoutWriter fifo(dir.file("fifo.ini"));
    ASSERT_TRUE(fifo.made());
    const auto fromFifo = fifo.call([&] { return readDeviceSetup(fifo.path()); });
    ASSERT_TRUE(fromFifo) << "waited for a writer";
    EXPECT_EQ(fromFifo->baudRateKbps, 0);
}

TEST(ReadDeviceSetup, CountsOnlyTheFirstTwoSevenAndOneCharacters) {
    TempDir dir;
    const StoredDeviceSetup cut = readText(dir, "[DeviceSetup]\nWork Mode=123\nBaud Rate=12345678\nFrame Type=10\n");
    EXPECT_EQ(std::tuple(cut.workMode, cut.baudRateKbps, cut.frameTypeIndex), std::tuple(12, 1234567, 1));

    const StoredDeviceSetup signs = readText(dir, "[DeviceSetup]\r\nwork mode= -1\r\nBaud Rate = -42kbit\r\nFrame Type=-1\r\n");
    EXPECT_EQ(signs.workMode, -1);
    EXPECT_EQ(signs.baudRateKbps, -42);
    EXPECT_EQ(signs.frameTypeIndex, 0) << "\"-\" alone is no number";
}

TEST(WriteDeviceSetup, WritesTheFourKeysInOrderIntoANewFile) {
    TempDir dir;
    const std::string path = dir.file("Configure.ini");
    const auto written = writeDeviceSetup({path, path}, DeviceSettings{1, 333, 2, true});
    ASSERT_TRUE(written) << written.error().text;
    EXPECT_EQ(TempDir::read(path),
              "[DeviceSetup]\r\nUSB Device=\r\nWork Mode=1\r\nBaud Rate=333\r\nFrame Type=1\r\n");
}

constexpr const char* kByHandCrLf =
    "; kept\r\n[DeviceSetup]\r\nUSB Device=KTR2740\r\nBaud Rate=250\r\nExtra=yes\r\n\r\n[Other]\r\nx=1\r\n";
constexpr const char* kByHandLf =
    "; kept\n[DeviceSetup]\nUSB Device=KTR2740\nBaud Rate=250\nExtra=yes\n\n[Other]\nx=1\n";

// Whether we wrote the file or the user's editor did, every line comes back
// with CR LF; saved elsewhere, the file read gives its other lines.
TEST(WriteDeviceSetup, ReplacesTheKeysAndKeepsTheRestOfTheFile) {
    const struct {
        const char* name;
        const char* text;
        bool savedElsewhere;
    } rows[] = {
        {"CrLf", kByHandCrLf, false},
        {"LfByHand", kByHandLf, false},
        {"SavedElsewhere", kByHandLf, true},
    };
    for (const auto& row : rows) {
        TempDir dir;
        const std::string path = dir.file("Configure.ini");
        TempDir::write(path, row.text);
        const SettingsFiles files{path, row.savedElsewhere ? dir.file("user/Configure.ini") : path};
        const auto written = writeDeviceSetup(files, DeviceSettings{0, 500, 0, false});
        ASSERT_TRUE(written) << row.name << ": " << written.error().text;
        EXPECT_EQ(TempDir::read(files.writePath),
                  "; kept\r\n[DeviceSetup]\r\nUSB Device=\r\nBaud Rate=500\r\nExtra=yes\r\nWork Mode=0\r\n"
                  "Frame Type=-1\r\n\r\n[Other]\r\nx=1\r\n")
            << row.name;
        if (row.savedElsewhere) {
            EXPECT_EQ(TempDir::read(path), row.text) << "the file read stays as it was";
        }
    }
}

TEST(WriteDeviceSetup, LeavesAFileItCannotReadAlone) {
    TempDir dir;
    const std::string folder = dir.file("folder.ini");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(errorOf(writeDeviceSetup({folder, folder}, DeviceSettings{})).text, "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    // The 20 MB of newlines a user once found there: refused on its size, unread.
    const std::string large = dir.file("large.ini");
    TempDir::write(large, "");
    std::filesystem::resize_file(large, 20 << 20);
    EXPECT_EQ(errorOf(writeDeviceSetup({large, large}, DeviceSettings{})).text,
              "20971520 bytes, larger than a settings file may be (1048576)");
    EXPECT_EQ(std::filesystem::file_size(large), 20u << 20);

    const FifoWithoutWriter fifo(dir.file("fifo.ini"));
    ASSERT_TRUE(fifo.made());
    const auto written = fifo.call([&] { return writeDeviceSetup({fifo.path(), fifo.path()}, DeviceSettings{}); });
    ASSERT_TRUE(written) << "waited for a writer";
    EXPECT_EQ(errorOf(*written).text, "not a regular file");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo.path()));
}
