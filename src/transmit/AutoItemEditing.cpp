#include "transmit/AutoItemEditing.h"

#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "document/CaptureFileFormat.h"
#include "filters/FilterFlags.h"
#include "transmit/FrameFormat.h"

#include <algorithm>

namespace {

// The fields Add and Edit both take from the entry.
void writeEntry(AutoMessageItem& item, const AutoEntry& entry) {
    item.frame.extended = uint8_t(entry.frameFormat);
    // The kept identifier goes negative only while the identifier field is
    // being corrected; the item then keeps the identifier it had.
    if (int32_t(entry.identifier) >= 0)
        item.frame.identifier = entry.identifier;
    item.frame.length = uint8_t(std::min<uint32_t>(entry.size, kMaxDataBytes));
    item.frame.remote = entry.remote;
    for (int i = 0; i < kMaxDataBytes; ++i) {
        if (entry.dataEmpty[i])
            continue;
        item.flags |= dataByteFlag(i);
        item.frame.data[i] = uint8_t(entry.data[i]);
    }
}

bool isSelected(const std::vector<AutoMessageItem>& items, const AutoListSelection& selection) {
    return selection.row && *selection.row < items.size();
}

}  // namespace

AutoEntry openAutoEntry(const DeviceSettings& device) {
    AutoEntry entry;
    entry.frameFormat = frameFormatOf(device);
    return entry;
}

bool addAutoItem(std::vector<AutoMessageItem>& items, AutoMessageItem& staging, const AutoEntry& entry,
                 std::atomic<bool>& dataChanged, MessageSink& messages, const void* dialog) {
    // The adapter sends at most 8 frames cyclically; capture files hold no more.
    if (items.size() >= kMaxCaptureAutoItems) {
        messages.show(dialogMessage(dialog, strings::kAutoItemLimit, MessageIcon::Information));
        return false;
    }
    staging.flags = FC_CAN | FC_FRAMEFORMAT;
    if (int32_t(entry.identifier) >= 0)
        staging.flags |= FC_ID_CUSTOM;
    writeEntry(staging, entry);
    staging.flags |= FC_ENABLED;
    items.push_back(staging);
    dataChanged = true;
    return true;
}

void editAutoItem(std::vector<AutoMessageItem>& items, const AutoListSelection& selection, const AutoEntry& entry,
                  std::atomic<bool>& dataChanged) {
    if (!isSelected(items, selection))
        return;
    writeEntry(items[*selection.row], entry);
    dataChanged = true;
}

void deleteAutoItem(std::vector<AutoMessageItem>& items, AutoListSelection& selection,
                    std::atomic<bool>& dataChanged) {
    if (!isSelected(items, selection))
        return;
    items.erase(items.begin() + std::ptrdiff_t(*selection.row));
    selection = AutoListSelection{};
    dataChanged = true;
}

void clickAutoList(std::vector<AutoMessageItem>& items, AutoListSelection& selection, std::optional<std::size_t> hitRow,
                   bool onCheckBox, AutoEntry& entry, std::atomic<bool>& dataChanged) {
    if (!hitRow || *hitRow >= items.size()) {
        selection.row.reset();
        selection.editEnabled = false;
        return;
    }
    AutoMessageItem& item = items[*hitRow];
    if (onCheckBox) {
        item.flags ^= FC_ENABLED;
        dataChanged = true;
    }
    selection = AutoListSelection{*hitRow, true, true};
    entry.size = std::min<uint32_t>(item.frame.length, kMaxDataBytes);
    entry.identifier = item.frame.identifier;
    entry.remote = item.frame.remote != 0 ? 1 : 0;
    if (entry.remote)
        return;
    for (int i = 0; i < kMaxDataBytes; ++i) {
        if ((item.flags & dataByteFlag(i)) == 0)
            continue;
        entry.data[i] = item.frame.data[i];
        entry.dataEmpty[i] = false;
    }
}
