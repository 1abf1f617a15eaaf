#include "device/DeviceSetupRules.h"

#include "core/RecordingMessageSink.h"
#include "device/DeviceSettings.h"
#include "device/IniFile.h"
#include "support/FifoWithoutWriter.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <tuple>
#include <vector>

namespace {

const std::vector<std::string> kNineRates = {"10", "20", "50", "100", "125", "250", "500", "800", "1000"};

TEST(PresetSetupLists, BaudRateSelectsItsEntryOrAddsATenth) {
    struct Row {
        int32_t stored;
        int expectedIndex;
        const char* tenthEntry;  // null when the nine fixed entries stay alone
    };
    const Row rows[] = {{10, 0, nullptr},      {125, 4, nullptr}, {0, 6, nullptr},  {500, 6, nullptr},
                        {1000, 8, nullptr},    {333, 9, "333"},   {-5, 9, "-5"},    {1234567, 9, "1234567"}};
    for (const Row& row : rows) {
        const SetupListsPreset preset = presetSetupLists(StoredDeviceSetup{0, row.stored, 0});
        std::vector<std::string> expected = kNineRates;
        if (row.tenthEntry)
            expected.push_back(row.tenthEntry);
        EXPECT_EQ(preset.baudRateEntries, expected) << "baud " << row.stored;
        EXPECT_EQ(preset.baudRateIndex, row.expectedIndex) << "baud " << row.stored;
    }
}

TEST(ChosenSettings, FixedEntriesGiveTheirRatesAndOthersTheDisplayedText) {
    const StoredDeviceSetup stored{0, 0, 0};
    EXPECT_EQ(chosenSettings({0, 0, "10", 0}, stored).baudRate, 10);
    EXPECT_EQ(chosenSettings({0, 8, "1000", 0}, stored).baudRate, 1000);
    EXPECT_EQ(chosenSettings({0, 9, "333", 0}, stored).baudRate, 333);
    EXPECT_EQ(chosenSettings({0, 9, "-5", 0}, stored).baudRate, -5);
    EXPECT_EQ(chosenSettings({0, -1, "", 0}, stored).baudRate, 0) << "no selection shows no text";
}

// OK as the dialog runs it: the file read, the lists left as preset, the
// adapter call recorded.
class DeviceSetupOk : public ::testing::Test {
protected:
    // Opens on `fileText` at `path` (none: no file), presses OK without
    // touching a list; reads and writes `path` unless `files` says otherwise.
    bool openAndPressOk(const std::optional<std::string>& fileText) { return openAndPressOk(fileText, {path, path}); }
    bool openAndPressOk(const std::optional<std::string>& fileText, const SettingsFiles& files) {
        if (fileText)
            TempDir::write(path, *fileText);
        const StoredDeviceSetup stored = readDeviceSetup(files.readPath);
        const SetupListsPreset preset = presetSetupLists(stored);
        const SetupSelection selection{preset.workModeIndex.value_or(-1), preset.baudRateIndex,
                                       preset.baudRateEntries[std::size_t(preset.baudRateIndex)],
                                       preset.frameTypeIndex.value_or(-1)};
        return applyDeviceSetup(chosenSettings(selection, stored), device, autoDataLoaded, configureAdapter, files,
                                messages, &dialog);
    }

    std::string fileValue(const std::string& key) const { return fileValue(path, key); }
    static std::string fileValue(const std::string& file, const std::string& key) {
        const std::string text = TempDir::read(file).value_or("");
        const std::string lineStart = "\r\n" + key + "=";
        const std::size_t at = text.find(lineStart);
        if (at == std::string::npos)
            return "(missing)";
        const std::size_t start = at + lineStart.size();
        return text.substr(start, text.find("\r\n", start) - start);
    }

