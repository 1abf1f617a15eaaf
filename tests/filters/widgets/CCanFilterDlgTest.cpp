#include "filters/widgets/CCanFilterDlg.h"

#include "core/CaptureState.h"
#include "core/RecordingMessageSink.h"
#include "dialogs/CHighlightListCtrl.h"
#include "fields/widgets/EntryFieldSequences.h"
#include "filters/FilterFlags.h"
#include "filters/FilterState.h"
#include "filters/widgets/CAdvancedIdDlg.h"

#include "app/widgets/ModalDialog.h"
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

#include <cstring>
#include <memory>
#include <tuple>

namespace {

constexpr int32_t kStandardFrames = 1;
constexpr int kCustomEntry = 2;
constexpr int kAdvancedEntry = 1;

// The dialog over a capture and a filter of its own, as the data list opens it.
struct CanFilterSetup {
    CanFilterSetup(int32_t frameType, MessageSink& messages) : frameType(frameType), context{capture, filter, nullptr, messages} {
        reopen();
    }
    void reopen() { dialog = std::make_unique<CCanFilterDlg>(context, frameType, /*identifierSeed=*/0x12, bits); }

    const int32_t frameType;
    CaptureState capture;
    FilterState filter;
    AdvancedIdentifierBits bits;
    FilterDialogContext context;
    std::unique_ptr<CCanFilterDlg> dialog;
};

class CanFilterWindow : public EntryFieldWindow {
public:
    CanFilterWindow(int32_t frameType, MessageSink& sink) : setup_(frameType, sink) {
        setup_.dialog->identifierChoice()->setCurrentIndex(kCustomEntry);
    }
    QWidget* window() override { return setup_.dialog.get(); }
    EntryField* identifier() override { return setup_.dialog->identifierField(); }
    EntryField* dataByte(int index) override { return setup_.dialog->dataField(index); }
    void chooseFormat(NumberFormat format) override {
        (format == NumberFormat::hex ? setup_.dialog->hexButton() : setup_.dialog->decimalButton())->click();
    }

private:
    CanFilterSetup setup_;
};

INSTANTIATE_TEST_SUITE_P(
    Dialogs, EntryFieldSequences,
    ::testing::Values(EntryFieldDialog{"CanFilter", &kCanFilterFields, LeftEmpty::staysEmpty,
                                       [](int32_t frameType, MessageSink& sink) -> std::unique_ptr<EntryFieldWindow> {
                                           return std::make_unique<CanFilterWindow>(frameType, sink);
                                       }}),
    entryFieldDialogName);

class CCanFilterDlgTest : public ::testing::Test {
protected:
    void open(std::vector<FilterCondition> conditions = {}, uint32_t mode = FILTER_SHOW) {
        openFilterDialog(setup.filter, std::move(conditions), mode, [this] {
            setup.reopen();
            return dialog();
        });
    }
    CCanFilterDlg* dialog() const { return setup.dialog.get(); }
    CHighlightListCtrl* list() const { return dialog()->conditionList(); }
    QPushButton* button(const char* text) const { return pushButtonWithText(dialog(), QString::fromLatin1(text)); }
    void type(EntryField* field, const char* text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    QStringList row(int index) const { return rowTexts(list(), index); }
    void clickRow(int index, bool onCheckBox = false) { ::clickRow(list(), index, onCheckBox); }
    std::vector<int> shownNumbers() const { return ::shownNumbers(messages); }

    RecordingMessageSink messages;
    CanFilterSetup setup{kStandardFrames, messages};
};

TEST_F(CCanFilterDlgTest, AddEditDeleteAndTicksWorkOnACopyThatCancelDrops) {
    const std::vector<FilterCondition> inForce = {cobIdCondition(0x181)};
    ASSERT_NO_FATAL_FAILURE(open(inForce, FILTER_HIDE));
    QRadioButton* hide = nullptr;
    for (QRadioButton* radio : dialog()->findChildren<QRadioButton*>())
        hide = radio->text() == "Hide" ? radio : hide;
    ASSERT_NE(hide, nullptr);
    EXPECT_TRUE(hide->isChecked()) << "opens in the mode in force";
    EXPECT_FALSE(dialog()->identifierField()->isVisible()) << "opens on ALL";
    EXPECT_FALSE(button("Edit")->isEnabled());

    dialog()->identifierChoice()->setCurrentIndex(kCustomEntry);
    type(dialog()->identifierField(), "7FF");
    dialog()->sizeList()->setCurrentIndex(3);
    EXPECT_FALSE(dialog()->dataField(2)->isEnabled()) << "size 2 leaves two fields";
    type(dialog()->dataField(0), "1F");
    type(dialog()->dataField(1), "20");
    button("Add")->click();
    button("Add")->click();
    EXPECT_EQ(shownNumbers(), std::vector<int>{5047});
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
    ASSERT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(row(0), (QStringList{"0", "CANopen", "181", "Standard", "ALL", " ** ** ** ** ** ** ** **"}));
    EXPECT_EQ(row(1), (QStringList{"1", "CAN", "7FF", "Standard", "2", " 1F 20"}));
    EXPECT_TRUE(setup.capture.dataChanged);

    dialog()->decimalButton()->click();
    EXPECT_EQ(dialog()->dataField(0)->text(), "31");
    EXPECT_EQ(row(1), (QStringList{"1", "CAN", "2047", "Standard", "2", " 031 032"}));

    clickRow(0);
    EXPECT_FALSE(button("Edit")->isEnabled()) << "a CANopen row cannot be edited here";
    EXPECT_TRUE(button("Delete")->isEnabled());
    EXPECT_EQ(list()->rowColour(0), QColor(0xEF, 0xEF, 0xEF));
    clickRow(1);
    EXPECT_EQ(list()->rowColour(0), QColor(Qt::white));
    EXPECT_TRUE(button("Edit")->isEnabled());
    button("Edit")->click();
    EXPECT_EQ(shownNumbers(), (std::vector<int>{5047, 5048})) << "an unchanged Edit is a duplicate";
    dialog()->sizeList()->setCurrentIndex(0);
    button("Edit")->click();
    EXPECT_EQ(row(1), (QStringList{"1", "CAN", "2047", "Standard", "ALL", " 031 032 ** ** ** ** ** **"}));

    clickRow(1, /*onCheckBox=*/true);
    EXPECT_EQ(list()->item(1, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(dialog()->workingConditions()[1].flags & FC_ENABLED, 0u);
    clickRow(0);
    button("Delete")->click();
    ASSERT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(row(0)[1], "CAN");
    EXPECT_FALSE(button("Delete")->isEnabled());

    button("Cancel")->click();
    EXPECT_TRUE(sameConditions(setup.filter.conditions, inForce));
    EXPECT_EQ(setup.filter.filterMode, FILTER_HIDE);
}

TEST_F(CCanFilterDlgTest, AdvancedIdentifierStepsTheProgramsBitsAndOkHandsBackItsPattern) {
    ASSERT_NO_FATAL_FAILURE(open());
    dialog()->identifierChoice()->setCurrentIndex(kAdvancedEntry);
    ASSERT_TRUE(dialog()->advancedButton()->isVisible());
    whenDialogOpens<CAdvancedIdDlg>([](CAdvancedIdDlg* advanced) {
        EXPECT_EQ(advanced->shownBits(), 11) << "a Standard identifier has 11 bits";
        EXPECT_EQ(misnamedControls(advanced), "");
        for (const int bit : {0, 0, 10})
            advanced->bitButton(bit)->click();
        EXPECT_EQ(advanced->bitField(0)->text(), "1");
        EXPECT_EQ(advanced->bitField(10)->text(), "0");
        clickButton(advanced, QStringLiteral("OK"));
    });
    dialog()->advancedButton()->click();
    button("Add")->click();
    EXPECT_EQ(row(0)[2], "0XXXXXXXXX1");

    // Presses in a cancelled dialog stay in the program's bit states.
    whenDialogOpens<CAdvancedIdDlg>([](CAdvancedIdDlg* advanced) {
        advanced->bitButton(0)->click();
        clickButton(advanced, QStringLiteral("Cancel"));
    });
    dialog()->advancedButton()->click();
    EXPECT_EQ(setup.bits.stateText(0), 'X');
    EXPECT_EQ(setup.bits.pattern(11), (AdvancedPattern{0x400, 0}));
}

TEST_F(CCanFilterDlgTest, EveryControlIsHeardByItsLabel) {
    ASSERT_NO_FATAL_FAILURE(open());
    EXPECT_EQ(dialog()->windowTitle(), "Filter for CAN Protocol");
    dialog()->identifierChoice()->setCurrentIndex(kCustomEntry);
    EXPECT_EQ(misnamedControls(dialog()), "");
}

}  // namespace
