#include "transmit/widgets/CAutoMessageDlg.h"

#include "core/DocumentContents.h"
#include "core/RecordingMessageSink.h"
#include "dialogs/CHighlightListCtrl.h"
#include "document/ProgramState.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "fields/widgets/EntryFieldSequences.h"
#include "filters/FilterFlags.h"
#include "filters/widgets/FilterDialogDriver.h"
#include "support/AccessibleNames.h"
#include "support/PushButtons.h"
#include "support/QStringPrinting.h"
#include "transmit/widgets/AutoEntryBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The dialog with everything it works on, as the main window opens it.
struct AutoMessageSetup {
    AutoMessageSetup(int32_t frameType, MessageSink& messages) {
        state.device.frameType = frameType;
        state.hexFormat = 0;  // the dialog opens in Hex all the same
        dialog = std::make_unique<CAutoMessageDlg>(document, state, messages);
    }
    DocumentContents document;
    ProgramState state;
    std::unique_ptr<CAutoMessageDlg> dialog;
};

class AutoMessageWindow : public EntryFieldWindow {
public:
    AutoMessageWindow(int32_t frameType, MessageSink& sink) : setup_(frameType, sink) {}
    QWidget* window() override { return setup_.dialog.get(); }
    EntryField* identifier() override { return setup_.dialog->entryBox()->identifierField(); }
    EntryField* dataByte(int index) override { return setup_.dialog->entryBox()->dataField(index); }
    void chooseFormat(NumberFormat format) override {
        AutoEntryBox* box = setup_.dialog->entryBox();
        (format == NumberFormat::hex ? box->hexButton() : box->decimalButton())->click();
    }

private:
    AutoMessageSetup setup_;
};

INSTANTIATE_TEST_SUITE_P(AutomationMessage, EntryFieldSequences,
                         ::testing::Values(EntryFieldDialog{
                             "AutomationMessage", &kAutomationMessageFields, LeftEmpty::becomesZero,
                             [](int32_t frameType, MessageSink& sink) -> std::unique_ptr<EntryFieldWindow> {
                                 return std::make_unique<AutoMessageWindow>(frameType, sink);
                             }}),
                         entryFieldDialogName);

constexpr int32_t kStandardFrames = 1;

AutoMessageItem dataItem(uint32_t identifier, uint8_t length, std::initializer_list<int> enteredBytes,
                         uint32_t extraFlags = FC_ENABLED) {
    AutoMessageItem item;
    item.flags = FC_CAN | FC_FRAMEFORMAT | FC_ID_CUSTOM | extraFlags;
    item.frame.identifier = identifier;
    item.frame.length = length;
    for (const int i : enteredBytes) {
        item.flags |= dataByteFlag(i);
        item.frame.data[i] = uint8_t(0x10 * i + 0x0A);
    }
    return item;
}

class CAutoMessageDlgTest : public ::testing::Test {
protected:
    void SetUp() override { selectAdapter("sim"); }
    void TearDown() override { vorelin::driver::installBackend(nullptr); }

    // The simulated adapter of `spec`, opened as the main window opens it.
    static void selectAdapter(const char* spec) {
        ASSERT_EQ(KESH_SelectBackend(spec), 1);
        ASSERT_EQ(KESH_INIT(), 1);
    }

    // Opens the dialog on `items`, shown and active, as a user finds it.
    void open(std::vector<AutoMessageItem> items = {}) {
        setup.document.autoItems = std::move(items);
        setup.dialog = std::make_unique<CAutoMessageDlg>(setup.document, setup.state, messages);
        dialog()->show();
        dialog()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog()));
    }

    CAutoMessageDlg* dialog() const { return setup.dialog.get(); }
    AutoEntryBox* entry() const { return dialog()->entryBox(); }
    CHighlightListCtrl* list() const { return dialog()->itemList(); }
    QPushButton* button(const char* text) const { return pushButtonWithText(dialog(), QString::fromLatin1(text)); }
    QSpinBox* timing(const char* name) const { return dialog()->findChild<QSpinBox*>(name); }

    QStringList row(int index) const { return rowTexts(list(), index); }
    void clickRow(int index, bool onCheckBox = false) { ::clickRow(list(), index, onCheckBox); }
    void clickOutsideTheRows() {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, QPoint(5, list()->viewport()->height() - 3));
    }
    void addWithIdentifier(const char* identifier) {
        entry()->identifierField()->setText(QString::fromLatin1(identifier));
        button("Add")->click();
    }

    std::vector<int> shownNumbers() const { return ::shownNumbers(messages); }

    RecordingMessageSink messages;
    AutoMessageSetup setup{kStandardFrames, messages};
};

}  // namespace

