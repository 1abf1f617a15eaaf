#include "fields/widgets/EntryField.h"

#include "fields/widgets/EntryFieldSequences.h"
#include "fields/widgets/EntryFields.h"
#include "support/QStringPrinting.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

// A stand-in for the message dialogs: one identifier, eight data bytes and
// the Hex/Decimal pair, wired as those dialogs wire them.
class EntryFieldForm : public EntryFieldWindow {
public:
    EntryFieldForm(const FieldMessages& messages, int32_t frameType, MessageSink& sink)
        : identifier_(new EntryField(FieldKind::identifier, messages, sink, LeftEmpty::becomesZero)),
          data_(makeDataByteFields(messages, sink, LeftEmpty::becomesZero, QStringLiteral("Data"))),
          hex_(new QRadioButton(QStringLiteral("Hex"))),
          decimal_(new QRadioButton(QStringLiteral("Decimal"))) {
        identifier_->setIdentifierWidth(identifierWidthOf(frameType));
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(hex_);
        layout->addWidget(decimal_);
        layout->addWidget(identifier_);
        for (EntryField* field : data_)
            layout->addWidget(field);
        hex_->setChecked(true);
        QObject::connect(hex_, &QRadioButton::clicked, [this] { showInFormat(fields(), NumberFormat::hex); });
        QObject::connect(decimal_, &QRadioButton::clicked, [this] { showInFormat(fields(), NumberFormat::decimal); });
    }

    QWidget* window() override { return &window_; }
    EntryField* identifier() override { return identifier_; }
    EntryField* dataByte(int index) override { return data_.at(std::size_t(index)); }
    void chooseFormat(NumberFormat format) override { (format == NumberFormat::hex ? hex_ : decimal_)->click(); }

    const DataByteFields& data() const { return data_; }

private:
    std::array<EntryField*, 9> fields() const {
        return {identifier_, data_[0], data_[1], data_[2], data_[3], data_[4], data_[5], data_[6], data_[7]};
    }

    QWidget window_;
    EntryField* identifier_;
    DataByteFields data_;
    QRadioButton* hex_;
    QRadioButton* decimal_;
};

EntryFieldDialog formWith(const char* name, const FieldMessages& messages) {
    return {name, &messages, LeftEmpty::becomesZero, [&messages](int32_t frameType, MessageSink& sink) {
                return std::make_unique<EntryFieldForm>(messages, frameType, sink);
            }};
}

INSTANTIATE_TEST_SUITE_P(MessageDialogs, EntryFieldSequences,
                         ::testing::Values(formWith("ManualMessage", kManualMessageFields),
                                           formWith("AutomationMessage", kAutomationMessageFields)),
                         entryFieldDialogName);

class EntryFieldTest : public ::testing::Test {
protected:
    RecordingMessageSink messages;
    EntryFieldForm form{kManualMessageFields, 2, messages};
};

TEST_F(EntryFieldTest, SizeAndFrameKindEnableTheDataFieldsWhichKeepTheirValues) {
    for (int i = 0; i < 8; ++i)
        form.dataByte(i)->showValue(uint32_t(i + 1));
    const auto enabled = [this] {
        QString states;
        for (int i = 0; i < 8; ++i)
            states += QLatin1Char(form.dataByte(i)->isEnabled() ? '1' : '0');
        return states;
    };
    enableDataFields(form.data(), 3, /*remoteFrame=*/false);
    EXPECT_EQ(enabled(), "11100000");
    enableDataFields(form.data(), 3, /*remoteFrame=*/true);
    EXPECT_EQ(enabled(), "00000000");
    enableDataFields(form.data(), 8, /*remoteFrame=*/false);
    EXPECT_EQ(enabled(), "11111111");
    enableDataFields(form.data(), 0, /*remoteFrame=*/false);
    EXPECT_EQ(enabled(), "00000000");
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(form.dataByte(i)->text(), QString::number(i + 1));
        EXPECT_EQ(form.dataByte(i)->keptValue(), uint32_t(i + 1));
    }
}

TEST_F(EntryFieldTest, DataFieldsAreHeardByTheirPosition) {
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(form.dataByte(i))->text(QAccessible::Name),
                  QStringLiteral("Data %1").arg(i + 1));
}

TEST_F(EntryFieldTest, TextFromTheProgramIsCheckedLikeTyping) {
    form.identifier()->setText(QStringLiteral("abc"));
    EXPECT_EQ(form.identifier()->text(), "ABC");
    EXPECT_EQ(form.identifier()->keptValue(), 0xABCu);
    // The text limit would have cut 0x12C to "12" without a word.
    form.dataByte(7)->showValue(0x12C);
    EXPECT_EQ(form.dataByte(7)->text(), "12");
    EXPECT_EQ(form.dataByte(7)->keptValue(), 0x12u);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5074);
}

TEST_F(EntryFieldTest, FilterFieldsLeftEmptyStayEmptyThroughAFormatChange) {
    EntryField* field = form.dataByte(7);
    field->showValue(0x1F);
    field->clear();
    field->setNumberFormat(NumberFormat::decimal, EmptyText::keep);
    EXPECT_EQ(field->text(), "");
    QTest::keyClicks(field, "2550");
    EXPECT_EQ(field->text(), "255") << "the Decimal limit holds";
    field->setNumberFormat(NumberFormat::hex, EmptyText::keep);
    EXPECT_EQ(field->text(), "FF");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(EntryFieldTest, ContextMenuLeavesAnEmptyFieldEmpty) {
    EntryField* field = form.dataByte(7);
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(field, &toMenu);
    EXPECT_EQ(field->text(), "") << "a Paste from the menu is still to come";
    QFocusEvent away(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &away);
    EXPECT_EQ(field->text(), "0");
}

// Notes the depth of the stack at each message.
class DepthRecordingSink : public RecordingMessageSink {
public:
    MessageReply show(const Message& message) override {
        frames.push_back(reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
        return RecordingMessageSink::show(message);
    }
    std::vector<std::uintptr_t> frames;
};

TEST(EntryField, LongCascadeRunsAtOneStackDepth) {
    // Each removed character changes the text again. Run nested, every
    // message went deeper and a paste of some 10,000 characters overran
    // the stack; a few hundred show the growth.
    DepthRecordingSink sink;
    EntryField field(FieldKind::identifier, kManualMessageFields, sink, LeftEmpty::becomesZero);
    field.setIdentifierWidth(IdentifierWidth::extend);
    constexpr int kLength = 300;
    field.setText(QString(kLength, QLatin1Char('1')));
    EXPECT_EQ(field.text(), "11111111");
    EXPECT_EQ(field.keptValue(), 0x11111111u);
    ASSERT_EQ(sink.shown().size(), std::size_t(kLength - 8)) << "one message per removed character";
    const auto [shallowest, deepest] = std::minmax_element(sink.frames.begin(), sink.frames.end());
    EXPECT_LT(*deepest - *shallowest, 1024u);
}

}  // namespace
