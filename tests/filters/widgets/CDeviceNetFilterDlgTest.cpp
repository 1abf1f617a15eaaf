#include "filters/widgets/CDeviceNetFilterDlg.h"

#include "core/CaptureState.h"
#include "core/RecordingMessageSink.h"
#include "dialogs/CHighlightListCtrl.h"
#include "filters/FilterFlags.h"
#include "filters/FilterState.h"
#include "filters/widgets/MacIdComboBox.h"

#include "filters/ConditionBuilders.h"
#include "filters/widgets/FilterDialogDriver.h"
#include "support/AccessibleNames.h"
#include "support/PushButtons.h"
#include "support/QStringPrinting.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Entries of the lists as the user sees them: "ALL" comes first.
constexpr int kGroup2 = 1;
constexpr int kGroup3 = 2;
constexpr int kGroup4 = 3;
int messageIdEntry(int messageId) { return messageId + 1; }
constexpr int kSlavesExplicitResponse = 6;  // "Group 2: Slave's Exp Res Msg"
constexpr int kUnconnectedRequest = 12;     // "Group 3: Unconn Exp Req Msg"
constexpr int kCommFaultedResponse = 13;    // "Group 4: Comm Faulted Res Msg"

FilterCondition byDescription(FilterCondition condition) {
    condition.flags = (condition.flags & ~FC_METHOD1) | FC_METHOD2;
    return condition;
}

class CDeviceNetFilterDlgTest : public ::testing::Test {
protected:
    void open(std::vector<FilterCondition> conditions = {}, uint32_t mode = FILTER_SHOW) {
        openFilterDialog(filter, std::move(conditions), mode, [this] {
            dialog = std::make_unique<CDeviceNetFilterDlg>(context);
            return dialog.get();
        });
    }
    CHighlightListCtrl* list() const { return dialog->conditionList(); }
    QPushButton* button(const char* text) const { return pushButtonWithText(dialog.get(), QString::fromLatin1(text)); }
    QStringList row(int index) const { return rowTexts(list(), index); }
    void type(MacIdComboBox* field, const char* text) {
        field->setFocus();
        field->lineEdit()->selectAll();
        QTest::keyClicks(field->lineEdit(), QString::fromLatin1(text));
    }

    RecordingMessageSink messages;
    CaptureState capture;
    FilterState filter;
    FilterDialogContext context{capture, filter, nullptr, messages};
    std::unique_ptr<CDeviceNetFilterDlg> dialog;
};

TEST_F(CDeviceNetFilterDlgTest, OpensOnMethod1InHexAndEveryControlIsHeardByItsLabel) {
    ASSERT_NO_FATAL_FAILURE(open({}, FILTER_HIDE));
    EXPECT_EQ(dialog->windowTitle(), "Filter for DeviceNet Protocol");
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
        if (radio->text() == "Hide") {
            EXPECT_TRUE(radio->isChecked()) << "opens in the mode in force";
        }
    }
    EXPECT_TRUE(dialog->method1Button()->isChecked());
    EXPECT_TRUE(dialog->hexButton()->isChecked());
    EXPECT_EQ(dialog->groupList()->currentText(), "1");
    EXPECT_EQ(dialog->messageIdList()->count(), 17) << "ALL and group 1's 16 IDs";
    EXPECT_EQ(dialog->messageIdList()->currentText(), "ALL");
    for (MacIdComboBox* field : {dialog->sourceField(), dialog->destinationField()}) {
        EXPECT_TRUE(field->isEnabled());
        EXPECT_EQ(field->count(), 1);
        EXPECT_EQ(field->currentText(), "ALL");
    }
    EXPECT_FALSE(dialog->descriptionList()->isEnabled());
    EXPECT_EQ(dialog->descriptionList()->count(), 17);
    EXPECT_EQ(dialog->descriptionList()->currentText(), "Group 1: Slave's IO COS/CC Msg");
    EXPECT_FALSE(button("Edit")->isEnabled());
    EXPECT_FALSE(button("Delete")->isEnabled());
    EXPECT_EQ(misnamedControls(dialog.get()), "");
}

