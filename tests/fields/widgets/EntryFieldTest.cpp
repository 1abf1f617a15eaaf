#include "fields/widgets/EntryField.h"

#include "core/RecordingMessageSink.h"
#include "fields/FieldMessages.h"
#include "fields/widgets/EntryFields.h"
#include "support/QStringPrinting.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// One identifier and eight data bytes, made as the message dialogs make them.
class EntryFieldTest : public ::testing::Test {
protected:
    void SetUp() override { identifier->setIdentifierWidth(IdentifierWidth::extend); }

    RecordingMessageSink messages;
    QWidget window;
    EntryField* identifier =
        new EntryField(FieldKind::identifier, kManualMessageFields, messages, LeftEmpty::becomesZero, &window);
    DataByteFields data =
        makeDataByteFields(kManualMessageFields, messages, LeftEmpty::becomesZero, QStringLiteral("Data"), &window);
};

TEST_F(EntryFieldTest, SizeAndFrameKindEnableTheDataFieldsWhichKeepTheirValues) {
    for (std::size_t i = 0; i < 8; ++i)
        data[i]->showValue(uint32_t(i + 1));
    const auto enabled = [this] {
        QString states;
        for (std::size_t i = 0; i < 8; ++i)
            states += QLatin1Char(data[i]->isEnabled() ? '1' : '0');
        return states;
    };
    enableDataFields(data, 3, /*remoteFrame=*/false);
    EXPECT_EQ(enabled(), "11100000");
    enableDataFields(data, 3, /*remoteFrame=*/true);
    EXPECT_EQ(enabled(), "00000000");
    enableDataFields(data, 8, /*remoteFrame=*/false);
    EXPECT_EQ(enabled(), "11111111");
    enableDataFields(data, 0, /*remoteFrame=*/false);
    EXPECT_EQ(enabled(), "00000000");
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(data[i]->text(), QString::number(i + 1));
        EXPECT_EQ(data[i]->keptValue(), uint32_t(i + 1));
    }
}

TEST_F(EntryFieldTest, DataFieldsAreHeardByTheirPosition) {
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(data[i])->text(QAccessible::Name),
                  QStringLiteral("Data %1").arg(i + 1));
}

TEST_F(EntryFieldTest, TextFromTheProgramIsCheckedLikeTyping) {
    identifier->setText(QStringLiteral("abc"));
    EXPECT_EQ(identifier->text(), "ABC");
    EXPECT_EQ(identifier->keptValue(), 0xABCu);
    // The text limit would have cut 0x12C to "12" without a word.
    data[7]->showValue(0x12C);
    EXPECT_EQ(data[7]->text(), "12");
    EXPECT_EQ(data[7]->keptValue(), 0x12u);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].number, 5074);
}

TEST_F(EntryFieldTest, FilterFieldsLeftEmptyStayEmptyThroughAFormatChange) {
    EntryField* field = data[7];
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
    EntryField* field = data[7];
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
