// FilterCondition.h: one filter condition as the filter dialogs make it and
// the capture file stores it, field by field: 60 bytes, copied by value.
#pragma once

#include "base/FrameRecord.h"

#include <cstddef>
#include <cstdint>

struct FilterCondition {
    uint32_t reserved = 0;  // read by nothing; conditions made by the dialogs carry 0
    uint32_t flags = 0;     // FC_ bits: which tests apply
    uint32_t idMask = 0;    // Advanced identifier: bit i (0..28) set fixes identifier bit i
    uint32_t idBits = 0;    // Advanced identifier: the required value of each fixed bit
    CanFrame frame;         // the frame image compared with: format, remote, identifier, length, data
    uint32_t messageId = 0;    // DeviceNet
    uint32_t sourceMacId = 0;  // DeviceNet, 0..63
    uint32_t destMacId = 0;    // DeviceNet, 0..63
    uint32_t cobId = 0;        // CANopen, 0..0x7FF
    uint32_t functionCode = 0; // CANopen: identifier bits 7 and up
    uint32_t nodeId = 0;       // CANopen: identifier bits 0..6
};

// Identifier bits an Advanced condition can fix: the 29 of an extended frame.
constexpr uint32_t kAdvancedIdentifierBits = 0x1FFFFFFF;

static_assert(sizeof(FilterCondition) == 60);
static_assert(offsetof(FilterCondition, reserved) == 0);
static_assert(offsetof(FilterCondition, flags) == 4);
static_assert(offsetof(FilterCondition, idMask) == 8);
static_assert(offsetof(FilterCondition, idBits) == 12);
static_assert(offsetof(FilterCondition, frame) == 16);
static_assert(offsetof(FilterCondition, messageId) == 36);
static_assert(offsetof(FilterCondition, sourceMacId) == 40);
static_assert(offsetof(FilterCondition, destMacId) == 44);
static_assert(offsetof(FilterCondition, cobId) == 48);
static_assert(offsetof(FilterCondition, functionCode) == 52);
static_assert(offsetof(FilterCondition, nodeId) == 56);
