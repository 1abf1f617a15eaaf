#include "protocol/CanopenReading.h"

#include <iterator>

namespace {

struct CobIdRange {
    uint32_t first;
    uint32_t last;
    CoKind kind;
};

// Checked top to bottom: 0x180 and 0x6E0 belong to the reserved rows before
// any general rule could claim them, and node 0 of the PDO and SDO ranges
// falls through to unassigned.
constexpr CobIdRange kCobIdRanges[] = {
    {0x000, 0x000, CoNmt},
    {0x001, 0x001, CoReserved},
    {0x080, 0x080, CoSync},
    {0x081, 0x0FF, CoEmergency},
    {0x100, 0x100, CoTimeStamp},
    {0x101, 0x180, CoReserved},
    {0x181, 0x1FF, CoPdo1Tx},
    {0x201, 0x27F, CoPdo1Rx},
    {0x281, 0x2FF, CoPdo2Tx},
    {0x301, 0x37F, CoPdo2Rx},
    {0x381, 0x3FF, CoPdo3Tx},
    {0x401, 0x47F, CoPdo3Rx},
    {0x481, 0x4FF, CoPdo4Tx},
    {0x501, 0x57F, CoPdo4Rx},
    {0x581, 0x5FF, CoSdoTx},
    {0x601, 0x67F, CoSdoRx},
    {0x6E0, 0x6E0, CoReserved},
    {0x701, 0x77F, CoNmtErrorControl},
    {0x780, 0x7FF, CoReserved},
};

CoKind kindOfCobId(uint32_t cobId) {
    for (const CobIdRange& range : kCobIdRanges) {
        if (cobId >= range.first && cobId <= range.last)
            return range.kind;
    }
    return CoUnassigned;
}

}  // namespace

CanopenReading readCanopen(const FrameRecord& record) {
    const CanFrame& frame = record.frame;
    if (frame.extended != 0)
        return {};
    const uint32_t id = frame.identifier;
    return {(id >> 7) & 0xF, id & 0x7F, kindOfCobId(id)};
}