    TempDir dir;
    std::string path = dir.file("Configure.ini");
    DeviceSettings device;
    bool autoDataLoaded = true;
    bool adapterAccepts = true;
    std::vector<DeviceSettings> sent;
    std::string refusalReason;
    ConfigureAdapter configureAdapter = [this](const DeviceSettings& settings) -> Result<std::monostate> {
        sent.push_back(settings);
        if (adapterAccepts)
            return std::monostate{};
        return makeError(refusalReason);
    };
    RecordingMessageSink messages;
    int dialog = 0;  // stands for the dialog that owns the boxes
};

struct OkCase {
    const char* name;
    std::optional<std::string> fileText;
    std::tuple<int32_t, int32_t, int32_t> sent;                // work mode, baud rate, frame type
    std::tuple<std::string, std::string, std::string> written;  // the same keys in the file
};

TEST_F(DeviceSetupOk, SendsThePresetChoiceAndWritesItBack) {
    const OkCase rows[] = {
        {"no_file_gives_ack_mode_500_standard", std::nullopt, {0, 500, 1}, {"0", "500", "0"}},
        {"unlisted_baud_rate", "[DeviceSetup]\nBaud Rate=333\n", {0, 333, 1}, {"0", "333", "0"}},
        {"overlong_baud_rate_cut_to_seven_characters", "[DeviceSetup]\nBaud Rate=12345678\n", {0, 1234567, 1},
         {"0", "1234567", "0"}},
        {"extend_sent_as_2_written_as_1", "[DeviceSetup]\nFrame Type=1\n", {0, 500, 2}, {"0", "500", "1"}},
        {"values_outside_the_lists_as_they_stand", "[DeviceSetup]\nWork Mode=3\nFrame Type=5\n", {3, 500, 0},
         {"3", "500", "-1"}},
        {"negative_work_mode_as_it_stands", "[DeviceSetup]\nWork Mode=-1\n", {-1, 500, 1}, {"-1", "500", "0"}},
    };
    for (const OkCase& row : rows) {
        SCOPED_TRACE(row.name);
        sent.clear();
        device = {};
        autoDataLoaded = true;
        std::filesystem::remove(path);
        EXPECT_TRUE(openAndPressOk(row.fileText));
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(std::tuple(sent[0].workMode, sent[0].baudRate, sent[0].frameType), row.sent);
        EXPECT_EQ(std::tuple(device.workMode, device.baudRate, device.frameType), row.sent);
        EXPECT_TRUE(device.configured);
        EXPECT_FALSE(autoDataLoaded);
        EXPECT_TRUE(messages.shown().empty());
        EXPECT_EQ(std::tuple(fileValue("Work Mode"), fileValue("Baud Rate"), fileValue("Frame Type")), row.written);
    }
}

TEST_F(DeviceSetupOk, RefusedByTheAdapterKeepsTheDialogOpenButStoresAndWrites) {
    adapterAccepts = false;
    EXPECT_FALSE(openAndPressOk("[DeviceSetup]\nUSB Device=KTR2740\nWork Mode=1\nBaud Rate=250\nFrame Type=1\n"));
    ASSERT_EQ(messages.shown().size(), 1u);
    const Message& shown = messages.shown()[0];
    EXPECT_EQ(shown.number, 5026);
    EXPECT_EQ(shown.text, "Fail to setup the Device.\n\nPlease check:\n1.The connection of KTR2740.");
    EXPECT_EQ(shown.caption, "Setup Information");
    EXPECT_EQ(shown.icon, MessageIcon::Stop);
    EXPECT_EQ(shown.owner, &dialog);

    EXPECT_EQ(device.workMode, 1);
    EXPECT_EQ(device.baudRate, 250);
    EXPECT_EQ(device.frameType, 2);
    EXPECT_FALSE(device.configured);
    EXPECT_FALSE(autoDataLoaded);
    EXPECT_EQ(TempDir::read(path),
              "[DeviceSetup]\r\nUSB Device=\r\nWork Mode=1\r\nBaud Rate=250\r\nFrame Type=1\r\n");
}

TEST_F(DeviceSetupOk, AnAdapterThatSaysWhyItRefusedHasItsReasonShown) {
    adapterAccepts = false;
    refusalReason = "socketcan: vcan0 is a vcan interface, which has no bit rate or listen-only mode to set";
    EXPECT_FALSE(openAndPressOk(std::nullopt));
    ASSERT_EQ(messages.shown().size(), 1u);
    const Message& shown = messages.shown()[0];
    EXPECT_EQ(shown.number, 9362);
    EXPECT_EQ(shown.text, "Fail to setup the Device.\n\n" + refusalReason);
    EXPECT_EQ(std::tuple(shown.caption, shown.icon, shown.owner),
              std::tuple(std::string("Setup Information"), MessageIcon::Stop, static_cast<const void*>(&dialog)));
    EXPECT_EQ(fileValue("Baud Rate"), "500") << "written all the same";
}

TEST_F(DeviceSetupOk, RefusalLeavesAnEarlierConfigurationInPlace) {
    device.configured = true;
    adapterAccepts = false;
    EXPECT_FALSE(openAndPressOk(std::nullopt));
    EXPECT_TRUE(device.configured);
    EXPECT_EQ(fileValue("USB Device"), "");
}

TEST_F(DeviceSetupOk, UnwritableFileIsReportedAndTheConfiguredAdapterStillCloses) {
    TempDir::write(dir.file("plain"), "x");
    path = dir.file("plain/Configure.ini");
    EXPECT_TRUE(openAndPressOk(std::nullopt));
    EXPECT_TRUE(device.configured);
    ASSERT_EQ(messages.shown().size(), 1u);
    const Message& shown = messages.shown()[0];
    EXPECT_EQ(shown.number, 9360);
    EXPECT_EQ(shown.text, "The settings could not be saved in\n" + path + "\n\nNot a directory");
    EXPECT_EQ(shown.caption, "Setup Information");
    EXPECT_EQ(shown.icon, MessageIcon::Stop);
    EXPECT_EQ(shown.owner, &dialog);
}

TEST_F(DeviceSetupOk, RefusedAndUnwritableShowsBothMessagesInTurn) {
    TempDir::write(dir.file("plain"), "x");
    path = dir.file("plain/Configure.ini");
    adapterAccepts = false;
    EXPECT_FALSE(openAndPressOk(std::nullopt));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].number, 5026);
    EXPECT_EQ(messages.shown()[1].number, 9360);
}

