#include "transmit/AutoTimingField.h"

#include "core/MessageSink.h"
#include "core/StringTable.h"

#include <optional>

namespace {

// The value of a text of decimal digits, or none when it holds anything
// else or passes the limit.
std::optional<uint32_t> timingValue(std::string_view text) {
    uint32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + uint32_t(c - '0');
        if (value > kMaxAutoTimingMs)
            return std::nullopt;
    }
    return value;
}

}  // namespace

TimingFieldAction checkTimingField(std::string_view text, uint32_t& documentValue, MessageSink& messages,
                                   const void* dialog) {
    if (text.empty())
        return TimingFieldAction::none;
    const std::optional<uint32_t> value = timingValue(text);
    if (!value) {
        messages.show(dialogMessage(dialog, strings::kAutoTimingRange, MessageIcon::None));
        return TimingFieldAction::removeLastCharacter;
    }
    documentValue = *value;
    return TimingFieldAction::none;
}
