#include "filters/DeviceNetFilterRules.h"

#include "filters/DeviceNetMacIdField.h"
#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"

#include <array>

namespace {

constexpr std::array<uint32_t, kDeviceNetGroupCount> kGroupFlags = {FC_DN_GROUP1, FC_DN_GROUP2, FC_DN_GROUP3,
                                                                    FC_DN_GROUP4};

uint32_t groupFlag(int group) { return kGroupFlags[std::size_t(group - 1)]; }

// Matching reads a condition without any of the groups 1 to 3 as group 4.
int matchedGroup(uint32_t flags) {
    const int group = flaggedDeviceNetGroup(flags);
    return group == 0 ? kDeviceNetGroupCount : group;
}

bool isMessageIdOf(int group, int messageId) {
    return messageId >= 0 && messageId < deviceNetMessageIdCount(group);
}

void setMacIds(FilterCondition& condition, const DeviceNetFilterControls& controls) {
    if (!macIdFieldsEnabled(effectiveGroup(controls)))
        return;
    if (isMacId(controls.sourceMacId)) {
        condition.flags |= FC_DN_SRCMAC;
        condition.sourceMacId = uint32_t(controls.sourceMacId);
    }
    if (isMacId(controls.destMacId)) {
        condition.flags |= FC_DN_DSTMAC;
        condition.destMacId = uint32_t(controls.destMacId);
    }
}

int macIdMember(uint32_t flags, uint32_t flag, uint32_t value) {
    return (flags & flag) && value <= 63 ? int(value) : kDeviceNetAll;
}

}  // namespace

int flaggedDeviceNetGroup(uint32_t flags) {
    for (std::size_t i = 0; i < kGroupFlags.size(); ++i) {
        if (flags & kGroupFlags[i])
            return int(i) + 1;
    }
    return 0;
}

int effectiveGroup(const DeviceNetFilterControls& controls) {
    if (controls.method == DeviceNetMethod::byDescription) {
        const auto entries = deviceNetNamedMessages();
        return controls.descriptionEntry < entries.size() ? entries[controls.descriptionEntry].group : 0;
    }
    return controls.group;
}

bool macIdFieldsEnabled(int group) { return group >= 1 && group < kDeviceNetGroupCount; }

int messageIdForGroup(int messageId, int group) {
    return isMessageIdOf(group, messageId) ? messageId : kDeviceNetAll;
}

FilterCondition buildDeviceNetCondition(const DeviceNetFilterControls& controls) {
    FilterCondition condition;
    condition.flags = FC_DEVICENET | FC_FRAMEFORMAT;
    setMacIds(condition, controls);
    if (controls.method == DeviceNetMethod::byGroup) {
        condition.flags |= FC_METHOD1;
        if (controls.group >= 1 && controls.group <= kDeviceNetGroupCount)
            condition.flags |= groupFlag(controls.group);
        if (isMessageIdOf(controls.group, controls.messageId)) {
            condition.flags |= FC_DN_MSGID;
            condition.messageId = uint32_t(controls.messageId);
        }
    } else {
        const auto entries = deviceNetNamedMessages();
        if (controls.descriptionEntry < entries.size()) {
            const DeviceNetNamedMessage& entry = entries[controls.descriptionEntry];
            condition.flags |= FC_METHOD2 | groupFlag(entry.group) | FC_DN_MSGID;
            condition.messageId = entry.messageId;
        }
    }
    condition.flags |= FC_ENABLED;
    return condition;
}

std::optional<DeviceNetFilterControls> deviceNetControlsOf(const FilterCondition& condition) {
    if (!(condition.flags & FC_DEVICENET))
        return std::nullopt;
    DeviceNetFilterControls controls;
    controls.group = matchedGroup(condition.flags);
    if ((condition.flags & FC_DN_MSGID) && condition.messageId < uint32_t(deviceNetMessageIdCount(controls.group)))
        controls.messageId = int(condition.messageId);
    controls.sourceMacId = macIdMember(condition.flags, FC_DN_SRCMAC, condition.sourceMacId);
    controls.destMacId = macIdMember(condition.flags, FC_DN_DSTMAC, condition.destMacId);
    if (!(condition.flags & FC_METHOD1) && controls.messageId != kDeviceNetAll) {
        // A Method 2 condition whose message has no entry (a damaged file)
        // stays with Method 1, which keeps its group and message ID.
        if (const std::optional<std::size_t> entry = deviceNetEntryOf(controls.group, uint32_t(controls.messageId))) {
            controls.method = DeviceNetMethod::byDescription;
            controls.descriptionEntry = *entry;
        }
    }
    return controls;
}
