#include "device/IniFile.h"

#include "support/Errors.h"
#include "support/FifoWithoutWriter.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// A file as a user might have left it: comments, other sections, spacing of
// their own, a line that is neither key nor section.
constexpr std::string_view kHandMade =
    "; adapter settings\n"
    "[Window]\n"
    "Left = 10\n"
    "\n"
    "[DeviceSetup]\n"
    "USB Device=\n"
    "Work Mode = 1\n"
    "# tuned for the test rig\n"
    "Baud Rate=250\n"
    "not a key line\n"
    "\n"
    "[Other]\n"
    "Baud Rate=77\n";

// kHandMade as written back: every line ends in CR LF.
constexpr std::string_view kHandMadeWritten =
    "; adapter settings\r\n"
    "[Window]\r\n"
    "Left = 10\r\n"
    "\r\n"
    "[DeviceSetup]\r\n"
    "USB Device=\r\n"
    "Work Mode = 1\r\n"
    "# tuned for the test rig\r\n"
    "Baud Rate=250\r\n"
    "not a key line\r\n"
    "\r\n"
    "[Other]\r\n"
    "Baud Rate=77\r\n";

}  // namespace

TEST(IniFile, SettingAKeyChangesOnlyItsValueAndKeepsEveryOtherLine) {
    IniFile file = IniFile::parse(kHandMade);
    file.setValue("DeviceSetup", "Baud Rate", "1000");
    file.setValue("DeviceSetup", "Work Mode", "0");
    std::string expected(kHandMadeWritten);
    expected.replace(expected.find("Work Mode = 1"), 13, "Work Mode = 0");
    expected.replace(expected.find("Baud Rate=250"), 13, "Baud Rate=1000");
    EXPECT_EQ(file.text(), expected);
    EXPECT_EQ(IniFile::parse(kHandMade).text(), kHandMadeWritten) << "an unchanged document keeps every line";
    EXPECT_EQ(IniFile::parse(kHandMadeWritten).text(), kHandMadeWritten) << "what we write reads back byte for byte";
}

TEST(IniFile, ReadsTrimmedValuesOfTheNamedSectionOnly) {
    const IniFile file = IniFile::parse(kHandMade);
    EXPECT_EQ(file.value("DeviceSetup", "Work Mode"), "1");
    EXPECT_EQ(file.value("DeviceSetup", "USB Device"), "");
    EXPECT_EQ(file.value("Other", "Baud Rate"), "77");
    EXPECT_EQ(file.value("Window", "Baud Rate"), std::nullopt);
    EXPECT_EQ(file.value("Missing", "Left"), std::nullopt);
    EXPECT_EQ(file.value("DeviceSetup", "not a key line"), std::nullopt);
    EXPECT_EQ(IniFile::parse("[S]\nk =  a = b  \n").value("S", "k"), "a = b") << "the first '=' ends the key";
}

TEST(IniFile, SectionAndKeyNamesMatchWithoutRegardToCase) {
    IniFile file = IniFile::parse("[devicesetup]\nBAUD RATE = 250\n");
    EXPECT_EQ(file.value("DeviceSetup", "Baud Rate"), "250");
    file.setValue("DEVICESETUP", "baud rate", "500");
    EXPECT_EQ(file.text(), "[devicesetup]\r\nBAUD RATE = 500\r\n") << "the file's own spelling stays";
}

TEST(IniFile, MissingKeyGoesAtTheEndOfItsSectionBeforeTheGapToTheNext) {
    IniFile file = IniFile::parse("[A]\nx=1\n\n; about B\n[B]\ny=2\n");
    file.setValue("a", "z", "3");
    file.setValue("B", "w", "");
    EXPECT_EQ(file.text(), "[A]\r\nx=1\r\nz=3\r\n\r\n; about B\r\n[B]\r\ny=2\r\nw=\r\n");

    IniFile headerOnly = IniFile::parse("[A]\n[B]\n");
    headerOnly.setValue("A", "k", "v");
    EXPECT_EQ(headerOnly.text(), "[A]\r\nk=v\r\n[B]\r\n");
}

TEST(IniFile, MissingSectionGoesAtTheEndOfTheFile) {
    IniFile file = IniFile::parse("[A]\nx=1");
    file.setValue("DeviceSetup", "Work Mode", "0");
    EXPECT_EQ(file.text(), "[A]\r\nx=1\r\n\r\n[DeviceSetup]\r\nWork Mode=0\r\n");

    IniFile empty = IniFile::parse("");
    empty.setValue("DeviceSetup", "USB Device", "");
    EXPECT_EQ(empty.text(), "[DeviceSetup]\r\nUSB Device=\r\n");
}

