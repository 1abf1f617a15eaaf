#include "transmit/widgets/CManualMessageDlg.h"

#include "core/DocumentContents.h"
#include "core/CaptureState.h"
#include "core/RecordingMessageSink.h"
#include "device/DeviceSettings.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "fields/widgets/EntryFieldSequences.h"
#include "support/AccessibleNames.h"
#include "support/Frames.h"
#include "support/PushButtons.h"
#include "support/QStringPrinting.h"
#include "transmit/widgets/ManualBufferBox.h"

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string_view>

namespace {

constexpr int32_t kExtendFrames = 2;

// The dialog with everything it works on, as the main window opens it.
struct ManualMessageSetup {
    ManualMessageSetup(int32_t frameType, MessageSink& messages, uint32_t openedHexFormat = 1)
        : hexFormat(openedHexFormat) {
        device.frameType = frameType;
        reopen(messages);
    }
    void reopen(MessageSink& messages) {
        dialog = std::make_unique<CManualMessageDlg>(document, capture, device, hexFormat, messages);
    }
    ManualBufferBox* buffer(int index) const { return dialog->buffer(index); }
    EntryField* field(int index, const char* name) const { return buffer(index)->findChild<EntryField*>(name); }
    QComboBox* size(int index) const { return buffer(index)->findChild<QComboBox*>("size"); }
    QRadioButton* radio(int index, const char* name) const { return buffer(index)->findChild<QRadioButton*>(name); }

