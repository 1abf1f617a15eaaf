#include "filters/widgets/CCANopenFilterDlg.h"

#include "core/CaptureState.h"
#include "core/RecordingMessageSink.h"
#include "fields/widgets/EntryFieldSequences.h"
#include "filters/FilterFlags.h"
#include "filters/FilterState.h"
#include "filters/widgets/CanopenIdBox.h"

#include "filters/ConditionBuilders.h"
#include "filters/widgets/FilterDialogDriver.h"
#include "support/AccessibleNames.h"
#include "support/PushButtons.h"
#include "support/QStringPrinting.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

constexpr uint32_t kHexFormat = 1;
constexpr uint32_t kDecimalFormat = 0;

// The dialog over a capture, a filter and a program format of its own, as
// the data list opens it.
struct CanopenFilterSetup {
    explicit CanopenFilterSetup(MessageSink& messages) : context{capture, filter, nullptr, messages} { reopen(); }
    void reopen() { dialog = std::make_unique<CCANopenFilterDlg>(context, hexFormat); }

    CaptureState capture;
    FilterState filter;
    uint32_t hexFormat = kHexFormat;
    FilterDialogContext context;
    std::unique_ptr<CCANopenFilterDlg> dialog;
};

class CanopenFilterWindow : public EntryFieldWindow {
public:
    explicit CanopenFilterWindow(MessageSink& sink) : setup_(sink) {}
    QWidget* window() override { return setup_.dialog.get(); }
    EntryField* identifier() override { return nullptr; }  // its COB-ID and node ID have rules of their own
    EntryField* dataByte(int index) override { return setup_.dialog->dataField(index); }
    void chooseFormat(NumberFormat format) override {
        (format == NumberFormat::hex ? setup_.dialog->hexButton() : setup_.dialog->decimalButton())->click();
    }

private:
    CanopenFilterSetup setup_;
};

INSTANTIATE_TEST_SUITE_P(
    Dialogs, EntryFieldSequences,
    ::testing::Values(EntryFieldDialog{"CanopenFilter", &kCanopenFilterFields, LeftEmpty::staysEmpty,
                                       [](int32_t, MessageSink& sink) -> std::unique_ptr<EntryFieldWindow> {
                                           return std::make_unique<CanopenFilterWindow>(sink);
                                       }}),
    entryFieldDialogName);

