#include "filters/DeviceNetFilterLists.h"

#include "core/StringTable.h"

#include <array>

namespace {

// Both texts of a message sit at the same offset in their own run of the
// string table, in this order.
constexpr DeviceNetNamedMessage named(int group, uint32_t messageId, int index) {
    return {group, messageId, strings::kDeviceNetFilterEntries + index, strings::kDeviceNetFilterDescriptions + index};
}

constexpr std::array<DeviceNetNamedMessage, 17> kNamedMessages = {{
    named(1, 13, 0),
    named(1, 14, 1),
    named(1, 15, 2),
    named(2, 0, 3),
    named(2, 1, 4),
    named(2, 2, 5),
    named(2, 3, 6),
    named(2, 4, 7),
    named(2, 5, 8),
    named(2, 6, 9),
    named(2, 7, 10),
    named(3, 5, 11),
    named(3, 6, 12),
    named(4, 44, 13),
    named(4, 45, 14),
    named(4, 46, 15),
    named(4, 47, 16),
}};

}  // namespace

int deviceNetMessageIdCount(int group) {
    // Group 1: 4 identifier bits; group 2: 3; group 3: 3 bits, the eighth
    // value being group 4; group 4: 6 bits, of which 48 to 63 are invalid.
    constexpr int kCounts[kDeviceNetGroupCount] = {16, 8, 7, 48};
    return group >= 1 && group <= kDeviceNetGroupCount ? kCounts[group - 1] : 0;
}

std::vector<std::string> deviceNetGroupEntries() {
    std::vector<std::string> entries;
    for (int group = 1; group <= kDeviceNetGroupCount; ++group)
        entries.push_back(std::to_string(group));
    return entries;
}

std::vector<std::string> deviceNetMessageIdEntries(int group, NumberFormat format) {
    std::vector<std::string> entries{std::string(strings::text(strings::kDeviceNetFilterAll))};
    for (int id = 0; id < deviceNetMessageIdCount(group); ++id)
        entries.push_back(numberText(uint32_t(id), format));
    return entries;
}

std::span<const DeviceNetNamedMessage> deviceNetNamedMessages() { return kNamedMessages; }

std::optional<std::size_t> deviceNetEntryOf(int group, uint32_t messageId) {
    for (std::size_t i = 0; i < kNamedMessages.size(); ++i) {
        if (kNamedMessages[i].group == group && kNamedMessages[i].messageId == messageId)
            return i;
    }
    return std::nullopt;
}

std::optional<std::string_view> deviceNetDescription(int group, uint32_t messageId) {
    if (const std::optional<std::size_t> entry = deviceNetEntryOf(group, messageId))
        return strings::text(kNamedMessages[*entry].descriptionString);
    return std::nullopt;
}
