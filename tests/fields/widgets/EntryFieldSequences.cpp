#include "fields/widgets/EntryFieldSequences.h"

#include "support/QStringPrinting.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

constexpr int32_t kStandardFrames = 1;
constexpr int32_t kExtendFrames = 2;
constexpr NumberFormat kHex = NumberFormat::hex;
constexpr NumberFormat kDecimal = NumberFormat::decimal;

using Refusal = int FieldMessages::InFormat::*;

void paste(QWidget* field, const char* text) {
    QApplication::clipboard()->setText(QString::fromLatin1(text));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

void EntryFieldSequences::open(int32_t frameType) {
    dialog = GetParam().open(frameType, messages);
    ASSERT_TRUE(dialog);
    QWidget* window = dialog->window();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

std::vector<int> EntryFieldSequences::shownSince(std::size_t first) const {
    std::vector<int> numbers;
    for (std::size_t i = first; i < messages.shown().size(); ++i)
        numbers.push_back(messages.shown()[i].number);
    return numbers;
}

TEST_P(EntryFieldSequences, EachRefusedCharacterIsRemovedWithOneMessage) {
    enum Target { identifier, lastDataByte };  // the eighth byte hands the focus to no one
    struct Row {
        const char* name;
        Target target;
        int32_t frameType;
        NumberFormat format;
        bool pasted;
        const char* keys;
        const char* text;
        uint32_t kept;
        std::vector<Refusal> refusals;
    };
    using In = FieldMessages::InFormat;
    const Row rows[] = {
        {"800 in Hex, Standard", identifier, kStandardFrames, kHex, false, "800", "80", 0x80,
         {&In::identifierStandardRange}},
        {"2048 in Decimal, Standard", identifier, kStandardFrames, kDecimal, false, "2048", "204", 204,
         {&In::identifierStandardRange}},
        {"nine hex characters", identifier, kExtendFrames, kHex, false, "123456789", "12345678", 0x12345678,
         {&In::identifierTooLong}},
        {"lower case typed", identifier, kExtendFrames, kHex, false, "1ffffffe", "1FFFFFFE", 0x1FFFFFFE, {}},
        {"A in Decimal", identifier, kStandardFrames, kDecimal, false, "1A", "1", 1, {&In::identifierInvalidCharacter}},
        {"ten decimal nines pasted", identifier, kExtendFrames, kDecimal, true, "9999999999", "99999999", 99999999,
         {&In::identifierTooLong, &In::identifierExtendRange}},
        {"eight hex Fs pasted", identifier, kExtendFrames, kHex, true, "FFFFFFFF", "FFFFFFF", 0xFFFFFFF,
         {&In::identifierExtendRange}},
        {"a bad character inside a paste", identifier, kStandardFrames, kHex, true, "1G2", "1", 1,
         {&In::identifierInvalidCharacter, &In::identifierInvalidCharacter}},
        {"1G in Hex", lastDataByte, kStandardFrames, kHex, false, "1G", "1", 1, {&In::byteInvalidCharacter}},
        {"a third hex digit is held off", lastDataByte, kStandardFrames, kHex, false, "abc", "AB", 0xAB, {}},
        {"256 in Decimal", lastDataByte, kStandardFrames, kDecimal, false, "256", "25", 25, {&In::byteAboveMaximum}},
        {"1A in Decimal", lastDataByte, kStandardFrames, kDecimal, false, "1A", "1", 1, {&In::byteInvalidCharacter}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NO_FATAL_FAILURE(open(row.frameType));
        EntryField* field = row.target == identifier ? dialog->identifier() : dialog->dataByte(7);
        if (!field)
            continue;  // a dialog without an identifier field
        dialog->chooseFormat(row.format);
        field->setFocus();
        field->clear();
        const std::size_t first = messages.shown().size();
        if (row.pasted)
            paste(field, row.keys);
        else
            QTest::keyClicks(field, row.keys);

        EXPECT_EQ(field->text(), row.text);
        EXPECT_EQ(field->keptValue(), row.kept);
        std::vector<int> expected;
        for (Refusal refusal : row.refusals)
            expected.push_back(says(row.format).*refusal);
        EXPECT_EQ(shownSince(first), expected);
        for (std::size_t i = first; i < messages.shown().size(); ++i) {
            const Message& message = messages.shown()[i];
            EXPECT_EQ(message.owner, static_cast<const void*>(dialog->window())) << "owned by the dialog";
            EXPECT_EQ(message.icon, MessageIcon::None);
            EXPECT_EQ(message.caption, "") << "no caption of the program's own";
        }
    }
}

TEST_P(EntryFieldSequences, TwoHexDigitsPerByteWalkThroughAllEight) {
    ASSERT_NO_FATAL_FAILURE(open(kStandardFrames));
    dialog->chooseFormat(kHex);
    dialog->dataByte(1)->showValue(0xAA);
    dialog->dataByte(0)->setFocus();
    dialog->dataByte(0)->selectAll();
    const char* pairs[] = {"01", "23", "45", "67", "89", "ab", "CD", "ef"};
    const uint32_t values[] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    for (int i = 0; i < 8; ++i) {
        ASSERT_EQ(QApplication::focusWidget(), dialog->dataByte(i)) << "before byte " << i + 1;
        if (i == 1) {
            EXPECT_EQ(dialog->dataByte(1)->selectedText(), "AA") << "the next field's text is selected";
        }
        QTest::keyClicks(QApplication::focusWidget(), pairs[i]);
    }
    EXPECT_EQ(QApplication::focusWidget(), dialog->dataByte(7)) << "the eighth keeps the focus";
    QTest::keyClicks(QApplication::focusWidget(), "9");
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(dialog->dataByte(i)->text(), QString::fromLatin1(pairs[i]).toUpper()) << "byte " << i + 1;
        EXPECT_EQ(dialog->dataByte(i)->keptValue(), values[i]) << "byte " << i + 1;
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_P(EntryFieldSequences, EmptiedFieldKeepsItsValueUntilItLosesTheFocus) {
    ASSERT_NO_FATAL_FAILURE(open(kStandardFrames));
    const bool becomesZero = GetParam().leftEmpty == LeftEmpty::becomesZero;
    dialog->chooseFormat(kHex);
    EntryField* byte = dialog->dataByte(2);
    byte->showValue(0x12);
    byte->setFocus();
    byte->selectAll();
    QTest::keyClick(byte, Qt::Key_Backspace);
    EXPECT_EQ(byte->text(), "");
    EXPECT_EQ(byte->keptValue(), 0x12u) << "an emptied data byte keeps its value while in use";

    dialog->dataByte(0)->setFocus();
    EXPECT_EQ(byte->text(), becomesZero ? "0" : "");
    EXPECT_EQ(byte->keptValue(), becomesZero ? 0u : 0x12u);

    if (EntryField* identifier = dialog->identifier()) {
        identifier->showValue(0x7F);
        identifier->setFocus();
        identifier->selectAll();
        QTest::keyClick(identifier, Qt::Key_Delete);
        EXPECT_EQ(identifier->keptValue(), 0u) << "an empty identifier counts as 0 at once";
        byte->setFocus();
        EXPECT_EQ(identifier->text(), becomesZero ? "0" : "");
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_P(EntryFieldSequences, FormatChangeKeepsEveryValue) {
    ASSERT_NO_FATAL_FAILURE(open(kStandardFrames));
    dialog->chooseFormat(kHex);
    const uint32_t bytes[] = {0xFF, 0x1F, 0x00, 0x80, 0x07, 0x0A, 0x64, 0xFE};
    const char* hexTexts[] = {"FF", "1F", "0", "80", "7", "A", "64", "FE"};
    const char* decimalTexts[] = {"255", "31", "0", "128", "7", "10", "100", "254"};
    for (int i = 0; i < 8; ++i)
        dialog->dataByte(i)->showValue(bytes[i]);
    if (dialog->identifier())
        dialog->identifier()->showValue(0x7FF);

    for (NumberFormat format : {kDecimal, kHex, kDecimal, kHex}) {
        const bool hex = format == kHex;
        SCOPED_TRACE(hex ? "to Hex" : "to Decimal");
        dialog->chooseFormat(format);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(dialog->dataByte(i)->text(), hex ? hexTexts[i] : decimalTexts[i]) << "byte " << i + 1;
            EXPECT_EQ(dialog->dataByte(i)->keptValue(), bytes[i]) << "byte " << i + 1;
        }
        if (EntryField* identifier = dialog->identifier()) {
            EXPECT_EQ(identifier->text(), hex ? "7FF" : "2047");
            EXPECT_EQ(identifier->keptValue(), 0x7FFu);
        }
    }
    // Decimal then takes a third digit, Hex does not.
    dialog->chooseFormat(kDecimal);
    dialog->dataByte(7)->clear();
    QTest::keyClicks(dialog->dataByte(7), "2550");
    EXPECT_EQ(dialog->dataByte(7)->text(), "255");
    EXPECT_TRUE(messages.shown().empty());
}