TEST_F(CDeviceNetFilterDlgTest, MacIdFieldsRefuseCharacterByCharacterInEachFormat) {
    ASSERT_NO_FATAL_FAILURE(open());
    MacIdComboBox* source = dialog->sourceField();
    type(source, "40");
    EXPECT_EQ(source->currentText(), "4");
    type(source, "1g");
    EXPECT_EQ(source->currentText(), "1");
    type(source, "2a");
    EXPECT_EQ(source->currentText(), "2A") << "letters show in upper case";
    EXPECT_EQ(source->member(), 0x2A);
    ASSERT_EQ(shownNumbers(messages), (std::vector<int>{5070, 5071}));
    EXPECT_EQ(messages.shown()[0].text, "The ID data must between 0 to 0X3F");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::None);
    EXPECT_EQ(messages.shown()[0].owner, dialog.get());

    dialog->decimalButton()->click();
    EXPECT_EQ(source->currentText(), "42");
    EXPECT_EQ(dialog->destinationField()->currentText(), "ALL");
    type(source, "64");
    EXPECT_EQ(source->currentText(), "6");
    // A paste is corrected one character and one message at a time.
    source->setEditText("1ABC");
    EXPECT_EQ(source->currentText(), "1");
    EXPECT_EQ(shownNumbers(messages), (std::vector<int>{5070, 5071, 5072, 5073, 5073, 5073}));
    dialog->hexButton()->click();
    EXPECT_EQ(source->currentText(), "01");

    // An emptied field reads "ALL" once left, so Add tests no source.
    source->setFocus();
    source->lineEdit()->clear();
    EXPECT_EQ(source->member(), 1) << "until the field is left";
    dialog->destinationField()->setFocus();
    EXPECT_EQ(source->currentText(), "ALL");
    button("Add")->click();
    ASSERT_EQ(dialog->workingConditions().size(), 1u);
    EXPECT_EQ(dialog->workingConditions()[0].flags & FC_DN_SRCMAC, 0u);
}

TEST_F(CDeviceNetFilterDlgTest, GroupsAndMethodsDecideTheListsAndTheMacIdFields) {
    ASSERT_NO_FATAL_FAILURE(open());
    dialog->groupList()->setCurrentIndex(kGroup4);
    EXPECT_FALSE(dialog->sourceField()->isEnabled()) << "group 4 messages carry no MAC ID";
    EXPECT_FALSE(dialog->destinationField()->isEnabled());
    EXPECT_EQ(dialog->messageIdList()->count(), 49);
    dialog->groupList()->setCurrentIndex(0);
    EXPECT_TRUE(dialog->sourceField()->isEnabled());
    dialog->messageIdList()->setCurrentIndex(messageIdEntry(12));
    dialog->groupList()->setCurrentIndex(kGroup3);
    EXPECT_EQ(dialog->messageIdList()->currentText(), "ALL") << "group 3 has no message ID 12";
    EXPECT_EQ(dialog->messageIdList()->count(), 8);

    dialog->method2Button()->click();
    EXPECT_FALSE(dialog->groupList()->isEnabled());
    EXPECT_FALSE(dialog->messageIdList()->isEnabled());
    EXPECT_TRUE(dialog->descriptionList()->isEnabled());
    dialog->descriptionList()->setCurrentIndex(kCommFaultedResponse);
    EXPECT_FALSE(dialog->sourceField()->isEnabled());
    dialog->descriptionList()->setCurrentIndex(kSlavesExplicitResponse);
    EXPECT_TRUE(dialog->sourceField()->isEnabled());
    EXPECT_EQ(dialog->groupList()->currentText(), "2");
    EXPECT_EQ(dialog->messageIdList()->currentText(), "3");
    button("Add")->click();
    ASSERT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(row(0), (QStringList{"0", "DeviceNet", "2", "3", "**", "**",
                                   "Slave's Explicit / Unconnected Response Message"}));
    EXPECT_EQ(dialog->workingConditions()[0].flags & (FC_METHOD1 | FC_METHOD2 | FC_DN_GROUP2),
              FC_METHOD2 | FC_DN_GROUP2);

    // The same message by Method 1 differs in its flags: no duplicate.
    dialog->method1Button()->click();
    EXPECT_EQ(dialog->groupList()->currentText(), "1");
    EXPECT_FALSE(dialog->descriptionList()->isEnabled());
    dialog->groupList()->setCurrentIndex(kGroup2);
    dialog->messageIdList()->setCurrentIndex(messageIdEntry(3));
    button("Add")->click();
    button("Add")->click();
    EXPECT_EQ(list()->rowCount(), 2);
    ASSERT_EQ(shownNumbers(messages), std::vector<int>{5068});
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
    EXPECT_TRUE(capture.dataChanged);
}

