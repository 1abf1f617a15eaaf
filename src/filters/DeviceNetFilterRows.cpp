#include "filters/DeviceNetFilterRows.h"

#include "core/StringTable.h"
#include "filters/ConditionTexts.h"
#include "filters/DeviceNetFilterLists.h"
#include "filters/DeviceNetFilterRules.h"
#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"
#include "protocol/DeviceNetReading.h"

#include <optional>

namespace {

using RowTexts = std::array<std::string, kDeviceNetFilterColumnCount>;

constexpr std::string_view kNotTested = "**";
constexpr std::string_view kNoDescription = "------";
constexpr uint32_t kStandardIdentifiers = 0x7FF;

std::string text(int number) { return std::string(strings::text(number)); }

// The message ID, source and destination columns of a DeviceNet condition:
// the value where its flag is set, "**" where not.
struct NumberColumn {
    std::size_t column;
    uint32_t flag;
    uint32_t FilterCondition::*value;
};
constexpr NumberColumn kNumberColumns[] = {
    {3, FC_DN_MSGID, &FilterCondition::messageId},
    {4, FC_DN_SRCMAC, &FilterCondition::sourceMacId},
    {5, FC_DN_DSTMAC, &FilterCondition::destMacId},
};

void fillDeviceNetRow(RowTexts& row, const FilterCondition& condition, NumberFormat format) {
    const int group = flaggedDeviceNetGroup(condition.flags);
    if (group == 0)
        return;
    row[2] = std::to_string(group);
    for (const NumberColumn& number : kNumberColumns) {
        row[number.column] = condition.flags & number.flag ? numberText(condition.*number.value, format)
                                                           : std::string(kNotTested);
    }
    std::optional<std::string_view> description;
    if (condition.flags & FC_DN_MSGID)
        description = deviceNetDescription(group, condition.messageId);
    row[6] = std::string(description.value_or(kNoDescription));
}

// A CAN or CANopen condition read in DeviceNet terms. It is turned into the
// standard identifiers it admits, as fixed identifier bits (and data byte 0
// when it fixes that), and read as DeviceNet twice: with every free bit 0
// and with every free bit 1. Whatever both readings agree on is fixed by the
// condition, because each DeviceNet field is a run of identifier bits:
// - group "1" to "4"; "3,4" when only the bits that part groups 3 and 4 are
//   free; "**" when the group is open;
// - message ID and MAC IDs (from the identifier or data byte 0) as numbers;
//   "**" when open, "N/A" when the message carries no such MAC ID;
// - the description of a known message, "------" for any other;
// - a condition that no standard data frame meets (remote, 29-bit, an
//   identifier beyond 0x7FF), and group 4's IDs 48 to 63, read as
//   "Invalid CAN Identifiers" or "Invalid CANopen Identifiers", with "N/A"
//   in what does not apply and "Invalid" in the group of the first kind.
struct IdentifierPattern {
    uint32_t mask = 0;  // identifier bits the condition fixes
    uint32_t bits = 0;
    bool possible = true;
    std::optional<uint8_t> firstDataByte;

