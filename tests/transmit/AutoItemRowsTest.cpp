#include "transmit/AutoItemRows.h"

#include "filters/FilterFlags.h"
#include "support/Frames.h"

#include <gtest/gtest.h>

namespace {

using RowTexts = std::array<std::string, kAutoListColumnCount>;

AutoMessageItem itemOf(uint32_t flags, const CanFrame& frame) { return AutoMessageItem{flags, frame}; }

constexpr uint32_t kEntered = FC_FRAMEFORMAT | FC_ID_CUSTOM;
constexpr uint32_t kBytes0To3 = FC_DATA0 | FC_DATA1 | FC_DATA2 | FC_DATA3;

TEST(AutoItemRows, ShowEachColumnInHexAndDecimal) {
    struct Row {
        const char* name;
        AutoMessageItem item;
        std::size_t index;
        RowTexts hex;
        RowTexts decimal;
    };
    CanFrame longFrame = dataFrame(0x10, {1});
    longFrame.length = 9;
    CanFrame extendedTwo = dataFrame(0x1FFFFFFF, {}, 2);
    const Row rows[] = {
        {"every byte entered", itemOf(kEntered | kBytes0To3, dataFrame(0x7FF, {0x1A, 0x02, 0x00, 0xFF})), 0,
         {"0", "Standard", "7FF", "4", " 1A 2 0 FF"},
         {"0", "Standard", "2047", "4", " 26 2 0 255"}},
        {"third byte not entered", itemOf(kEntered | FC_DATA0 | FC_DATA1 | FC_DATA3, dataFrame(0x12, {1, 2, 3, 0xAB})), 7,
         {"7", "Standard", "12", "4", " 1 2 ** AB"},
         {"7", "Standard", "18", "4", " 1 2 ** 171"}},
        {"format and identifier not set", itemOf(FC_DATA0, dataFrame(0x12, {5})), 1,
         {"1", "****", "****", "1", " 5"},
         {"1", "****", "****", "1", " 5"}},
        {"any nonzero extended byte is Extend", itemOf(kEntered, extendedTwo), 2,
         {"2", "Extend", "1FFFFFFF", "0", ""},
         {"2", "Extend", "536870911", "0", ""}},
        {"remote frame", itemOf(kEntered | kBytes0To3, remoteFrame(0x300, 3)), 3,
         {"3", "Standard", "300", "3", "Remote Frame"},
         {"3", "Standard", "768", "3", "Remote Frame"}},
        {"length above 8 shows no data", itemOf(kEntered | 0x3FC00, longFrame), 4,
         {"4", "Standard", "10", "9", ""},
         {"4", "Standard", "16", "9", ""}},
        {"identifier above 2^31 from a damaged file", itemOf(kEntered, dataFrame(0x80000000, {})), 5,
         {"5", "Standard", "80000000", "0", ""},
         {"5", "Standard", "2147483648", "0", ""}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(autoItemRowTexts(row.item, row.index, /*hex=*/true), row.hex) << row.name;
        EXPECT_EQ(autoItemRowTexts(row.item, row.index, /*hex=*/false), row.decimal) << row.name;
    }
}

}  // namespace
