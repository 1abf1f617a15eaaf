// CanopenReading.h: a frame read as a CANopen message: function code, node ID
// and the object kind its COB-ID belongs to, decoded once for every output.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>
#include <optional>

// The object kinds, in this order: stored texts are numbered by it.
enum CoKind : uint8_t {
    CoNotApplicable,
    CoNmt,
    CoSync,
    CoEmergency,
    CoTimeStamp,
    CoPdo1Tx,
    CoPdo1Rx,
    CoPdo2Tx,
    CoPdo2Rx,
    CoPdo3Tx,
    CoPdo3Rx,
    CoPdo4Tx,
    CoPdo4Rx,
    CoSdoTx,
    CoSdoRx,
    CoNmtErrorControl,
    CoReserved,
    CoUnassigned,
};
constexpr int kCoKindCount = CoUnassigned + 1;

struct CanopenReading {
    std::optional<uint32_t> functionCode;  // identifier bits 7 to 10
    std::optional<uint32_t> nodeId;        // identifier bits 0 to 6
    CoKind kind = CoNotApplicable;

    bool operator==(const CanopenReading&) const = default;
};

// Function code and node ID are split off every standard identifier, the
// special COB-IDs included; extended frames carry neither.
CanopenReading readCanopen(const FrameRecord& record);
