// Options > Device Information: open while a document is, it shows what the
// adapter reports, after telling the user when the adapter does not answer.
#include "MainFrameFixture.h"

#include "device/widgets/CDeviceInfoDlg.h"

#include <QLineEdit>

namespace {

struct Opened {
    QStringList fields;              // Status, Baud Rate, Firmware
    std::size_t messagesBefore = 0;  // shown by the time the dialog was up
};

class DeviceInformationCommand : public MainFrameFixture {
protected:
    std::string adapterSelector() const override { return "sim:rate=0,status=1,baud=125,firmware=0x0C00"; }

    // Runs the command and reads the dialog once it is up, then presses OK.
    Opened runDeviceInformation() {
        Opened opened;
        whenDialogOpens<CDeviceInfoDlg>([&](CDeviceInfoDlg* dialog) {
            for (const char* name : {"status", "baudRate", "firmware"})
                opened.fields << dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
            opened.messagesBefore = messages.shown().size();
            clickButton(dialog, QStringLiteral("OK"));
            rejectIfStillOpen(dialog);
        });
        action(command::kDeviceInformation)->trigger();
        return opened;
    }
};

class DeviceInformationUnanswered : public DeviceInformationCommand {
protected:
    std::string adapterSelector() const override { return "sim:rate=0,fail=GetKESHInfo"; }
};

}  // namespace

TEST_F(DeviceInformationCommand, ShowsTheAdaptersOwnReport) {
    EXPECT_FALSE(action(command::kDeviceInformation)->isEnabled()) << "no document yet";
    runNew(QStringLiteral("can"));
    ASSERT_TRUE(action(command::kDeviceInformation)->isEnabled());
    EXPECT_EQ(runDeviceInformation().fields, (QStringList{"Run", "125", "V12.00"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DeviceInformationUnanswered, TellsTheUserFirstThenShowsEmptyFields) {
    runNew(QStringLiteral("can"));
    const Opened opened = runDeviceInformation();
    EXPECT_EQ(opened.fields, (QStringList{"", "", ""}));
    EXPECT_EQ(opened.messagesBefore, 1u);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5025);
    EXPECT_EQ(messages.shown()[0].owner, nullptr) << "an application box, owned by the main window";
}