TEST_F(CAutoMessageDlgTest, OpensInHexWithTheLayoutsTextsAndNamedControls) {
    open();
    EXPECT_EQ(dialog()->windowTitle(), "Configure Automation Message");
    EXPECT_TRUE(entry()->hexButton()->isChecked());
    EXPECT_EQ(entry()->sizeList()->currentText(), "8");
    EXPECT_EQ(entry()->sizeList()->count(), 9);
    EXPECT_FALSE(button("Edit")->isEnabled());
    EXPECT_FALSE(button("Delete")->isEnabled());
    EXPECT_TRUE(button("Download")->isDefault());
    EXPECT_NE(button("Cancel"), nullptr);
    QStringList headers;
    for (int column = 0; column < list()->columnCount(); ++column)
        headers << list()->horizontalHeaderItem(column)->text();
    EXPECT_EQ(headers, QStringList({"Index", "Type", "Identifier", "Length", "Data"}));
    EXPECT_EQ(timing("interval")->text(), "1");
    EXPECT_EQ(timing("cycle")->maximum(), 255);

    EXPECT_EQ(misnamedControls(dialog()), QString());
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list());
    ASSERT_NE(table, nullptr);
    EXPECT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), "Note: Maximun number of items is 8");
}

TEST_F(CAutoMessageDlgTest, NinthAddIsRefusedAndTheStagingItemOutlivesTheDialog) {
    open();
    for (const char* identifier : {"1", "2", "3", "4", "5", "6", "7", "8", "9"})
        addWithIdentifier(identifier);
    ASSERT_EQ(setup.document.autoItems.size(), 8u);
    EXPECT_EQ(list()->rowCount(), 8);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5009);
    EXPECT_EQ(messages.shown()[0].owner, static_cast<const void*>(dialog()));
    EXPECT_TRUE(setup.state.capture.dataChanged);
    EXPECT_EQ(row(7), QStringList({"7", "Standard", "8", "8", " 0 0 0 0 0 0 0 0"}));
    EXPECT_EQ(list()->item(7, 0)->checkState(), Qt::Checked) << "new items are enabled";

    // A reopened dialog's Add with an empty identifier keeps the last one.
    setup.document.autoItems.clear();
    open();
    entry()->identifierField()->clear();
    entry()->dataField(1)->clear();
    button("Add")->click();
    ASSERT_EQ(setup.document.autoItems.size(), 1u);
    EXPECT_EQ(row(0), QStringList({"0", "Standard", "0", "8", " 0 ** 0 0 0 0 0 0"}))
        << "an empty identifier counts as 0 at once";
}

TEST_F(CAutoMessageDlgTest, RowsShowTheItemsInHexOrDecimal) {
    AutoMessageItem remote;
    remote.flags = FC_CAN | FC_ENABLED;
    remote.frame.remote = 1;
    remote.frame.extended = 1;
    remote.frame.length = 3;
    open({dataItem(0x1AB, 4, {0, 1, 3}), remote});
    EXPECT_EQ(row(0), QStringList({"0", "Standard", "1AB", "4", " A 1A ** 3A"}));
    EXPECT_EQ(row(1), QStringList({"1", "****", "****", "3", "Remote Frame"}));
    entry()->decimalButton()->click();
    EXPECT_EQ(setup.state.hexFormat, 0u);
    EXPECT_EQ(row(0), QStringList({"0", "Standard", "427", "4", " 10 26 ** 58"}));
    entry()->hexButton()->click();
    EXPECT_EQ(setup.state.hexFormat, 1u);
    EXPECT_EQ(row(0)[2], "1AB");
}

