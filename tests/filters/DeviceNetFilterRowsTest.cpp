// The DeviceNet filter dialog's condition list: the texts of DeviceNet, CAN
// and CANopen conditions in Hex and Decimal.
#include "filters/DeviceNetFilterRows.h"

#include "ConditionBuilders.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Texts = std::array<std::string, kDeviceNetFilterColumnCount>;

struct RowCase {
    const char* name;
    FilterCondition condition;
    std::size_t rowIndex;
    Texts hex;
    Texts decimal;
};

FilterCondition byDescription(uint32_t groupFlag, uint32_t messageId) {
    FilterCondition condition = withMessageId(deviceNetCondition(groupFlag), messageId);
    condition.flags = (condition.flags & ~FC_METHOD1) | FC_METHOD2;
    return condition;
}

FilterCondition remote(FilterCondition condition) {
    condition.frame.remote = 1;
    return condition;
}

FilterCondition nodeIdCondition(uint32_t nodeId) {
    FilterCondition condition = canopenCondition();
    condition.flags |= FC_COP_NODEID;
    condition.nodeId = nodeId;
    return condition;
}

constexpr const char* kExplicitResponse = "Slave's Explicit / Unconnected Response Message";
constexpr const char* kPollCommand = "Master's I/O Poll Command/Change of State/Cyclic Message";
constexpr const char* kInvalidCan = "Invalid CAN Identifiers";
constexpr const char* kInvalidCanopen = "Invalid CANopen Identifiers";

const std::vector<RowCase>& rowCases() {
    static const std::vector<RowCase> cases = {
        {"DeviceNetByDescription", byDescription(FC_DN_GROUP2, 3), 0,
         {"0", "DeviceNet", "2", "3", "**", "**", kExplicitResponse},
         {"0", "DeviceNet", "2", "3", "**", "**", kExplicitResponse}},
        {"DeviceNetGroup4MessageInBothFormats", withMessageId(deviceNetCondition(FC_DN_GROUP4), 47), 1,
         {"1", "DeviceNet", "4", "2F", "**", "**", "Offline Ownership Request Message"},
         {"1", "DeviceNet", "4", "47", "**", "**", "Offline Ownership Request Message"}},
        {"DeviceNetMacIdsWithoutMessage",
         withDestinationMac(withSourceMac(deviceNetCondition(FC_DN_GROUP1), 42), 5), 2,
         {"2", "DeviceNet", "1", "**", "2A", "5", "------"},
         {"2", "DeviceNet", "1", "**", "42", "5", "------"}},
        {"DeviceNetUnnamedMessage", withMessageId(deviceNetCondition(FC_DN_GROUP3), 2), 3,
         {"3", "DeviceNet", "3", "2", "**", "**", "------"},
         {"3", "DeviceNet", "3", "2", "**", "**", "------"}},
        {"DeviceNetWithoutGroupShowsIndexAndProtocolOnly", withMessageId(deviceNetCondition(0), 44), 12,
         {"12", "DeviceNet", "", "", "", "", ""},
         {"12", "DeviceNet", "", "", "", "", ""}},
        {"CanAnyIdentifier", canCondition(), 0,
         {"0", "CAN", "**", "**", "**", "**", "------"},
         {"0", "CAN", "**", "**", "**", "**", "------"}},
        {"CanIdentifierOfAnExplicitResponse", customIdCondition(0x5E3), 0,
         {"0", "CAN", "2", "3", "3C", "**", kExplicitResponse},
         {"0", "CAN", "2", "3", "60", "**", kExplicitResponse}},
        {"CanDataByte0GivesTheDestination", withDataByte(customIdCondition(0x5E3), 0, 0xC7), 0,
         {"0", "CAN", "2", "3", "3C", "7", kExplicitResponse},
         {"0", "CAN", "2", "3", "60", "7", kExplicitResponse}},
        {"CanRemote", remote(customIdCondition(0x5E3)), 0,
         {"0", "CAN", "Invalid", "N/A", "N/A", "N/A", kInvalidCan},
         {"0", "CAN", "Invalid", "N/A", "N/A", "N/A", kInvalidCan}},
        {"Can29Bit", canCondition(/*extended=*/1), 0,
         {"0", "CAN", "Invalid", "N/A", "N/A", "N/A", kInvalidCan},
         {"0", "CAN", "Invalid", "N/A", "N/A", "N/A", kInvalidCan}},
        {"CanGroup4BeyondMessage47", customIdCondition(0x7FF), 0,
         {"0", "CAN", "4", "3F", "N/A", "N/A", kInvalidCan},
         {"0", "CAN", "4", "63", "N/A", "N/A", kInvalidCan}},
        {"CanAdvancedGroups3And4", advancedIdCondition(0x600, 0x600, /*extended=*/0), 0,
         {"0", "CAN", "3,4", "**", "**", "**", "------"},
         {"0", "CAN", "3,4", "**", "**", "**", "------"}},
        {"CanAdvancedGroup4AnyMessage", advancedIdCondition(0x7C0, 0x7C0, /*extended=*/0), 0,
         {"0", "CAN", "4", "**", "N/A", "N/A", "------"},
         {"0", "CAN", "4", "**", "N/A", "N/A", "------"}},
        {"CanAdvancedGroup1Message13AnySource", advancedIdCondition(0x7C0, 0x340, /*extended=*/0), 0,
         {"0", "CAN", "1", "D", "**", "N/A", "Slave's I/O Change of State or Cyclic Message"},
         {"0", "CAN", "1", "13", "**", "N/A", "Slave's I/O Change of State or Cyclic Message"}},
        {"CanopenFunctionCodeAndNode", functionCodeAndNodeCondition(0xB, 5), 4,
         {"4", "CANopen", "2", "5", "N/A", "30", kPollCommand},
         {"4", "CANopen", "2", "5", "N/A", "48", kPollCommand}},
        {"CanopenNodeOnly", nodeIdCondition(0x7F), 0,
         {"0", "CANopen", "**", "**", "**", "**", "------"},
         {"0", "CANopen", "**", "**", "**", "**", "------"}},
        {"CanopenFunctionCode15CoversGroups3And4", functionCodeCondition(0xF), 0,
         {"0", "CANopen", "3,4", "**", "**", "**", "------"},
         {"0", "CANopen", "3,4", "**", "**", "**", "------"}},
        {"CanopenNodeBeyond7F", nodeIdCondition(0x80), 0,
         {"0", "CANopen", "Invalid", "N/A", "N/A", "N/A", kInvalidCanopen},
         {"0", "CANopen", "Invalid", "N/A", "N/A", "N/A", kInvalidCanopen}},
        {"CanopenRemote", remote(cobIdCondition(0x181)), 0,
         {"0", "CANopen", "Invalid", "N/A", "N/A", "N/A", kInvalidCanopen},
         {"0", "CANopen", "Invalid", "N/A", "N/A", "N/A", kInvalidCanopen}},
    };
    return cases;
}

class DeviceNetFilterRow : public testing::TestWithParam<RowCase> {};

}  // namespace

TEST_P(DeviceNetFilterRow, ShowsTheConditionInEachFormat) {
    const RowCase& c = GetParam();
    EXPECT_EQ(deviceNetFilterRowTexts(c.condition, c.rowIndex, NumberFormat::hex), c.hex);
    EXPECT_EQ(deviceNetFilterRowTexts(c.condition, c.rowIndex, NumberFormat::decimal), c.decimal);
}

INSTANTIATE_TEST_SUITE_P(Table, DeviceNetFilterRow, testing::ValuesIn(rowCases()),
                         [](const testing::TestParamInfo<RowCase>& info) { return info.param.name; });
