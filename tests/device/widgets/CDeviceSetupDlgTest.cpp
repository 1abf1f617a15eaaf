#include "device/widgets/CDeviceSetupDlg.h"

#include "core/RecordingMessageSink.h"
#include "device/DeviceSettings.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "support/PushButtons.h"
#include "support/QStringPrinting.h"
#include "support/ScopedEnvironment.h"
#include "support/ScriptedBackend.h"
#include "support/TempDir.h"

#include <QAccessible>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>

namespace {

QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

class CDeviceSetupDlgTest : public ::testing::Test {
protected:
    void SetUp() override { vorelin::driver::installBackend(adapter); }
    void TearDown() override { vorelin::driver::installBackend(nullptr); }

    // Opens the dialog on `fileText` (none: no file) and shows it.
    void open(const std::optional<std::string>& fileText) {
        if (fileText)
            TempDir::write(path, *fileText);
        dialog = std::make_unique<CDeviceSetupDlg>(device, autoDataLoaded, path, messages);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    QComboBox* list(const char* name) const { return dialog->findChild<QComboBox*>(name); }
    QPushButton* button(const QString& text) const { return pushButtonWithText(dialog.get(), text); }

    std::shared_ptr<ScriptedBackend> adapter = std::make_shared<ScriptedBackend>();
    TempDir dir;
    std::string path = dir.file("Configure.ini");
    DeviceSettings device;
    bool autoDataLoaded = true;
    RecordingMessageSink messages;
    std::unique_ptr<CDeviceSetupDlg> dialog;
};

}  // namespace

TEST_F(CDeviceSetupDlgTest, ShowsTheLabelledListsWithTheFilesChoicePreselected) {
    open("[DeviceSetup]\nWork Mode=1\nBaud Rate=333\nFrame Type=1\n");
    EXPECT_EQ(dialog->windowTitle(), "Device Setup");
    EXPECT_EQ(entries(list("workMode")), QStringList({"Monitor ACK mode", "Monitor Non-ACK mode"}));
    EXPECT_EQ(entries(list("baudRate")),
              QStringList({"10", "20", "50", "100", "125", "250", "500", "800", "1000", "333"}));
    EXPECT_EQ(entries(list("frameType")), QStringList({"Standard", "Extend"}));
    EXPECT_EQ(list("workMode")->currentText(), "Monitor Non-ACK mode");
    EXPECT_EQ(list("baudRate")->currentText(), "333");
    EXPECT_EQ(list("frameType")->currentText(), "Extend");
    EXPECT_EQ(list("usbDevice")->count(), 0) << "empty until the first tick";
    EXPECT_EQ(button("OK")->text(), "OK");
    EXPECT_EQ(button("Cancel")->text(), "Cancel");

    const char* names[] = {"usbDevice", "workMode", "baudRate", "frameType"};
    const QString labels[] = {"USB Device:", "Work Mode:", "Baud Rate(Kbps):", "Frame Type:"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(list(names[i])->isEditable()) << names[i];
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list(names[i]));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), labels[i]) << "heard by its label";
        EXPECT_EQ(accessible->text(QAccessible::Value), list(names[i])->currentText());
        // The group box labels each list too.
        QStringList labelledBy;
        for (const auto& relation : accessible->relations(QAccessible::Label))
            labelledBy << relation.first->text(QAccessible::Name);
        EXPECT_TRUE(labelledBy.contains(labels[i])) << names[i] << ": " << labelledBy.join(", ").toStdString();
    }
}

TEST_F(CDeviceSetupDlgTest, OutOfRangeWorkModeAndFrameTypeLeaveTheirListsEmptyHanded) {
    open("[DeviceSetup]\nWork Mode=3\nFrame Type=5\n");
    EXPECT_EQ(list("workMode")->currentIndex(), -1);
    EXPECT_EQ(list("frameType")->currentIndex(), -1);
    button("OK")->click();
    ASSERT_EQ(adapter->configurations().size(), 1u);
    EXPECT_EQ(adapter->configurations()[0], (ScriptedBackend::Configuration{500, 3, 0}));
}

