#include "protocol/DeviceNetReading.h"

namespace {

DeviceNetReading readGroup1(uint32_t id) {
    const uint32_t messageId = (id >> 6) & 0xF;
    DnKind kind = DnGroup1Other;
    if (messageId == 0xD)
        kind = DnSlaveIoCos;
    else if (messageId == 0xE)
        kind = DnSlaveBitStrobeRes;
    else if (messageId == 0xF)
        kind = DnSlavePollRes;
    return {1, messageId, id & 0x3F, std::nullopt, kind};
}

DeviceNetReading readGroup2(uint32_t id, uint8_t firstDataByte) {
    const uint32_t messageId = id & 7;
    const uint32_t macId = (id >> 3) & 0x3F;
    const uint32_t payloadMacId = firstDataByte & 0x3F;
    DeviceNetReading reading{2, messageId, std::nullopt, std::nullopt, DnNotApplicable};
    switch (messageId) {
    case 0:
        reading.kind = DnMasterBitStrobeCmd;
        reading.sourceMacId = macId;
        break;
    case 1:
        reading.kind = DnMasterReserved;
        reading.sourceMacId = macId;
        break;
    case 2:
        reading.kind = DnMasterCosAck;
        reading.destMacId = macId;
        break;
    case 3:
        reading.kind = DnSlaveExplicitRes;
        reading.sourceMacId = macId;
        reading.destMacId = payloadMacId;
        break;
    case 4:
        reading.kind = DnMasterExplicitReq;
        reading.sourceMacId = payloadMacId;
        reading.destMacId = macId;
        break;
    case 5:
        reading.kind = DnMasterPollCmd;
        reading.destMacId = macId;
        break;
    case 6:
        reading.kind = DnGroup2UnconnReq;
        reading.sourceMacId = payloadMacId;
        reading.destMacId = macId;
        break;
    default:
        reading.kind = DnDupMacCheck;
        reading.sourceMacId = macId;
        reading.destMacId = macId;
        break;
    }
    return reading;
}

DeviceNetReading readGroup3(uint32_t id, uint8_t firstDataByte) {
    DeviceNetReading reading{3, (id >> 6) & 7, id & 0x3F, std::nullopt, DnGroup3Other};
    const uint32_t messageBits = id & 0x7C0;
    if (messageBits == 0x740 || messageBits == 0x780) {
        reading.kind = messageBits == 0x740 ? DnUnconnRes : DnUnconnReq;
        reading.destMacId = firstDataByte & 0x3F;
    }
    return reading;
}

DeviceNetReading readGroup4(uint32_t id) {
    const uint32_t messageId = id & 0x3F;
    DnKind kind = DnGroup4Reserved;
    if (messageId == 0x2C)
        kind = DnCommFaultRes;
    else if (messageId == 0x2D)
        kind = DnCommFaultReq;
    else if (messageId == 0x2E)
        kind = DnOfflineOwnRes;
    else if (messageId == 0x2F)
        kind = DnOfflineOwnReq;
    else if (messageId >= 0x30)
        kind = DnInvalidId;
    return {4, messageId, std::nullopt, std::nullopt, kind};
}

}  // namespace

DeviceNetReading readDeviceNet(const FrameRecord& record) {
    const CanFrame& frame = record.frame;
    if (frame.extended != 0)
        return {};
    const uint32_t id = frame.identifier;
    if ((id & 0x400) == 0)
        return readGroup1(id);
    if ((id & 0x600) == 0x400)
        return readGroup2(id, frame.data[0]);
    if ((id & 0x7C0) != 0x7C0)
        return readGroup3(id, frame.data[0]);
    return readGroup4(id);
}