    DocumentContents document;
    CaptureState capture;
    DeviceSettings device;
    uint32_t hexFormat;
    std::unique_ptr<CManualMessageDlg> dialog;
};

class ManualMessageWindow : public EntryFieldWindow {
public:
    ManualMessageWindow(int bufferIndex, int32_t frameType, MessageSink& sink)
        : setup_(frameType, sink), bufferIndex_(bufferIndex) {}
    QWidget* window() override { return setup_.dialog.get(); }
    EntryField* identifier() override { return setup_.field(bufferIndex_, "identifier"); }
    EntryField* dataByte(int index) override {
        return setup_.field(bufferIndex_, QStringLiteral("data%1").arg(index + 1).toLatin1().constData());
    }
    void chooseFormat(NumberFormat format) override {
        (format == NumberFormat::hex ? setup_.dialog->hexButton() : setup_.dialog->decimalButton())->click();
    }

private:
    ManualMessageSetup setup_;
    const int bufferIndex_;
};

EntryFieldDialog manualMessageBuffer(const char* name, int bufferIndex) {
    return {name, &kManualMessageFields, LeftEmpty::becomesZero,
            [bufferIndex](int32_t frameType, MessageSink& sink) -> std::unique_ptr<EntryFieldWindow> {
                return std::make_unique<ManualMessageWindow>(bufferIndex, frameType, sink);
            }};
}

bool sameBuffer(const ManualBuffer& a, const ManualBuffer& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class CManualMessageDlgTest : public ::testing::Test {
protected:
    void TearDown() override { vorelin::driver::installBackend(nullptr); }

    // A simulated adapter without traffic, so the store holds only what the
    // dialog records.
    void openOn(const std::string& selector, uint32_t hexFormat = 1) {
        auto adapter = vorelin::driver::makeBackend(selector);
        ASSERT_TRUE(adapter) << adapter.error().text;
        vorelin::driver::installBackend(std::move(*adapter));
        ASSERT_EQ(KESH_INIT(), 1);
        setup = std::make_unique<ManualMessageSetup>(kExtendFrames, messages, hexFormat);
        setup->dialog->show();
        setup->dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(setup->dialog.get()));
    }
    // Key by key into whichever field has the focus: a full data byte hands
    // it on to the next.
    void type(int buffer, const char* field, std::string_view text) const {
        EntryField* entry = setup->field(buffer, field);
        entry->setFocus();
        entry->selectAll();
        for (char key : text)
            QTest::keyClick(QApplication::focusWidget(), key);
    }
    void send(int buffer) const {
        pushButtonWithText(setup->dialog.get(), buffer == 0 ? "Send Buffer 1" : "Send Buffer 2")->click();
    }

    RecordingMessageSink messages;
    std::unique_ptr<ManualMessageSetup> setup;
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Dialogs, EntryFieldSequences,
                         ::testing::Values(manualMessageBuffer("ManualMessage", 0),
                                           manualMessageBuffer("ManualMessageBuffer2", 1)),
                         entryFieldDialogName);

TEST_F(CManualMessageDlgTest, EachSendRecordsItsFrameAndKeepsItsBufferForTheNextOpening) {
    ASSERT_NO_FATAL_FAILURE(openOn("sim:rate=0", /*hexFormat=*/0));
    EXPECT_TRUE(setup->dialog->decimalButton()->isChecked()) << "opens in the format last chosen";
    setup->dialog->hexButton()->click();
    EXPECT_EQ(setup->hexFormat, 1u);

    type(0, "identifier", "1abcdef0");
    setup->size(0)->setCurrentIndex(3);
    type(0, "data1", "112233");
    EXPECT_FALSE(setup->field(0, "data4")->isEnabled()) << "size 3 enables three fields";
    send(0);
    type(1, "identifier", "7ff");
    type(1, "data1", "A0A1A2A3A4");
    setup->size(1)->setCurrentIndex(4);
    setup->radio(1, "remoteFrame")->click();
    EXPECT_FALSE(setup->field(1, "data1")->isEnabled()) << "a remote frame has no data fields";
    send(1);

    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(setup->dialog->isVisible()) << "the dialog stays open after a send";
    EXPECT_TRUE(setup->capture.dataChanged) << "closing must ask before it drops the sent frames";
    ASSERT_EQ(setup->capture.store.count(), 2u);
    EXPECT_EQ(setup->capture.store.at(0), recordOf(dataFrame(0x1ABCDEF0, {0x11, 0x22, 0x33}, /*extended=*/1)));
    CanFrame remote = dataFrame(0x7FF, {0xA0, 0xA1, 0xA2, 0xA3}, /*extended=*/1);
    remote.remote = 1;
    EXPECT_EQ(setup->capture.store.at(1), recordOf(remote)) << "a remote frame carries the kept bytes";
    EXPECT_TRUE(sameBuffer(setup->document.manualBuffers[0], ManualBuffer{0x1ABCDEF0, 3, 1, 0, {0x11, 0x22, 0x33}}));
    EXPECT_TRUE(sameBuffer(setup->document.manualBuffers[1], ManualBuffer{0x7FF, 4, 1, 1, {0xA0, 0xA1, 0xA2, 0xA3, 0xA4}}));

    // Typed but never sent: lost when the dialog closes.
    type(1, "identifier", "123");
    setup->dialog->reject();
    setup->reopen(messages);
    EXPECT_EQ(setup->field(0, "identifier")->text(), "1ABCDEF0");
    EXPECT_EQ(setup->size(0)->currentText(), "3");
    EXPECT_EQ(setup->field(1, "identifier")->text(), "7FF");
    EXPECT_EQ(setup->field(1, "data5")->text(), "A4");
    EXPECT_TRUE(setup->radio(1, "remoteFrame")->isChecked());
    EXPECT_FALSE(setup->field(1, "data1")->isEnabled());
}

TEST_F(CManualMessageDlgTest, EnterInAnyFieldSendsBufferOne) {
    ASSERT_NO_FATAL_FAILURE(openOn("sim:rate=0"));
    type(0, "identifier", "10");
    type(1, "identifier", "20");
    for (const auto& [buffer, field] : {std::pair{0, "data2"}, std::pair{1, "identifier"}}) {
        setup->field(buffer, field)->setFocus();
        QTest::keyClick(setup->field(buffer, field), Qt::Key_Return);
    }
    EXPECT_TRUE(setup->dialog->isVisible());
    ASSERT_EQ(setup->capture.store.count(), 2u);
    for (uint32_t i = 0; i < 2; ++i)
        EXPECT_EQ(setup->capture.store.at(i).frame.identifier, 0x10u) << "record " << i;
}

TEST_F(CManualMessageDlgTest, FailedSendShowsItsBufferMessageAndRecordsNothing) {
    ASSERT_NO_FATAL_FAILURE(openOn("sim:rate=0,fail=SendSingleData"));
    ASSERT_TRUE(setup->capture.store.append(frameRecord(0x1)));
    type(0, "identifier", "5");
    send(0);
    send(1);
    EXPECT_EQ(setup->capture.store.count(), 1u);
    EXPECT_FALSE(setup->capture.dataChanged);
    EXPECT_EQ(setup->document.manualBuffers[0].identifier, 0x5u) << "kept whether or not the send works";
    ASSERT_EQ(messages.shown().size(), 2u);
    const Message& first = messages.shown()[0];
    const Message& second = messages.shown()[1];
    EXPECT_EQ(first.number, 5078);
    EXPECT_EQ(first.caption, "Send Failed");
    EXPECT_EQ(second.number, 5079);
    EXPECT_EQ(second.caption, "Send failed");
    for (const Message& message : messages.shown()) {
        EXPECT_EQ(message.icon, MessageIcon::Information);
        EXPECT_EQ(message.owner, static_cast<const void*>(static_cast<QWidget*>(setup->dialog.get())));
    }
    EXPECT_TRUE(setup->dialog->isVisible());
}

TEST_F(CManualMessageDlgTest, EveryControlIsHeardByItsLabelAndPlace) {
    ASSERT_NO_FATAL_FAILURE(openOn("sim:rate=0"));
    EXPECT_EQ(setup->dialog->windowTitle(), "Manual Message");
    EXPECT_EQ(misnamedControls(setup->dialog.get()), "");
    QStringList heard;
    for (const ControlName& name : controlNames(setup->dialog.get()))
        heard << name.heard;
    for (const char* name : {"Format:", "Hex", "Decimal", "Buffer 1", "Identifier:", "Frame:", "Data Frame",
                             "Remote Frame", "Size:", "Data:", "Data 1", "Data 8", "Send Buffer 1", "Buffer 2",
                             "Buffer 2 Identifier:", "Buffer 2 Size:", "Buffer 2 Remote Frame", "Buffer 2 Data 8",
                             "Send Buffer 2", "Cancel"})
        EXPECT_TRUE(heard.contains(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(heard.contains("Standard")) << "the frame format is preset and hidden";
}