TEST_F(CDeviceSetupDlgTest, EachPollShowsWhetherTheAdapterAnswers) {
    open(std::nullopt);
    QComboBox* usb = list("usbDevice");
    dialog->pollAdapter();
    EXPECT_EQ(entries(usb), QStringList({"KTR2740"}));
    EXPECT_EQ(usb->currentText(), "KTR2740");
    dialog->pollAdapter();
    EXPECT_EQ(usb->count(), 1) << "a second answer does not add a second entry";

    adapter->failOpen(true);
    dialog->pollAdapter();
    EXPECT_EQ(usb->count(), 0);
    EXPECT_TRUE(messages.shown().empty());

    adapter->failOpen(false);
    dialog->pollAdapter();
    EXPECT_EQ(usb->currentText(), "KTR2740");
}

TEST_F(CDeviceSetupDlgTest, OkConfiguresTheSimulatedAdapterAndWritesTheFile) {
    auto sim = vorelin::driver::makeBackend("sim");
    ASSERT_TRUE(sim);
    vorelin::driver::installBackend(std::move(*sim));
    open("; mine\n[DeviceSetup]\nBaud Rate=125\n");
    dialog->pollAdapter();
    list("workMode")->setCurrentIndex(1);
    list("baudRate")->setCurrentIndex(5);
    list("frameType")->setCurrentIndex(1);
    button("OK")->click();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(std::tuple(device.workMode, device.baudRate, device.frameType, device.configured),
              std::tuple(1, 250, 2, true));
    EXPECT_FALSE(autoDataLoaded);
    uint32_t status = 0, unused1 = 0, unused2 = 0, baudRateKbps = 0, firmware = 0;
    ASSERT_EQ(GetKESHInfo(&status, &unused1, &unused2, &baudRateKbps, &firmware), 1);
    EXPECT_EQ(baudRateKbps, 250u) << "the adapter took the rate";
    EXPECT_EQ(TempDir::read(path),
              "; mine\r\n[DeviceSetup]\r\nBaud Rate=250\r\nUSB Device=\r\nWork Mode=1\r\nFrame Type=1\r\n");
}

TEST_F(CDeviceSetupDlgTest, RefusedSetupStaysOpenWithTheMessage) {
    ASSERT_EQ(KESH_SelectBackend("sim:fail=SetKESH"), 1);
    open(std::nullopt);
    dialog->pollAdapter();
    button("OK")->click();

    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5026);
    EXPECT_EQ(messages.shown()[0].caption, "Setup Information");
    EXPECT_EQ(messages.shown()[0].owner, static_cast<const QWidget*>(dialog.get()));
    EXPECT_FALSE(device.configured);
    EXPECT_EQ(TempDir::read(path),
              "[DeviceSetup]\r\nUSB Device=\r\nWork Mode=0\r\nBaud Rate=500\r\nFrame Type=0\r\n");
}

TEST_F(CDeviceSetupDlgTest, CancelAppliesAndWritesNothing) {
    open("[DeviceSetup]\nBaud Rate=125\n");
    list("baudRate")->setCurrentIndex(0);
    button("Cancel")->click();

    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(adapter->configurations().empty());
    EXPECT_EQ(device.baudRate, 0);
    EXPECT_TRUE(autoDataLoaded);
    EXPECT_EQ(TempDir::read(path), "[DeviceSetup]\nBaud Rate=125\n");
}

TEST_F(CDeviceSetupDlgTest, SettingsThatCannotBeWrittenWhereTheyAreAreSavedForTheUserWithAWord) {
    // A folder in the file's place: no one may write it, root included.
    std::filesystem::create_directory(path);
    ScopedEnvironment xdg("XDG_CONFIG_HOME", dir.file("config").c_str());
    open(std::nullopt);
    EXPECT_EQ(list("baudRate")->currentText(), "500") << "what cannot be read presets the defaults";
    button("OK")->click();

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    const std::string userPath = dir.file("config/Vorelin/Configure.ini");
    EXPECT_EQ(TempDir::read(userPath),
              "[DeviceSetup]\r\nUSB Device=\r\nWork Mode=0\r\nBaud Rate=500\r\nFrame Type=0\r\n");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 9361);
    EXPECT_EQ(messages.shown()[0].owner, static_cast<const QWidget*>(dialog.get()));
}