TEST_F(DeviceSetupOk, AReadOnlyFileIsReadAndTheSaveElsewhereSaysWhere) {
    ScopedEnvironment xdg("XDG_CONFIG_HOME", dir.file("config").c_str());
    const std::string userPath = dir.file("config/Vorelin/Configure.ini");
    const std::string text = "; rig 4\n[DeviceSetup]\nWork Mode=1\nBaud Rate=250\nFrame Type=1\n";
    TempDir::write(path, text);
    // Whether the file beside can be written is decided here: root may write a file of mode 444.
    EXPECT_TRUE(openAndPressOk(std::nullopt, settingsFiles(path, /*besideWritable=*/false)));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::tuple(sent[0].workMode, sent[0].baudRate, sent[0].frameType), std::tuple(1, 250, 2));
    EXPECT_EQ(TempDir::read(path), text) << "the read-only file stays as it was";
    EXPECT_EQ(std::tuple(fileValue(userPath, "Work Mode"), fileValue(userPath, "Baud Rate")), std::tuple("1", "250"));
    EXPECT_EQ(TempDir::read(userPath)->substr(0, 9), "; rig 4\r\n") << "its other lines come along";
    ASSERT_EQ(messages.shown().size(), 1u);
    const Message& shown = messages.shown()[0];
    EXPECT_EQ(shown.number, 9361);
    EXPECT_EQ(shown.text,
              "The settings were saved in\n" + userPath + "\n\nbecause this file cannot be written:\n" + path);
    EXPECT_EQ(shown.caption, "Setup Information");
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    EXPECT_EQ(shown.owner, &dialog);

    // The next opening reads what was saved, and there is nothing more to say.
    TempDir::write(userPath, "[DeviceSetup]\nBaud Rate=800\n");
    const SettingsFiles next = settingsFiles(path, /*besideWritable=*/false);
    EXPECT_EQ(next.readPath, userPath);
    EXPECT_TRUE(openAndPressOk(std::nullopt, next));
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].baudRate, 800);
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(DeviceSetupOk, AFileThatIsNoSettingsFileIsReportedAndLeftAlone) {
    const FifoWithoutWriter fifo(dir.file("fifo.ini"));
    ASSERT_TRUE(fifo.made());
    const std::string large = dir.file("large.ini");
    const std::string largeText = "[DeviceSetup]\nBaud Rate=250\n" + std::string(IniFile::kMaxFileBytes, ' ');
    TempDir::write(large, largeText);
    const struct {
        const char* name;
        std::string path;
        std::string reason;
    } rows[] = {
        {"FIFO without a writer", fifo.path(), "not a regular file"},
        {"larger than a settings file", large, "1048604 bytes, larger than a settings file may be (1048576)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        sent.clear();
        const std::size_t before = messages.shown().size();
        const auto closed = fifo.call([&] { return openAndPressOk(std::nullopt, {row.path, row.path}); });
        ASSERT_TRUE(closed) << "waited for a writer";
        EXPECT_TRUE(*closed) << "the adapter took the settings";
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(std::tuple(sent[0].workMode, sent[0].baudRate, sent[0].frameType), std::tuple(0, 500, 1))
            << "the defaults, as for a file that cannot be read";
        ASSERT_EQ(messages.shown().size(), before + 1);
        EXPECT_EQ(messages.shown().back().number, 9360);
        EXPECT_EQ(messages.shown().back().text,
                  "The settings could not be saved in\n" + row.path + "\n\n" + row.reason);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo.path()));
    EXPECT_EQ(TempDir::read(large), largeText);
}

}  // namespace