    void fix(uint32_t fieldMask, uint32_t value) {
        if ((value & ~fieldMask) != 0 || (bits & mask & fieldMask) != (value & mask))
            possible = false;
        mask |= fieldMask;
        bits = (bits & ~fieldMask) | value;
    }
};

// The identifier tests of the two kinds: which flag fixes which bits with
// which value.
struct IdentifierField {
    uint32_t kindFlag;
    uint32_t flag;
    uint32_t mask;
    int shift;
    uint32_t (*value)(const FilterCondition&);
};
constexpr IdentifierField kIdentifierFields[] = {
    {FC_CAN, FC_ID_CUSTOM, kStandardIdentifiers, 0, [](const FilterCondition& c) { return c.frame.identifier; }},
    {FC_CANOPEN, FC_COP_COBID, kStandardIdentifiers, 0, [](const FilterCondition& c) { return c.cobId; }},
    {FC_CANOPEN, FC_COP_FCODE, 0x780, 7, [](const FilterCondition& c) { return c.functionCode; }},
    {FC_CANOPEN, FC_COP_NODEID, 0x7F, 0, [](const FilterCondition& c) { return c.nodeId; }},
};

IdentifierPattern identifierPatternOf(const FilterCondition& condition) {
    IdentifierPattern pattern;
    const uint32_t kindFlag = condition.flags & FC_CAN ? FC_CAN : FC_CANOPEN;
    const bool formatTested = (condition.flags & FC_FRAMEFORMAT) != 0;
    if (condition.frame.remote != 0 || (formatTested && kindFlag == FC_CAN && condition.frame.extended != 0))
        pattern.possible = false;
    if (kindFlag == FC_CAN && (condition.flags & FC_ID_ADVANCED)) {
        const uint32_t mask = condition.idMask & kAdvancedIdentifierBits;
        pattern.fix(mask & kStandardIdentifiers, condition.idBits & mask & kStandardIdentifiers);
        if ((condition.idBits & mask & ~kStandardIdentifiers) != 0)
            pattern.possible = false;
    }
    for (const IdentifierField& field : kIdentifierFields) {
        if (field.kindFlag != kindFlag || !(condition.flags & field.flag))
            continue;
        const uint32_t value = field.value(condition);
        if (value > (field.mask >> field.shift))
            pattern.possible = false;
        else
            pattern.fix(field.mask, value << field.shift);
    }
    if (condition.flags & FC_DATA0)
        pattern.firstDataByte = condition.frame.data[0];
    return pattern;
}

DeviceNetReading readPattern(const IdentifierPattern& pattern, bool freeBitsSet) {
    FrameRecord record;
    record.frame.identifier = (pattern.bits & pattern.mask) | (freeBitsSet ? ~pattern.mask & kStandardIdentifiers : 0);
    record.frame.data[0] = pattern.firstDataByte.value_or(freeBitsSet ? 0x3F : 0);
    return readDeviceNet(record);
}

std::string fixedNumber(const std::optional<uint32_t>& low, const std::optional<uint32_t>& high,
                        NumberFormat format) {
    if (!low && !high)
        return text(strings::kDeviceNetFilterNotApplicable);
    if (low != high)
        return std::string(kNotTested);
    return numberText(*low, format);
}

void fillOtherKindRow(RowTexts& row, const FilterCondition& condition, NumberFormat format) {
    const int invalidText =
        condition.flags & FC_CAN ? strings::kDeviceNetFilterInvalidCan : strings::kDeviceNetFilterInvalidCanopen;
    const IdentifierPattern pattern = identifierPatternOf(condition);
    if (!pattern.possible) {
        row[2] = text(strings::kDeviceNetFilterInvalid);
        for (std::size_t column = 3; column <= 5; ++column)
            row[column] = text(strings::kDeviceNetFilterNotApplicable);
        row[6] = text(invalidText);
        return;
    }
    const DeviceNetReading low = readPattern(pattern, false);
    const DeviceNetReading high = readPattern(pattern, true);
    for (std::size_t column = 2; column <= 5; ++column)
        row[column] = std::string(kNotTested);
    row[6] = std::string(kNoDescription);
    if (low.group != high.group) {
        if (low.group == 3 && high.group == 4)
            row[2] = "3,4";
        return;
    }
    row[2] = std::to_string(low.group);
    const bool messageFixed = low.messageId == high.messageId;
    if (messageFixed)
        row[3] = numberText(*low.messageId, format);
    // Group 2 places both MAC IDs by message ID, group 3 its destination.
    if (messageFixed || low.group != 2)
        row[4] = fixedNumber(low.sourceMacId, high.sourceMacId, format);
    if (messageFixed || low.group == 1 || low.group == 4)
        row[5] = fixedNumber(low.destMacId, high.destMacId, format);
    if (!messageFixed)
        return;
    if (low.kind == DnInvalidId)
        row[6] = text(invalidText);
    else
        row[6] = std::string(deviceNetDescription(int(low.group), *low.messageId).value_or(kNoDescription));
}

}  // namespace

RowTexts deviceNetFilterRowTexts(const FilterCondition& condition, std::size_t rowIndex, NumberFormat format) {
    RowTexts row;
    row[0] = std::to_string(rowIndex);
    row[1] = std::string(conditionProtocolText(condition));
    if (condition.flags & FC_DEVICENET)
        fillDeviceNetRow(row, condition, format);
    else if (condition.flags & (FC_CAN | FC_CANOPEN))
        fillOtherKindRow(row, condition, format);
    return row;
}