TEST_F(CAutoMessageDlgTest, ClickedRowIsShownEditedAndDeleted) {
    open({dataItem(0x11, 8, {}), dataItem(0x22, 2, {0, 1}), dataItem(0x33, 8, {})});
    clickRow(1);
    EXPECT_EQ(list()->rowColour(1), QColor(0xEF, 0xEF, 0xEF));
    EXPECT_EQ(list()->rowColour(0), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(entry()->identifierField()->text(), "22");
    EXPECT_EQ(entry()->sizeList()->currentText(), "2");
    EXPECT_EQ(entry()->dataField(1)->text(), "1A");
    EXPECT_FALSE(entry()->dataField(2)->isEnabled());
    EXPECT_TRUE(button("Edit")->isEnabled());
    EXPECT_TRUE(button("Delete")->isEnabled());

    entry()->identifierField()->setText(QStringLiteral("7FF"));
    entry()->remoteFrameButton()->click();
    button("Edit")->click();
    EXPECT_EQ(row(1), QStringList({"1", "Standard", "7FF", "2", "Remote Frame"}));
    EXPECT_EQ(list()->rowColour(1), QColor(0xEF, 0xEF, 0xEF)) << "the grey row outlasts the rebuild";

    clickRow(0, true);
    EXPECT_EQ(setup.document.autoItems[0].flags & FC_ENABLED, 0u);
    EXPECT_EQ(list()->item(0, 0)->checkState(), Qt::Unchecked);

    clickRow(1);
    button("Delete")->click();
    ASSERT_EQ(setup.document.autoItems.size(), 2u);
    EXPECT_EQ(setup.document.autoItems[1].frame.identifier, 0x33u);
    EXPECT_EQ(row(1)[0], "1");
    EXPECT_FALSE(button("Edit")->isEnabled());
    EXPECT_FALSE(button("Delete")->isEnabled());

    clickRow(0);
    clickOutsideTheRows();
    EXPECT_EQ(list()->rowColour(0), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_FALSE(button("Edit")->isEnabled());
    button("Delete")->click();
    EXPECT_EQ(setup.document.autoItems.size(), 2u) << "no row is selected";
}

TEST_F(CAutoMessageDlgTest, DownloadHandsOverTheCheckedItemsOrSaysWhy) {
    open({dataItem(0x11, 1, {0}), dataItem(0x22, 1, {0}, 0)});
    ASSERT_NO_FATAL_FAILURE(selectAdapter("sim:fail=SetMultiData"));
    button("Download")->click();
    EXPECT_EQ(shownNumbers(), std::vector<int>{5010});
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_FALSE(setup.state.autoDataLoaded);

    ASSERT_NO_FATAL_FAILURE(selectAdapter("sim"));
    clickRow(0, true);
    QTest::keyClick(dialog(), Qt::Key_Return);
    EXPECT_EQ(shownNumbers(), (std::vector<int>{5010, 5011})) << "nothing is checked";
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(setup.state.autoDataLoaded) << "an empty download still lets Start run";

    clickRow(1, true);
    button("Download")->click();
    EXPECT_EQ(dialog()->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(setup.document.downloadedItemCount, 2u);
}

TEST_F(CAutoMessageDlgTest, IntervalAndCycleGoIntoTheDocumentAtOnce) {
    open();
    QLineEdit* interval = timing("interval")->findChild<QLineEdit*>();
    interval->selectAll();
    QTest::keyClicks(interval, "300");
    EXPECT_EQ(interval->text(), "30");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5024);
    EXPECT_EQ(setup.document.autoIntervalMs, 30u);

    QSpinBox* cycle = timing("cycle");
    cycle->setFocus();
    cycle->stepBy(4);
    EXPECT_EQ(setup.document.autoCycleMs, 5u);
    cycle->findChild<QLineEdit*>()->clear();
    interval->setFocus();
    EXPECT_EQ(cycle->text(), "0");
    EXPECT_EQ(setup.document.autoCycleMs, 0u);

    button("Cancel")->click();
    EXPECT_EQ(setup.document.autoIntervalMs, 30u) << "Cancel keeps the document's values";
}

TEST(CAutoMessageDlgOpening, StoredTimingAboveTheRangeIsToldInTheDialog) {
    RecordingMessageSink messages;
    DocumentContents document;
    document.autoCycleMs = 300;
    ProgramState state;
    CAutoMessageDlg dialog(document, state, messages);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5024);
    EXPECT_EQ(messages.shown()[0].owner, static_cast<const void*>(static_cast<QWidget*>(&dialog)));
    EXPECT_EQ(document.autoCycleMs, 30u);
}