TEST(IniFile, ReadsLfCrLfAndMixedLineEndsAndWritesCrLf) {
    const struct {
        const char* name;
        std::string_view text;
    } rows[] = {
        {"CrLf", "; note\r\n[DeviceSetup]\r\nBaud Rate=125\r\nFrame Type=1\r\n"},
        {"Lf", "; note\n[DeviceSetup]\nBaud Rate=125\nFrame Type=1\n"},
        {"Mixed", "; note\n[DeviceSetup]\r\nBaud Rate=125\nFrame Type=1\r\n"},
        {"MixedWithoutLastLineEnd", "; note\r\n[DeviceSetup]\nBaud Rate=125\r\nFrame Type=1"},
    };
    for (const auto& row : rows) {
        IniFile file = IniFile::parse(row.text);
        EXPECT_EQ(file.value("DeviceSetup", "Baud Rate"), "125") << row.name << ": no CR in a value";
        EXPECT_EQ(file.value("DeviceSetup", "Frame Type"), "1") << row.name;
        file.setValue("DeviceSetup", "Frame Type", "0");
        EXPECT_EQ(file.text(), "; note\r\n[DeviceSetup]\r\nBaud Rate=125\r\nFrame Type=0\r\n") << row.name;
    }
}

TEST(IniFile, IgnoresAByteOrderMarkBeforeTheFirstSection) {
    EXPECT_EQ(IniFile::parse("\xEF\xBB\xBF[DeviceSetup]\nWork Mode=1\n").value("DeviceSetup", "Work Mode"), "1");
}

TEST(IniFileLoad, MissingFileIsAnEmptyDocument) {
    TempDir dir;
    const auto missing = IniFile::load(dir.file("Configure.ini"));
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->text(), "");
    ASSERT_TRUE(IniFile::load(dir.file("no-such-folder/Configure.ini")));
}

TEST(IniFileLoad, RefusesWhatIsNoSettingsFileWithoutWaitingOrReadingIt) {
    TempDir dir;
    const FifoWithoutWriter fifo(dir.file("fifo.ini"));
    ASSERT_TRUE(fifo.made());
    // Refused on its size, so what it holds does not matter: zeros, written as a hole.
    const std::string large = dir.file("large.ini");
    TempDir::write(large, "");
    std::filesystem::resize_file(large, IniFile::kMaxFileBytes + 1);
    const struct {
        const char* name;
        std::string path;
        const char* expected;
    } rows[] = {
        {"folder", dir.path(), "Is a directory"},
        {"FIFO without a writer", fifo.path(), "not a regular file"},
        {"one byte beyond the largest settings file", large,
         "1048577 bytes, larger than a settings file may be (1048576)"},
    };
    for (const auto& row : rows) {
        const auto loaded = fifo.call([&] { return IniFile::load(row.path); });
        ASSERT_TRUE(loaded) << row.name << ": waited for a writer";
        EXPECT_EQ(errorOf(*loaded).text, row.expected) << row.name;
    }

    std::filesystem::resize_file(large, IniFile::kMaxFileBytes);
    EXPECT_TRUE(IniFile::load(large)) << "the largest settings file";
}

TEST(IniFileSave, WritesTheDocumentAndCreatesAMissingFolder) {
    TempDir dir;
    const std::string path = dir.file("config/Vorelin/Configure.ini");
    const auto saved = IniFile::parse("[A]\nx=1\n").save(path);
    ASSERT_TRUE(saved) << saved.error().text;
    EXPECT_EQ(TempDir::read(path), "[A]\r\nx=1\r\n");
    const auto loaded = IniFile::load(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->value("A", "x"), "1");
}

TEST(IniFileSave, FolderThatIsAFileIsReportedWithTheReason) {
    TempDir dir;
    TempDir::write(dir.file("plain"), "x");
    EXPECT_EQ(errorOf(IniFile::parse("[A]\n").save(dir.file("plain/Configure.ini"))).text, "Not a directory");
}

TEST(IniFileSave, FailedWriteLeavesTheOldFileWholeAndNoTemporaryBehind) {
    TempDir dir;
    const std::string path = dir.file("Configure.ini");
    TempDir::write(path, "[DeviceSetup]\nBaud Rate=250\n");
    IniFile file = IniFile::parse("[DeviceSetup]\nBaud Rate=250\n");
    file.setValue("DeviceSetup", "Comment", std::string(64, 'x'));
    Result<std::monostate> saved = std::monostate{};
    {
        const FileSizeLimit limit(16);
        saved = file.save(path);
    }
    EXPECT_EQ(errorOf(saved).text, "File too large");
    EXPECT_EQ(TempDir::read(path), "[DeviceSetup]\nBaud Rate=250\n");
    EXPECT_EQ(dir.entryCount(), 1u) << "the temporary file is removed";
}
