#include "device/IniFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

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

}  // namespace

TEST(IniFile, SettingAKeyChangesOnlyItsValueAndKeepsEveryOtherLine) {
    IniFile file = IniFile::parse(kHandMade);
    file.setValue("DeviceSetup", "Baud Rate", "1000");
    file.setValue("DeviceSetup", "Work Mode", "0");
    EXPECT_EQ(file.text(),
              "; adapter settings\n"
              "[Window]\n"
              "Left = 10\n"
              "\n"
              "[DeviceSetup]\n"
              "USB Device=\n"
              "Work Mode = 0\n"
              "# tuned for the test rig\n"
              "Baud Rate=1000\n"
              "not a key line\n"
              "\n"
              "[Other]\n"
              "Baud Rate=77\n");
    EXPECT_EQ(IniFile::parse(kHandMade).text(), kHandMade) << "an unchanged document writes back as it was read";
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
    EXPECT_EQ(file.text(), "[devicesetup]\nBAUD RATE = 500\n") << "the file's own spelling stays";
}

TEST(IniFile, MissingKeyGoesAtTheEndOfItsSectionBeforeTheGapToTheNext) {
    IniFile file = IniFile::parse("[A]\nx=1\n\n; about B\n[B]\ny=2\n");
    file.setValue("a", "z", "3");
    file.setValue("B", "w", "");
    EXPECT_EQ(file.text(), "[A]\nx=1\nz=3\n\n; about B\n[B]\ny=2\nw=\n");

    IniFile headerOnly = IniFile::parse("[A]\n[B]\n");
    headerOnly.setValue("A", "k", "v");
    EXPECT_EQ(headerOnly.text(), "[A]\nk=v\n[B]\n");
}

TEST(IniFile, MissingSectionGoesAtTheEndOfTheFile) {
    IniFile file = IniFile::parse("[A]\nx=1");
    file.setValue("DeviceSetup", "Work Mode", "0");
    EXPECT_EQ(file.text(), "[A]\nx=1\n\n[DeviceSetup]\nWork Mode=0\n");

    IniFile empty = IniFile::parse("");
    empty.setValue("DeviceSetup", "USB Device", "");
    EXPECT_EQ(empty.text(), "[DeviceSetup]\nUSB Device=\n");
}

TEST(IniFile, AcceptsCrLfAndWritesLf) {
    IniFile file = IniFile::parse("; note\r\n[DeviceSetup]\r\nBaud Rate=125\r\nFrame Type=1\r\n");
    EXPECT_EQ(file.value("DeviceSetup", "Baud Rate"), "125");
    EXPECT_EQ(file.value("DeviceSetup", "Frame Type"), "1");
    file.setValue("DeviceSetup", "Frame Type", "0");
    EXPECT_EQ(file.text(), "; note\n[DeviceSetup]\nBaud Rate=125\nFrame Type=0\n");
}

TEST(IniFile, IgnoresAByteOrderMarkBeforeTheFirstSection) {
    EXPECT_EQ(IniFile::parse("\xEF\xBB\xBF[DeviceSetup]\nWork Mode=1\n").value("DeviceSetup", "Work Mode"), "1");
}

TEST(IniFileLoad, MissingFileIsAnEmptyDocumentAndAFolderIsAnError) {
    TempDir dir;
    const auto missing = IniFile::load(dir.file("Configure.ini"));
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->text(), "");
    ASSERT_TRUE(IniFile::load(dir.file("no-such-folder/Configure.ini")));

    const auto folder = IniFile::load(dir.path());
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error().text, "Is a directory");
}

TEST(IniFileSave, WritesTheDocumentAndCreatesAMissingFolder) {
    TempDir dir;
    const std::string path = dir.file("config/Vorelin/Configure.ini");
    const auto saved = IniFile::parse("[A]\r\nx=1\r\n").save(path);
    ASSERT_TRUE(saved) << saved.error().text;
    EXPECT_EQ(TempDir::read(path), "[A]\nx=1\n");
    const auto loaded = IniFile::load(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->value("A", "x"), "1");
}

TEST(IniFileSave, FolderThatIsAFileIsReportedWithTheReason) {
    TempDir dir;
    TempDir::write(dir.file("plain"), "x");
    const auto saved = IniFile::parse("[A]\n").save(dir.file("plain/Configure.ini"));
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().text, "Not a directory");
}

// A file-size limit makes the write itself fail half way, even for root.
TEST(IniFileSave, FailedWriteLeavesTheOldFileWholeAndNoTemporaryBehind) {
    TempDir dir;
    const std::string path = dir.file("Configure.ini");
    TempDir::write(path, "[DeviceSetup]\nBaud Rate=250\n");

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    IniFile file = IniFile::parse("[DeviceSetup]\nBaud Rate=250\n");
    file.setValue("DeviceSetup", "Comment", std::string(64, 'x'));
    const auto saved = file.save(path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().text, "File too large");
    EXPECT_EQ(TempDir::read(path), "[DeviceSetup]\nBaud Rate=250\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1) << "the temporary file is removed";
}
