#include "filters/CanopenFilterRows.h"

#include "core/StringTable.h"
#include "filters/CanFilterRows.h"
#include "filters/ConditionTexts.h"
#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"

#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kNotTested = "**";
constexpr uint32_t kNodeIdBits = 7;
constexpr uint32_t kNodeIdMask = 0x7F;

// What a CANopen condition fixes of the identifier, as the list reads it: a
// Method 1 COB-ID splits into function code and node ID, and Method 2 with
// both parts names the whole COB-ID.
struct CanopenParts {
    std::optional<uint32_t> cobId;
    std::optional<uint32_t> functionCode;
    std::optional<uint32_t> nodeId;
};

CanopenParts canopenPartsOf(const FilterCondition& condition) {
    if (condition.flags & FC_METHOD1) {
        if (!(condition.flags & FC_COP_COBID))
            return {};
        return {condition.cobId, condition.cobId >> kNodeIdBits, condition.cobId & kNodeIdMask};
    }
    CanopenParts parts;
    if (condition.flags & FC_COP_FCODE)
        parts.functionCode = condition.functionCode;
    if (condition.flags & FC_COP_NODEID)
        parts.nodeId = condition.nodeId;
    if (parts.functionCode && parts.nodeId)
        parts.cobId = (*parts.functionCode << kNodeIdBits) + *parts.nodeId;
    return parts;
}

std::string partText(const std::optional<uint32_t>& part, NumberFormat format) {
    return part ? numberText(*part, format) : std::string(kNotTested);
}

std::string cobIdText(const CanopenParts& parts, NumberFormat format) {
    if (parts.cobId)
        return numberText(*parts.cobId, format);
    if (parts.functionCode)
        return "left4(X)=" + numberText(*parts.functionCode, format);
    if (parts.nodeId)
        return "right7(X)=" + numberText(*parts.nodeId, format);
    return std::string(kNotTested);
}

bool isOtherKind(const FilterCondition& condition) { return (condition.flags & (FC_CAN | FC_DEVICENET)) != 0; }

}  // namespace

std::array<std::string, kCanopenFilterColumnCount> canopenFilterRowTexts(const FilterCondition& condition,
                                                                         std::size_t rowIndex, NumberFormat format) {
    // A CAN or DeviceNet condition reads as it does in the CAN dialog's list,
    // whose Identifier column tells in bit-field words what it fixes of the
    // identifier X. Neither kind tests a function code or node ID as such.
    if (isOtherKind(condition)) {
        const auto can = canFilterRowTexts(condition, rowIndex, format);
        return {can[0], can[1], can[2], std::string(kNotTested), std::string(kNotTested), can[3], can[4], can[5]};
    }
    const CanopenParts parts = canopenPartsOf(condition);
    return {
        numberText(uint32_t(rowIndex), NumberFormat::decimal),
        std::string(conditionProtocolText(condition)),
        cobIdText(parts, format),
        partText(parts.functionCode, format),
        partText(parts.nodeId, format),
        std::string(strings::text(strings::kStandardFrames)),
        conditionLengthText(condition),
        conditionDataText(condition, format),
    };
}
