#include "device/ConfigureIni.h"

#include "device/DeviceSettings.h"
#include "support/Errors.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace {

StoredDeviceSetup readText(const TempDir& dir, const std::string& text) {
    const std::string path = dir.file("Configure.ini");
    TempDir::write(path, text);
    return readDeviceSetup(path);
}

}  // namespace

TEST(ConfigureIniPath, BesideTheExecutableWhenWeMayWriteThere) {
    TempDir dir;
    EXPECT_EQ(configureIniPath(dir.path()), dir.path() + "/Configure.ini");
    TempDir::write(dir.file("Configure.ini"), "[DeviceSetup]\n");
    EXPECT_EQ(configureIniPath(dir.path()), dir.path() + "/Configure.ini");
}

TEST(ConfigureIniPath, OtherwiseInTheUsersConfigFolder) {
    TempDir dir;
    TempDir::write(dir.file("plain"), "x");
    {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", "/xdg/home");
        EXPECT_EQ(configureIniPath(dir.file("missing")), "/xdg/home/Vorelin/Configure.ini");
        EXPECT_EQ(configureIniPath(dir.file("plain")), "/xdg/home/Vorelin/Configure.ini");
    }
    {
        // A Configure.ini we cannot write to, even as root: a folder of that name.
        std::filesystem::create_directory(dir.file("Configure.ini"));
        ScopedEnvironment xdg("XDG_CONFIG_HOME", "/xdg/home");
        EXPECT_EQ(configureIniPath(dir.path()), "/xdg/home/Vorelin/Configure.ini");
    }
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/config"}) {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", unusable);
        ScopedEnvironment home("HOME", "/home/tester");
        EXPECT_EQ(configureIniPath(dir.file("missing")), "/home/tester/.config/Vorelin/Configure.ini")
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
    const auto written = writeDeviceSetup(path, DeviceSettings{1, 333, 2, true});
    ASSERT_TRUE(written) << written.error().text;
    EXPECT_EQ(TempDir::read(path),
              "[DeviceSetup]\r\nUSB Device=\r\nWork Mode=1\r\nBaud Rate=333\r\nFrame Type=1\r\n");
}

// Whether we wrote the file or the user's editor did, every line comes back
// with CR LF.
TEST(WriteDeviceSetup, ReplacesTheKeysAndKeepsTheRestOfTheFile) {
    const struct {
        const char* name;
        const char* text;
    } rows[] = {
        {"CrLf", "; kept\r\n[DeviceSetup]\r\nUSB Device=KTR2740\r\nBaud Rate=250\r\nExtra=yes\r\n\r\n[Other]\r\nx=1\r\n"},
        {"LfByHand", "; kept\n[DeviceSetup]\nUSB Device=KTR2740\nBaud Rate=250\nExtra=yes\n\n[Other]\nx=1\n"},
    };
    for (const auto& row : rows) {
        TempDir dir;
        const std::string path = dir.file("Configure.ini");
        TempDir::write(path, row.text);
        const auto written = writeDeviceSetup(path, DeviceSettings{0, 500, 0, false});
        ASSERT_TRUE(written) << row.name << ": " << written.error().text;
        EXPECT_EQ(TempDir::read(path),
                  "; kept\r\n[DeviceSetup]\r\nUSB Device=\r\nBaud Rate=500\r\nExtra=yes\r\nWork Mode=0\r\n"
                  "Frame Type=-1\r\n\r\n[Other]\r\nx=1\r\n")
            << row.name;
    }
}

TEST(WriteDeviceSetup, LeavesAFileItCannotReadAlone) {
    TempDir dir;
    const std::string path = dir.file("Configure.ini");
    std::filesystem::create_directory(path);
    EXPECT_EQ(errorOf(writeDeviceSetup(path, DeviceSettings{})).text, "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(path));
}
