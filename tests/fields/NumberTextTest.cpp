#include "fields/NumberText.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr NumberFormat kHex = NumberFormat::hex;
constexpr NumberFormat kDecimal = NumberFormat::decimal;

TEST(NumberText, AcceptsOnlyDigitsOfItsFormatAndWrapsModulo2To32) {
    struct Row {
        NumberFormat format;
        const char* text;
        bool isNumber;
        uint32_t value;  // checked only for number text
    };
    const Row rows[] = {
        {kHex, "", true, 0},           {kHex, "aBc", true, 0xABC},        {kHex, "FFFFFFFF", true, 0xFFFFFFFF},
        {kHex, "100000005", true, 5},  {kHex, "G", false, 0},             {kHex, "\xE9", false, 0},  // Latin-1 é
        {kDecimal, "007", true, 7},    {kDecimal, "4294967296", true, 0}, {kDecimal, "99999999999", true, 1215752191},
        {kDecimal, "1A", false, 0},    {kDecimal, "-1", false, 0},        {kDecimal, " 1", false, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(IsNumberText(row.format, row.text), row.isNumber) << row.text;
        if (row.isNumber) {
            EXPECT_EQ(TextToNumber(row.format, row.text), row.value) << row.text;
        }
    }
}

TEST(NumberText, RangeIsComparedUnsigned) {
    EXPECT_TRUE(IsInRange(0, 0x7FF, 0x7FF));
    EXPECT_FALSE(IsInRange(0, 0x7FF, 0x800));
    EXPECT_FALSE(IsInRange(1, 3, 0));
    EXPECT_TRUE(IsInRange(0, 0xFFFFFFFF, 0x80000000)) << "signed, the maximum would read -1";
}

TEST(NumberText, KeptValuesShowWithoutLeadingZerosHexInUpperCase) {
    EXPECT_EQ(numberText(0, kHex), "0");
    EXPECT_EQ(numberText(0x1F, kHex), "1F");
    EXPECT_EQ(numberText(0x1F, kDecimal), "31");
    EXPECT_EQ(numberText(0xFFFFFFFF, kHex), "FFFFFFFF");
    EXPECT_EQ(numberText(0xFFFFFFFF, kDecimal), "4294967295");
}

}  // namespace
