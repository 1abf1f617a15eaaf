#include "filters/CanopenFilterRows.h"

#include "ConditionBuilders.h"
#include "core/StringTable.h"

#include <gtest/gtest.h>

namespace {

using RowTexts = std::array<std::string, kCanopenFilterColumnCount>;

constexpr const char* kEightFreeBytes = " ** ** ** ** ** ** ** **";

FilterCondition methodOneWithoutCobId() {
    FilterCondition condition = canopenCondition();
    condition.flags |= FC_METHOD1;
    return condition;
}

FilterCondition nodeIdCondition(uint32_t nodeId) {
    FilterCondition condition = canopenCondition();
    condition.flags |= FC_COP_NODEID;
    condition.nodeId = nodeId;
    return condition;
}

TEST(CanopenFilterRows, ShowEachKindOfConditionInHexAndDecimal) {
    struct Row {
        const char* name;
        FilterCondition condition;
        std::size_t index;
        RowTexts hex;
        RowTexts decimal;
    };
    const Row rows[] = {
        {"method 1 with COB-ID splits it", cobIdCondition(0x185), 0,
         {"0", "CANopen", "185", "3", "5", "Standard", "ALL", kEightFreeBytes},
         {"0", "CANopen", "389", "3", "5", "Standard", "ALL", kEightFreeBytes}},
        {"method 1 without COB-ID", methodOneWithoutCobId(), 1,
         {"1", "CANopen", "**", "**", "**", "Standard", "ALL", kEightFreeBytes},
         {"1", "CANopen", "**", "**", "**", "Standard", "ALL", kEightFreeBytes}},
        {"function code 3 and node 5", functionCodeAndNodeCondition(3, 5), 2,
         {"2", "CANopen", "185", "3", "5", "Standard", "ALL", kEightFreeBytes},
         {"2", "CANopen", "389", "3", "5", "Standard", "ALL", kEightFreeBytes}},
        {"highest function code and node", functionCodeAndNodeCondition(0xF, 0x7F), 3,
         {"3", "CANopen", "7FF", "F", "7F", "Standard", "ALL", kEightFreeBytes},
         {"3", "CANopen", "2047", "15", "127", "Standard", "ALL", kEightFreeBytes}},
        {"function code only", functionCodeCondition(0xC), 4,
         {"4", "CANopen", "left4(X)=C", "C", "**", "Standard", "ALL", kEightFreeBytes},
         {"4", "CANopen", "left4(X)=12", "12", "**", "Standard", "ALL", kEightFreeBytes}},
        {"node ID only", nodeIdCondition(0x2A), 5,
         {"5", "CANopen", "right7(X)=2A", "**", "2A", "Standard", "ALL", kEightFreeBytes},
         {"5", "CANopen", "right7(X)=42", "**", "42", "Standard", "ALL", kEightFreeBytes}},
        {"method 2 with neither", canopenCondition(), 6,
         {"6", "CANopen", "**", "**", "**", "Standard", "ALL", kEightFreeBytes},
         {"6", "CANopen", "**", "**", "**", "Standard", "ALL", kEightFreeBytes}},
        {"length and one data byte", withLength(withDataByte(cobIdCondition(0), 0, 0x1F), 2), 7,
         {"7", "CANopen", "0", "0", "0", "Standard", "2", " 1F **"},
         {"7", "CANopen", "0", "0", "0", "Standard", "2", " 031 **"}},
        {"remote frame", canopenCondition(/*remote=*/1), 12,
         {"12", "CANopen", "**", "**", "**", "Standard", "ALL", "Remote Frame"},
         {"12", "CANopen", "**", "**", "**", "Standard", "ALL", "Remote Frame"}},
        {"CAN condition reads as in the CAN list", customIdCondition(0x1ABCDEF, /*extended=*/1), 8,
         {"8", "CAN", "1ABCDEF", "**", "**", "Extend", "ALL", kEightFreeBytes},
         {"8", "CAN", "28036591", "**", "**", "Extend", "ALL", kEightFreeBytes}},
        {"DeviceNet group 1 condition", deviceNetCondition(FC_DN_GROUP1), 9,
         {"9", "DeviceNet", "left1(X)=0", "**", "**", "Standard", "ALL", "** ** ** **"},
         {"9", "DeviceNet", "left1(X)=0", "**", "**", "Standard", "ALL", "*** *** *** ***"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(canopenFilterRowTexts(row.condition, row.index, NumberFormat::hex), row.hex) << row.name;
        EXPECT_EQ(canopenFilterRowTexts(row.condition, row.index, NumberFormat::decimal), row.decimal) << row.name;
    }
}

TEST(CanopenFilterRows, ColumnsHaveTheirHeadersAndShares) {
    const char* headers[kCanopenFilterColumnCount] = {"Index", "Protocol", "COB-ID", "FCode",
                                                      "Node-ID", "Type", "Length", "Data"};
    // 9, 13, 12, 13, 15, 10, 12 and 17 % of 415 - 15.
    const int widths[kCanopenFilterColumnCount] = {36, 52, 48, 52, 60, 40, 48, 68};
    for (std::size_t column = 0; column < kCanopenFilterColumnCount; ++column) {
        EXPECT_EQ(strings::text(kCanopenFilterColumns[column].headerString), headers[column]) << "column " << column;
        EXPECT_EQ(listColumnWidth(kCanopenFilterColumns[column], 415), widths[column]) << "column " << column;
    }
}

}  // namespace
