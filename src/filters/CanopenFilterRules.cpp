#include "filters/CanopenFilterRules.h"

#include "base/FrameRecord.h"
#include "core/FrameDigits.h"
#include "core/StringTable.h"
#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

std::string_view allText() { return strings::text(strings::kCanopenFilterAll); }

bool isHex(NumberFormat format) { return format == NumberFormat::hex; }

CanopenFieldMessage fixedMessage(int number) { return {number, std::string(strings::text(number))}; }

// Writes `value` into the first printf conversion of string `number`
// ("%d", "%02x"). By hand rather than through printf: a language module may
// replace the text, and a conversion it gets wrong must not read an argument
// that is not there.
CanopenFieldMessage messageWithNumber(int number, uint32_t value) {
    std::string text(strings::text(number));
    const std::size_t at = text.find('%');
    if (at == std::string::npos)
        return {number, text};
    std::size_t end = at + 1;
    const bool zeroFill = end < text.size() && text[end] == '0';
    std::size_t width = 0;
    for (; end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])); ++end)
        width = std::min<std::size_t>(width * 10 + std::size_t(text[end] - '0'), 16);
    if (end == text.size())
        return {number, text};
    const char conversion = text[end];
    std::string digits;
    if (conversion == 'd' || conversion == 'u')
        digits = numberText(value, NumberFormat::decimal);
    else if (conversion == 'x' || conversion == 'X')
        digits = numberText(value, NumberFormat::hex);
    else
        return {number, text};
    if (conversion == 'x')
        std::transform(digits.begin(), digits.end(), digits.begin(), [](char c) { return char(std::tolower(c)); });
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), zeroFill ? '0' : ' ');
    text.replace(at, end + 1 - at, digits);
    return {number, text};
}

std::size_t significantDigits(std::string_view text) {
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos ? 0 : text.size() - first;
}

// TextToNumber wraps modulo 2^32, so a pasted long number could read as a
// small one; more digits than the limit has is above it whatever the value.
bool isAboveLimit(std::string_view text, NumberFormat format, uint32_t value, uint32_t limit) {
    return significantDigits(text) > numberText(limit, format).size() || value > limit;
}

// Whether a value above the limit can still be kept as the member: more
// digits than this could wrap, or read as kCanopenAll.
bool fitsMember(std::string_view text, NumberFormat format) {
    return significantDigits(text) <= (isHex(format) ? 7u : 9u);
}

bool isChosen(int32_t member) { return member >= 0; }

// A damaged file's value above 2^31 must not load as "ALL".
int32_t memberOf(uint32_t value) {
    return int32_t(std::min<uint32_t>(value, uint32_t(std::numeric_limits<int32_t>::max())));
}

}  // namespace

CanopenIdVerdict checkCanopenIdField(std::string_view text, NumberFormat format, uint32_t limit) {
    if (text == allText())
        return {kCanopenAll, std::nullopt};
    if (text.empty())
        return {};
    if (!IsNumberText(format, text))
        return {std::nullopt, fixedMessage(isHex(format) ? strings::kCanopenFilterIdCharacterHex
                                                         : strings::kCanopenFilterIdCharacterDecimal)};
    const uint32_t value = TextToNumber(format, text);
    if (!isAboveLimit(text, format, value, limit))
        return {int32_t(value), std::nullopt};
    CanopenIdVerdict verdict{std::nullopt, messageWithNumber(isHex(format) ? strings::kCanopenFilterIdRangeHex
                                                                           : strings::kCanopenFilterIdRangeDecimal,
                                                             limit)};
    if (fitsMember(text, format))
        verdict.member = int32_t(value);
    return verdict;
}

CobIdLeaveVerdict leaveCobIdField(std::string_view text, NumberFormat format) {
    // Characters the format does not know leave the text as it is, silently:
    // the change rule has already refused each of them once, and the member
    // still holds the last number it accepted.
    if (text == allText() || !IsNumberText(format, text))
        return {};
    const uint32_t value = TextToNumber(format, text);
    if (isAboveLimit(text, format, value, kCobIdLimit))
        return {std::nullopt, fixedMessage(isHex(format) ? strings::kCanopenFilterCobIdRangeHex
                                                         : strings::kCanopenFilterCobIdRangeDecimal)};
    // Empty text reads as 0 and is written back as "0", so the field shows
    // the value a condition built now would test.
    return {numberText(value, format), std::nullopt};
}

std::array<std::string, kFunctionCodeCount + 1> functionCodeEntries(NumberFormat format) {
    std::array<std::string, kFunctionCodeCount + 1> entries;
    entries[0] = std::string(allText());
    for (int code = 0; code < kFunctionCodeCount; ++code)
        entries[std::size_t(code) + 1] = numberText(uint32_t(code), format);
    return entries;
}

std::optional<std::string> canopenIdTextInFormat(std::string_view shownText, int32_t member, NumberFormat format) {
    if (shownText == allText() || !isChosen(member))
        return std::nullopt;
    if (!isHex(format))
        return numberText(uint32_t(member), format);
    char digits[8];
    return std::string(digits, frametext::writeHex(digits, uint32_t(member), /*minDigits=*/2));
}

FilterCondition buildCanopenCondition(const CanopenFilterControls& controls) {
    FilterCondition condition;
    condition.flags = FC_CANOPEN | FC_FRAMEFORMAT;
    condition.frame.extended = 0;
    if (controls.method == CanopenFilterMethod::cobId) {
        condition.flags |= FC_METHOD1;
        if (isChosen(controls.cobId)) {
            condition.flags |= FC_COP_COBID;
            condition.cobId = uint32_t(controls.cobId);
        }
    } else {
        if (isChosen(controls.functionCode)) {
            condition.flags |= FC_COP_FCODE;
            condition.functionCode = uint32_t(controls.functionCode);
        }
        if (isChosen(controls.nodeId)) {
            condition.flags |= FC_COP_NODEID;
            condition.nodeId = uint32_t(controls.nodeId);
        }
    }
    condition.frame.remote = controls.remoteFrame ? 1 : 0;
    setLengthAndData(condition, controls.lengthAndData);
    condition.flags |= FC_ENABLED;
    return condition;
}

CanopenFilterControls canopenControlsOf(const FilterCondition& condition) {
    CanopenFilterControls controls;
    if (condition.flags & FC_METHOD1) {
        if (condition.flags & FC_COP_COBID)
            controls.cobId = memberOf(condition.cobId);
    } else {
        controls.method = CanopenFilterMethod::functionCodeAndNodeId;
        if (condition.flags & FC_COP_FCODE)
            controls.functionCode = memberOf(condition.functionCode);
        if (condition.flags & FC_COP_NODEID)
            controls.nodeId = memberOf(condition.nodeId);
    }
    controls.remoteFrame = condition.frame.remote != 0;
    controls.lengthAndData = lengthAndDataOf(condition);
    return controls;
}
