// DeviceNetReading.h: a frame read as a DeviceNet message: its message group,
// MAC IDs, message ID and kind, decoded once for the list, export and print.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>
#include <optional>

// The message kinds, in this order: stored texts are numbered by it.
enum DnKind : uint8_t {
    DnNotApplicable,
    DnGroup1Other,
    DnSlaveIoCos,
    DnSlaveBitStrobeRes,
    DnSlavePollRes,
    DnMasterBitStrobeCmd,
    DnMasterReserved,
    DnMasterCosAck,
    DnSlaveExplicitRes,
    DnMasterExplicitReq,
    DnMasterPollCmd,
    DnGroup2UnconnReq,
    DnDupMacCheck,
    DnUnconnRes,
    DnUnconnReq,
    DnGroup3Other,
    DnGroup4Reserved,
    DnCommFaultRes,
    DnCommFaultReq,
    DnOfflineOwnRes,
    DnOfflineOwnReq,
    DnInvalidId,
};
constexpr int kDnKindCount = DnInvalidId + 1;

struct DeviceNetReading {
    uint32_t group = 0;  // 1 to 4; 0 for an extended frame, which is no DeviceNet message
    std::optional<uint32_t> messageId;
    std::optional<uint32_t> sourceMacId;  // 0..63
    std::optional<uint32_t> destMacId;    // 0..63
    DnKind kind = DnNotApplicable;

    bool operator==(const DeviceNetReading&) const = default;
};

// Reads the identifier and, for the explicit and unconnected messages whose
// other MAC ID travels in the payload, the first data byte whatever the
// length says. Remote flag and length play no part.
DeviceNetReading readDeviceNet(const FrameRecord& record);
