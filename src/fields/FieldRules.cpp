#include "fields/FieldRules.h"

#include "fields/FieldMessages.h"

#include <algorithm>
#include <cassert>

namespace {

constexpr uint32_t kMaxDataByte = 0xFF;
constexpr uint32_t kMaxStandardIdentifier = 0x7FF;
constexpr uint32_t kMaxExtendIdentifier = 0x1FFFFFFF;
constexpr int kDataFieldCount = 8;

std::size_t identifierTextLimit(NumberFormat format) { return format == NumberFormat::hex ? 8 : 9; }

FieldVerdict refuse(int message) { return FieldVerdict{std::nullopt, message, false}; }

}  // namespace

int dataByteTextLimit(NumberFormat format) { return format == NumberFormat::hex ? 2 : 3; }

FieldVerdict CheckDataByteField(std::string_view text, NumberFormat format, bool hasNextField,
                                const FieldMessages& messages) {
    if (text.empty())
        return {};
    const FieldMessages::InFormat& say = messages.in(format);
    if (!IsNumberText(format, text))
        return refuse(say.byteInvalidCharacter);
    const uint32_t value = TextToNumber(format, text);
    if (value > kMaxDataByte)
        return refuse(say.byteAboveMaximum);
    const bool full = text.size() >= std::size_t(dataByteTextLimit(format));
    return FieldVerdict{value, 0, full && hasNextField};
}

FieldVerdict CheckIdentifierField(std::string_view text, NumberFormat format, IdentifierWidth width,
                                  const FieldMessages& messages) {
    const FieldMessages::InFormat& say = messages.in(format);
    assert(say.identifierTooLong != kNoIdentifierField && "this dialog has no identifier messages");
    if (text.size() > identifierTextLimit(format))
        return refuse(say.identifierTooLong);
    if (!IsNumberText(format, text))
        return refuse(say.identifierInvalidCharacter);
    const uint32_t value = TextToNumber(format, text);
    // Both maxima lie below 2^31, so the unsigned test also refuses a value
    // with the top bit set, which the rule reads as a negative number.
    const bool standard = width == IdentifierWidth::standard;
    if (!IsInRange(0, standard ? kMaxStandardIdentifier : kMaxExtendIdentifier, value))
        return FieldVerdict{value, standard ? say.identifierStandardRange : say.identifierExtendRange, false};
    return FieldVerdict{value, 0, false};
}

std::optional<std::string_view> ZeroIfEmpty(std::string_view text) {
    if (!text.empty())
        return std::nullopt;
    return "0";
}

int enabledDataFieldCount(int size, bool remoteFrame) {
    return remoteFrame ? 0 : std::clamp(size, 0, kDataFieldCount);
}
