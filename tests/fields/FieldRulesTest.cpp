#include "fields/FieldRules.h"

#include "core/StringTable.h"
#include "fields/FieldMessages.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

void PrintTo(const FieldVerdict& verdict, std::ostream* out) {
    *out << "{kept " << (verdict.keptValue ? std::to_string(*verdict.keptValue) : "unchanged") << ", message "
         << verdict.refusal << (verdict.focusNext ? ", focus next}" : "}");
}

namespace {

constexpr NumberFormat kHex = NumberFormat::hex;
constexpr NumberFormat kDecimal = NumberFormat::decimal;
constexpr IdentifierWidth kStandard = IdentifierWidth::standard;
constexpr IdentifierWidth kExtend = IdentifierWidth::extend;

FieldVerdict kept(uint32_t value, bool focusNext = false) { return {value, 0, focusNext}; }
FieldVerdict refused(int message) { return {std::nullopt, message, false}; }

// Manual Message numbers here; FieldMessages below checks every dialog's.
TEST(CheckDataByteField, AcceptsBytesAndHandsOnTheFocusWhenFull) {
    struct Row {
        const char* name;
        NumberFormat format;
        const char* text;
        bool hasNextField;
        FieldVerdict expected;
    };
    const Row rows[] = {
        {"emptied keeps the old value", kHex, "", true, {}},
        {"one hex digit", kHex, "1", true, kept(1)},
        {"two hex digits walk on", kHex, "ff", true, kept(0xFF, true)},
        {"the eighth field keeps the focus", kHex, "1F", false, kept(0x1F)},
        {"G after a digit", kHex, "1G", true, refused(5075)},
        {"above FF, set by the program", kHex, "100", true, refused(5074)},
        {"two decimal digits stay", kDecimal, "25", true, kept(25)},
        {"leading zeros walk on", kDecimal, "007", true, kept(7, true)},
        {"256", kDecimal, "256", true, refused(5076)},
        {"a sign", kDecimal, "-1", true, refused(5077)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CheckDataByteField(row.text, row.format, row.hasNextField, kManualMessageFields), row.expected)
            << row.name;
}

TEST(CheckIdentifierField, KeepsTheValueBeforeTheRangeTest) {
    struct Row {
        const char* name;
        NumberFormat format;
        IdentifierWidth width;
        const char* text;
        FieldVerdict expected;
    };
    const Row rows[] = {
        {"empty counts as 0 at once", kHex, kStandard, "", kept(0)},
        {"7FF fits Standard", kHex, kStandard, "7ff", kept(0x7FF)},
        {"800 is kept, then refused", kHex, kStandard, "800", {0x800, 5080, false}},
        {"1FFFFFFF fits Extend", kHex, kExtend, "1FFFFFFF", kept(0x1FFFFFFF)},
        {"the top bit set reads negative", kHex, kExtend, "FFFFFFFF", {0xFFFFFFFF, 5081, false}},
        {"nine hex characters", kHex, kExtend, "123456789", refused(5083)},
        {"length is tested before characters", kHex, kExtend, "GGGGGGGGG", refused(5083)},
        {"2048", kDecimal, kStandard, "2048", {2048, 5084, false}},
        {"536870911 fits Extend", kDecimal, kExtend, "536870911", kept(536870911)},
        {"nine nines", kDecimal, kExtend, "999999999", {999999999, 5085, false}},
        {"ten digits", kDecimal, kExtend, "1000000000", refused(5087)},
        {"a hex letter in Decimal", kDecimal, kExtend, "12A", refused(5086)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CheckIdentifierField(row.text, row.format, row.width, kManualMessageFields), row.expected)
            << row.name;
}

// Each dialog's refusal numbers, and their texts with their typos.
TEST(FieldMessages, EachDialogRefusesWithItsOwnNumbers) {
    enum Field { byte, standardId, extendId };
    struct Trigger {
        Field field;
        NumberFormat format;
        const char* text;
        const char* message;
    };
    const Trigger triggers[] = {
        {byte, kHex, "100", "The value must between 0 to 0XFF."},
        {byte, kHex, "G", "Invalid character."},
        {byte, kDecimal, "256", "The value must between 0 to 255."},
        {byte, kDecimal, "A", "Invalid character."},
        {extendId, kHex, "123456789", "Identifier must less than 8 characters."},
        {extendId, kHex, "G", "Invalid character."},
        {standardId, kHex, "800", "Identifier must between 0 to 0X7FF."},
        {extendId, kHex, "20000000", "Identifier must between 0 to 0X1FFFFFFF."},
        {extendId, kDecimal, "1234567890", "Identifier must less than 9 characters."},
        {extendId, kDecimal, "A", "Invalid character."},
        {standardId, kDecimal, "2048", "Identifier must between 0 to 2047."},
        {extendId, kDecimal, "536870912", "Identifier must between 0 to 536870911."},
    };
    struct Dialog {
        const char* name;
        const FieldMessages& messages;
        std::array<int, 12> numbers;  // 0: no identifier field
    };
    const Dialog dialogs[] = {
        {"Automation", kAutomationMessageFields, {5005, 5006, 5007, 5008, 5019, 5018, 5016, 5017, 5023, 5022, 5020, 5021}},
        {"Manual", kManualMessageFields, {5074, 5075, 5076, 5077, 5083, 5082, 5080, 5081, 5087, 5086, 5084, 5085}},
        {"CAN filter", kCanFilterFields, {5043, 5044, 5045, 5046, 5056, 5055, 5053, 5054, 5060, 5059, 5057, 5058}},
        {"CANopen filter", kCanopenFilterFields, {5030, 5031, 5032, 5033, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Dialog& dialog : dialogs) {
        for (std::size_t i = 0; i < std::size(triggers); ++i) {
            const Trigger& on = triggers[i];
            const int number = dialog.numbers[i];
            if (number == 0)
                continue;
            const int shown = on.field == byte
                                  ? CheckDataByteField(on.text, on.format, true, dialog.messages).refusal
                                  : CheckIdentifierField(on.text, on.format, on.field == standardId ? kStandard : kExtend,
                                                         dialog.messages)
                                        .refusal;
            EXPECT_EQ(shown, number) << dialog.name << ", " << on.text;
            std::string text = on.message;
            if (number == 5016)
                text += '"';  // one stray quote in the Automation dialog's string
            if (number == 5030)
                text.back() = '!';
            EXPECT_EQ(strings::text(number), text) << number;
        }
    }
}

TEST(FieldRules, FrameTypeOneIsStandardAndAnythingElseExtend) {
    EXPECT_EQ(identifierWidthOf(1), kStandard);
    for (int32_t frameType : {2, 0, -1})
        EXPECT_EQ(identifierWidthOf(frameType), kExtend) << frameType;
}

TEST(FieldRules, SizeEnablesDataFieldsOfDataFramesOnly) {
    EXPECT_EQ(enabledDataFieldCount(4, /*remoteFrame=*/false), 4);
    EXPECT_EQ(enabledDataFieldCount(8, /*remoteFrame=*/true), 0);
    EXPECT_EQ(enabledDataFieldCount(-1, /*remoteFrame=*/false), 0) << "the Size list without a selection";
    EXPECT_EQ(enabledDataFieldCount(9, /*remoteFrame=*/false), 8);
}

}  // namespace
