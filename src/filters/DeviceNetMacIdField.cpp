#include "filters/DeviceNetMacIdField.h"

#include "core/StringTable.h"
#include "filters/ConditionTexts.h"
#include "filters/DeviceNetFilterLists.h"

#include <algorithm>

namespace {

constexpr uint32_t kMaxMacId = 63;
// 63 and 0x3F both have two digits; a longer number (leading zeros aside)
// is out of range without parsing it, which would wrap modulo 2^32 and let
// "100000000" in Hex pass as 0.
constexpr std::size_t kMaxMacIdDigits = 2;

MacIdVerdict accepted(int member) { return {member, 0, {}}; }
MacIdVerdict refused(int number) { return {std::nullopt, number, strings::text(number)}; }

}  // namespace

MacIdVerdict checkMacIdField(std::string_view text, NumberFormat format) {
    const bool hex = format == NumberFormat::hex;
    if (text == strings::text(strings::kDeviceNetFilterAll))
        return accepted(kDeviceNetAll);
    if (text.empty())
        return {};
    if (!IsNumberText(format, text))
        return refused(hex ? strings::kDeviceNetFilterMacCharacterHex : strings::kDeviceNetFilterMacCharacterDecimal);
    const std::size_t firstSignificant = std::min(text.find_first_not_of('0'), text.size());
    const std::string_view digits = text.substr(firstSignificant);
    const uint32_t value = digits.size() <= kMaxMacIdDigits ? TextToNumber(format, digits) : kMaxMacId + 1;
    if (!IsInRange(0, kMaxMacId, value))
        return refused(hex ? strings::kDeviceNetFilterMacRangeHex : strings::kDeviceNetFilterMacRangeDecimal);
    return accepted(int(value));
}

std::optional<std::string_view> allIfEmpty(std::string_view text) {
    if (!text.empty())
        return std::nullopt;
    return strings::text(strings::kDeviceNetFilterAll);
}

bool isMacId(int member) { return member >= 0 && uint32_t(member) <= kMaxMacId; }

std::string macIdFieldText(int member, NumberFormat format) {
    if (!isMacId(member))
        return std::string(strings::text(strings::kDeviceNetFilterAll));
    return numberText(uint32_t(member), format);
}

std::string reformattedMacIdFieldText(int member, NumberFormat format) {
    if (!isMacId(member))
        return std::string(strings::text(strings::kDeviceNetFilterAll));
    return format == NumberFormat::hex ? paddedByteText(uint32_t(member), format) : numberText(uint32_t(member), format);
}