TEST_F(CDeviceNetFilterDlgTest, ClickedRowsLoadAndEditDeleteWorkOnACopyThatCancelDrops) {
    const std::vector<FilterCondition> inForce = {
        customIdCondition(0x123),
        withSourceMac(withMessageId(deviceNetCondition(FC_DN_GROUP2), 5), 5),
        byDescription(withMessageId(deviceNetCondition(FC_DN_GROUP3), 6)),
    };
    ASSERT_NO_FATAL_FAILURE(open(inForce));
    clickRow(list(), 0);
    EXPECT_FALSE(button("Edit")->isEnabled()) << "a CAN row cannot be edited here";
    EXPECT_TRUE(button("Delete")->isEnabled());
    EXPECT_EQ(list()->rowColour(0), QColor(0xEF, 0xEF, 0xEF));

    clickRow(list(), 2);
    EXPECT_TRUE(dialog->method2Button()->isChecked());
    EXPECT_EQ(dialog->descriptionList()->currentIndex(), kUnconnectedRequest);
    clickRow(list(), 1);
    EXPECT_EQ(list()->rowColour(2), QColor(Qt::white));
    EXPECT_TRUE(dialog->method1Button()->isChecked());
    EXPECT_TRUE(dialog->groupList()->isEnabled());
    EXPECT_EQ(dialog->groupList()->currentText(), "2");
    EXPECT_EQ(dialog->messageIdList()->currentText(), "5");
    EXPECT_EQ(dialog->sourceField()->currentText(), "5");
    EXPECT_EQ(dialog->destinationField()->currentText(), "ALL");
    button("Edit")->click();
    EXPECT_EQ(shownNumbers(messages), std::vector<int>{5069}) << "an unchanged Edit is a duplicate";

    type(dialog->destinationField(), "3f");
    button("Edit")->click();
    EXPECT_EQ(row(1), (QStringList{"1", "DeviceNet", "2", "5", "5", "3F",
                                   "Master's I/O Poll Command/Change of State/Cyclic Message"}));
    dialog->decimalButton()->click();
    EXPECT_EQ(dialog->destinationField()->currentText(), "63");
    EXPECT_EQ(dialog->messageIdList()->currentText(), "5");
    EXPECT_EQ(dialog->messageIdList()->itemText(messageIdEntry(7)), "7");
    EXPECT_EQ(row(1).mid(2, 4), (QStringList{"2", "5", "5", "63"}));
    dialog->hexButton()->click();
    EXPECT_EQ(dialog->sourceField()->currentText(), "05");

    clickRow(list(), 0);
    button("Delete")->click();
    ASSERT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(row(0)[0], "0");
    EXPECT_EQ(row(0)[1], "DeviceNet");
    EXPECT_FALSE(button("Edit")->isEnabled());
    EXPECT_TRUE(capture.dataChanged);

    button("Cancel")->click();
    EXPECT_TRUE(sameConditions(filter.conditions, inForce));
}

// OK is the three filter dialogs' shared code: this test stands for all three.
TEST_F(CDeviceNetFilterDlgTest, OkAppliesTheConditionsTheirTicksAndTheMode) {
    // Group 1 message 13 from MAC 5, group 1 message 14 from MAC 5, group 2
    // message 5 to MAC 0.
    for (const uint32_t identifier : {0x345u, 0x385u, 0x405u})
        ASSERT_TRUE(capture.store.append(frameRecord(identifier, {0})));
    ASSERT_NO_FATAL_FAILURE(open({disabled(deviceNetCondition(FC_DN_GROUP2))}, FILTER_HIDE));
    dialog->messageIdList()->setCurrentIndex(messageIdEntry(13));
    button("Add")->click();
    clickRow(list(), 0, /*onCheckBox=*/true);
    button("OK")->click();

    ASSERT_EQ(filter.conditions.size(), 2u);
    EXPECT_EQ(filter.filterMode, FILTER_HIDE);
    ASSERT_EQ(capture.rows.count(), 1u) << "Hide leaves what neither condition names";
    EXPECT_EQ(capture.store.at(capture.rows.at(0)).frame.identifier, 0x385u);
}

}  // namespace
