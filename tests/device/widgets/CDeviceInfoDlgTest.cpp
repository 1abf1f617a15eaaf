#include "device/widgets/CDeviceInfoDlg.h"

#include "core/RecordingMessageSink.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "support/AccessibleNames.h"
#include "support/PushButtons.h"
#include "support/QStringPrinting.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

// The message that comes first when the adapter does not answer is checked
// where the main window opens the dialog (DeviceInformationCommandTest).
TEST(CDeviceInfoDlg, ShowsTheReportInDisabledReadOnlyFieldsNamedByTheirLabels) {
    ASSERT_EQ(KESH_SelectBackend("sim:rate=0,status=1,baud=250,firmware=0x010A"), 1);
    ASSERT_EQ(KESH_INIT(), 1);
    RecordingMessageSink messages;
    CDeviceInfoDlg dialog(messages);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    EXPECT_EQ(dialog.windowTitle(), "Device Information");
    const QList<QGroupBox*> groups = dialog.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups[0]->title(), "Device Information");
    struct Row {
        const char* name;
        QString label;
        QString text;
    };
    for (const Row& row : {Row{"status", "Status:", "Run"}, Row{"baudRate", "Baud Rate(Kbps):", "250"},
                           Row{"firmware", "Firmware:", "V1.10"}}) {
        SCOPED_TRACE(row.name);
        auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(row.name));
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), row.text);
        EXPECT_TRUE(field->isReadOnly());
        EXPECT_FALSE(field->isEnabled());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), row.label) << "heard by its label";
    }
    EXPECT_EQ(misnamedControls(&dialog), QString());
    EXPECT_TRUE(messages.shown().empty());

    QPushButton* ok = pushButtonWithText(&dialog, QStringLiteral("OK"));
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    vorelin::driver::installBackend(nullptr);
}
