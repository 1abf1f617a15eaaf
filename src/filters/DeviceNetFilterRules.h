// DeviceNetFilterRules.h: the DeviceNet condition that the filter dialog's
// controls describe, and the controls a clicked condition loads, apart from
// the dialog's widgets.
#pragma once

#include "filters/DeviceNetFilterLists.h"

#include <cstddef>
#include <cstdint>
#include <optional>

struct FilterCondition;

enum class DeviceNetMethod { byGroup, byDescription };  // "Method 1", "Method 2"

// The values of the controls that a condition is built from. Method 1 reads
// `group` and `messageId`; Method 2 reads `descriptionEntry` instead.
struct DeviceNetFilterControls {
    DeviceNetMethod method = DeviceNetMethod::byGroup;
    int group = 1;                        // 1 to 4
    int messageId = kDeviceNetAll;        // within the group's IDs, or -1 ("ALL")
    int sourceMacId = kDeviceNetAll;      // 0..63, or -1 ("ALL")
    int destMacId = kDeviceNetAll;        // 0..63, or -1 ("ALL")
    std::size_t descriptionEntry = 0;     // Method 2 entry, 0 to 16

    bool operator==(const DeviceNetFilterControls&) const = default;
};

// The group a condition's flags name, the first of groups 1 to 4 set; 0
// for none.
int flaggedDeviceNetGroup(uint32_t flags);

// The group the controls stand for: Method 2 takes its entry's.
int effectiveGroup(const DeviceNetFilterControls& controls);

// Group 4 messages carry no MAC ID, so the dialog disables both MAC ID
// fields for it.
bool macIdFieldsEnabled(int group);

// The message ID a group change keeps: -1 when it lies beyond the new
// group's IDs.
int messageIdForGroup(int messageId, int group);

// The enabled DeviceNet condition the controls describe.
FilterCondition buildDeviceNetCondition(const DeviceNetFilterControls& controls);

// The controls a clicked DeviceNet condition loads; none for a condition of
// another kind, which the dialog can delete but not edit. A condition
// without a group flag loads as group 4, as the matching rule reads it.
std::optional<DeviceNetFilterControls> deviceNetControlsOf(const FilterCondition& condition);