class CCANopenFilterDlgTest : public ::testing::Test {
protected:
    void open(std::vector<FilterCondition> conditions = {}, uint32_t mode = FILTER_SHOW) {
        openFilterDialog(setup.filter, std::move(conditions), mode, [this] {
            setup.reopen();
            return dialog();
        });
    }
    CCANopenFilterDlg* dialog() const { return setup.dialog.get(); }
    CHighlightListCtrl* list() const { return dialog()->conditionList(); }
    QPushButton* button(const char* text) const { return pushButtonWithText(dialog(), QString::fromLatin1(text)); }
    void type(QWidget* field, const char* text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    QStringList row(int index) const { return rowTexts(list(), index); }
    void click(int index, bool onCheckBox = false) { clickRow(list(), index, onCheckBox); }
    std::vector<std::pair<int, std::string>> shownSince(std::size_t first) const {
        std::vector<std::pair<int, std::string>> shown;
        for (std::size_t i = first; i < messages.shown().size(); ++i)
            shown.emplace_back(messages.shown()[i].number, messages.shown()[i].text);
        return shown;
    }

    RecordingMessageSink messages;
    CanopenFilterSetup setup{messages};
};

TEST_F(CCANopenFilterDlgTest, OpensInHexOnMethod1WhateverTheProgramsFormat) {
    setup.hexFormat = kDecimalFormat;
    ASSERT_NO_FATAL_FAILURE(open());
    EXPECT_EQ(dialog()->windowTitle(), "Filter for CANopen Protocol");
    EXPECT_TRUE(dialog()->hexButton()->isChecked());
    EXPECT_EQ(setup.hexFormat, kDecimalFormat) << "only a click writes the program's format";
    EXPECT_TRUE(dialog()->method1Button()->isChecked());
    EXPECT_EQ(dialog()->cobIdBox()->currentText(), "ALL");
    EXPECT_EQ(dialog()->nodeIdBox()->currentText(), "ALL");
    EXPECT_EQ(dialog()->sizeList()->currentText(), "ALL");
    QComboBox* codes = dialog()->functionCodeList();
    ASSERT_EQ(codes->count(), 17);
    EXPECT_EQ(codes->currentText(), "ALL");
    EXPECT_EQ(codes->itemText(1), "0");
    EXPECT_EQ(codes->itemText(16), "F");
    EXPECT_FALSE(dialog()->remoteButton()->isChecked());
    EXPECT_TRUE(dialog()->dataField(7)->isEnabled());
    EXPECT_FALSE(button("Edit")->isEnabled());
    EXPECT_FALSE(button("Delete")->isEnabled());

    EXPECT_TRUE(dialog()->cobIdBox()->isEnabled());
    EXPECT_FALSE(codes->isEnabled());
    EXPECT_FALSE(dialog()->nodeIdBox()->isEnabled());
    dialog()->method2Button()->click();
    EXPECT_FALSE(dialog()->cobIdBox()->isEnabled());
    EXPECT_TRUE(codes->isEnabled());
    EXPECT_TRUE(dialog()->nodeIdBox()->isEnabled());
    EXPECT_EQ(misnamedControls(dialog()), "");
}

TEST_F(CCANopenFilterDlgTest, TypedIdsAreCheckedOnEveryChangeAndRangeMessagesNameTheLimit) {
    enum Target { cobId, nodeId };
    struct Row {
        const char* name;
        Target target;
        NumberFormat format;
        bool pasted;
        const char* keys;
        const char* text;
        int32_t member;
        std::vector<std::pair<int, std::string>> shown;
    };
    const Row rows[] = {
        {"node ID 80 in Hex", nodeId, NumberFormat::hex, false, "80", "8", 8,
         {{5038, "The ID data must between 0 to 0X7f"}}},
        {"node ID 128 in Decimal", nodeId, NumberFormat::decimal, false, "128", "12", 12,
         {{5040, "The ID data must between 0 to 127"}}},
        {"COB-ID 800 in Hex", cobId, NumberFormat::hex, false, "800", "80", 0x80,
         {{5038, "The ID data must between 0 to 0X7ff"}}},
        {"COB-ID 2048 in Decimal", cobId, NumberFormat::decimal, false, "2048", "204", 204,
         {{5040, "The ID data must between 0 to 2047"}}},
        {"lower case, then G in Hex", cobId, NumberFormat::hex, false, "7fg", "7F", 0x7F,
         {{5039, "The char must between 0 to F."}}},
        {"A in Hex is a digit, not ALL", nodeId, NumberFormat::hex, false, "a", "A", 10, {}},
        {"A in Decimal", nodeId, NumberFormat::decimal, false, "1A", "1", 1, {{5041, "The char must between 0 to 9."}}},
        {"a paste cascades one message per character", nodeId, NumberFormat::hex, true, "7G0", "7", 7,
         {{5039, "The char must between 0 to F."}, {5039, "The char must between 0 to F."}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NO_FATAL_FAILURE(open());
        (row.target == cobId ? dialog()->method1Button() : dialog()->method2Button())->click();
        (row.format == NumberFormat::hex ? dialog()->hexButton() : dialog()->decimalButton())->click();
        CanopenIdBox* box = row.target == cobId ? dialog()->cobIdBox() : dialog()->nodeIdBox();
        type(box, "");
        const std::size_t first = messages.shown().size();
        if (row.pasted) {
            QApplication::clipboard()->setText(QString::fromLatin1(row.keys));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(box, QString::fromLatin1(row.keys));
        }
        EXPECT_EQ(box->currentText(), row.text);
        EXPECT_EQ(box->member(), row.member);
        EXPECT_EQ(shownSince(first), row.shown);
        for (std::size_t i = first; i < messages.shown().size(); ++i) {
            EXPECT_EQ(messages.shown()[i].owner, static_cast<const void*>(dialog()));
            EXPECT_EQ(messages.shown()[i].icon, MessageIcon::None);
        }
    }
}

TEST_F(CCANopenFilterDlgTest, ChoosingAllFromTheEntriesAfterTypingTestsNoId) {
    ASSERT_NO_FATAL_FAILURE(open());
    CanopenIdBox* box = dialog()->cobIdBox();
    type(box, "12");
    ASSERT_EQ(box->member(), 0x12);
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(box->view()->isVisible());
    QTest::keyClick(box->view(), Qt::Key_Return);
    EXPECT_EQ(box->currentText(), "ALL");
    EXPECT_EQ(box->member(), kCanopenAll);
}

TEST_F(CCANopenFilterDlgTest, LeavingTheCobIdWritesItBackInTheFormat) {
    ASSERT_NO_FATAL_FAILURE(open());
    type(dialog()->cobIdBox(), "07f");
    dialog()->sizeList()->setFocus();
    EXPECT_EQ(dialog()->cobIdBox()->currentText(), "7F");
    dialog()->decimalButton()->click();
    type(dialog()->cobIdBox(), "0100");
    dialog()->sizeList()->setFocus();
    EXPECT_EQ(dialog()->cobIdBox()->currentText(), "100");
    EXPECT_EQ(dialog()->cobIdBox()->member(), 100);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(CCANopenFilterDlgTest, FormatChangeRewritesFieldsAndListAndWritesTheProgramsFormat) {
    ASSERT_NO_FATAL_FAILURE(open());
    dialog()->method2Button()->click();
    dialog()->functionCodeList()->setCurrentIndex(4);
    type(dialog()->nodeIdBox(), "5");
    type(dialog()->dataField(0), "1F");
    button("Add")->click();
    ASSERT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(row(0), (QStringList{"0", "CANopen", "185", "3", "5", "Standard", "ALL", " 1F ** ** ** ** ** ** **"}));

    dialog()->decimalButton()->click();
    EXPECT_EQ(setup.hexFormat, kDecimalFormat);
    EXPECT_EQ(row(0), (QStringList{"0", "CANopen", "389", "3", "5", "Standard", "ALL", " 031 ** ** ** ** ** ** **"}));
    EXPECT_EQ(dialog()->functionCodeList()->currentIndex(), 4) << "the function code stays chosen";
    EXPECT_EQ(dialog()->functionCodeList()->itemText(11), "10");
    EXPECT_EQ(dialog()->dataField(0)->text(), "31");
    EXPECT_EQ(dialog()->dataField(1)->text(), "") << "an empty byte stays untested";

    dialog()->hexButton()->click();
    EXPECT_EQ(setup.hexFormat, kHexFormat);
    EXPECT_EQ(dialog()->nodeIdBox()->currentText(), "05");
    EXPECT_EQ(dialog()->cobIdBox()->currentText(), "ALL");
    EXPECT_EQ(dialog()->functionCodeList()->itemText(11), "A");
    EXPECT_EQ(row(0)[2], "185");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(CCANopenFilterDlgTest, AddEditDeleteAndTicksWorkOnACopyThatCancelDrops) {
    const std::vector<FilterCondition> inForce = {customIdCondition(0x181),
                                                  withDataByte(withLength(cobIdCondition(0x181), 1), 0, 0x11),
                                                  functionCodeAndNodeCondition(3, 5)};
    ASSERT_NO_FATAL_FAILURE(open(inForce, FILTER_HIDE));
    button("Add")->click();
    button("Add")->click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5029);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
    ASSERT_EQ(list()->rowCount(), 4);
    EXPECT_EQ(row(3), (QStringList{"3", "CANopen", "**", "**", "**", "Standard", "ALL", " ** ** ** ** ** ** ** **"}));
    EXPECT_TRUE(setup.capture.dataChanged);

    click(0);
    EXPECT_FALSE(button("Edit")->isEnabled()) << "a CAN row cannot be edited here";
    EXPECT_TRUE(button("Delete")->isEnabled());
    click(2);
    EXPECT_TRUE(dialog()->method2Button()->isChecked());
    EXPECT_EQ(dialog()->functionCodeList()->currentText(), "3");
    EXPECT_EQ(dialog()->nodeIdBox()->currentText(), "5");
    click(1);
    EXPECT_EQ(list()->rowColour(1), QColor(0xEF, 0xEF, 0xEF));
    EXPECT_EQ(list()->rowColour(2), QColor(Qt::white));
    EXPECT_TRUE(dialog()->method1Button()->isChecked());
    EXPECT_EQ(dialog()->cobIdBox()->currentText(), "181");
    EXPECT_EQ(dialog()->functionCodeList()->currentText(), "ALL");
    EXPECT_EQ(dialog()->sizeList()->currentText(), "1");
    EXPECT_EQ(dialog()->dataField(0)->text(), "11");
    EXPECT_FALSE(dialog()->dataField(1)->isEnabled());
    ASSERT_TRUE(button("Edit")->isEnabled());
    button("Edit")->click();
    EXPECT_EQ(messages.shown().back().number, 5042) << "an unchanged Edit is a duplicate";

    dialog()->remoteButton()->click();
    EXPECT_FALSE(dialog()->dataField(0)->isEnabled());
    button("Edit")->click();
    EXPECT_EQ(row(1), (QStringList{"1", "CANopen", "181", "3", "1", "Standard", "1", "Remote Frame"}));
    click(3);
    EXPECT_FALSE(dialog()->remoteButton()->isChecked());
    click(1);
    EXPECT_TRUE(dialog()->remoteButton()->isChecked());
    EXPECT_FALSE(dialog()->dataField(0)->isEnabled()) << "a remote condition loads without data";

    click(3, /*onCheckBox=*/true);
    EXPECT_EQ(list()->item(3, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(dialog()->workingConditions()[3].flags & FC_ENABLED, 0u);
    click(0);
    button("Delete")->click();
    ASSERT_EQ(list()->rowCount(), 3);
    EXPECT_EQ(row(0)[2], "181");
    EXPECT_FALSE(button("Delete")->isEnabled());

    button("Cancel")->click();
    EXPECT_TRUE(sameConditions(setup.filter.conditions, inForce));
    EXPECT_EQ(setup.filter.filterMode, FILTER_HIDE);
}

}  // namespace
