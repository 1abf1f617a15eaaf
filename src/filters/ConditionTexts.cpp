#include "filters/ConditionTexts.h"

#include "base/FrameRecord.h"
#include "core/StringTable.h"
#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"

#include <cstdio>

namespace {

constexpr std::string_view kAllLengths = "ALL";
constexpr std::string_view kFreeByte = " **";

}  // namespace

std::string_view conditionProtocolText(const FilterCondition& condition) {
    if (condition.flags & FC_CAN)
        return strings::text(strings::kFilterProtocolCan);
    if (condition.flags & FC_DEVICENET)
        return strings::text(strings::kFilterProtocolDeviceNet);
    if (condition.flags & FC_CANOPEN)
        return strings::text(strings::kFilterProtocolCanopen);
    return {};
}

std::string conditionLengthText(const FilterCondition& condition) {
    if (condition.flags & FC_LENGTH)
        return std::to_string(condition.frame.length);
    return std::string(kAllLengths);
}

std::string paddedByteText(uint32_t value, NumberFormat format) {
    char text[12];
    const int length = std::snprintf(text, sizeof text, format == NumberFormat::hex ? "%02X" : "%03u", value);
    return std::string(text, std::size_t(length));
}

std::string conditionDataText(const FilterCondition& condition, NumberFormat format) {
    if (condition.frame.remote != 0)
        return std::string(strings::text(strings::kRemoteFrame));
    const bool lengthTested = (condition.flags & FC_LENGTH) != 0;
    if (lengthTested && condition.frame.length > kMaxDataBytes)
        return {};
    const int items = lengthTested ? condition.frame.length : kMaxDataBytes;
    std::string text;
    for (int i = 0; i < items; ++i) {
        if (condition.flags & dataByteFlag(i))
            text += ' ' + paddedByteText(condition.frame.data[i], format);
        else
            text += kFreeByte;
    }
    return text;
}
