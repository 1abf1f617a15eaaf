// DeviceNetFilterLists.h: what the DeviceNet filter dialog's drop-down lists
// hold (groups, the message IDs of a group, the Method 2 descriptions) and
// the long description its condition list shows for a group and message ID.
#pragma once

#include "fields/NumberText.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

constexpr int kDeviceNetGroupCount = 4;

// The value of a message ID or MAC ID member that reads "ALL".
constexpr int kDeviceNetAll = -1;

// How many message IDs group 1 to 4 has (16, 8, 7, 48); 0 for no group.
int deviceNetMessageIdCount(int group);

// "1" to "4": entry g - 1 is group g.
std::vector<std::string> deviceNetGroupEntries();

// "ALL" followed by the group's message IDs in `format` ("%X" or "%d"):
// entry k is message ID k - 1.
std::vector<std::string> deviceNetMessageIdEntries(int group, NumberFormat format);

// One DeviceNet message the dialog names: its Method 2 entry, and the long
// description the condition list shows for it.
struct DeviceNetNamedMessage {
    int group;
    uint32_t messageId;
    int entryString;        // string-table number of the Method 2 entry
    int descriptionString;  // string-table number of the list's description
};

// The 17 named messages in the Method 2 list's order.
std::span<const DeviceNetNamedMessage> deviceNetNamedMessages();

// The Method 2 entry that stands for `group` and `messageId`, if any.
std::optional<std::size_t> deviceNetEntryOf(int group, uint32_t messageId);

// The condition list's description of `group` and `messageId`; none for a
// message the dialog does not name.
std::optional<std::string_view> deviceNetDescription(int group, uint32_t messageId);
