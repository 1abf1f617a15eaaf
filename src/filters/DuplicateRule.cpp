#include "filters/DuplicateRule.h"

#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"

namespace {

uint32_t kindFlag(FilterDialogKind kind) {
    switch (kind) {
    case FilterDialogKind::can:
        return FC_CAN;
    case FilterDialogKind::deviceNet:
        return FC_DEVICENET;
    case FilterDialogKind::canopen:
        return FC_CANOPEN;
    }
    return 0;
}

bool sameWhenFlagged(uint32_t flags, uint32_t flag, uint32_t a, uint32_t b) { return !(flags & flag) || a == b; }

bool sameLengthAndData(uint32_t flags, const CanFrame& a, const CanFrame& b) {
    if (!sameWhenFlagged(flags, FC_LENGTH, a.length, b.length))
        return false;
    for (int i = 0; i < kMaxDataBytes; ++i) {
        if (!sameWhenFlagged(flags, dataByteFlag(i), a.data[i], b.data[i]))
            return false;
    }
    return true;
}

bool sameCanTests(uint32_t flags, const FilterCondition& e, const FilterCondition& n) {
    if (!sameWhenFlagged(flags, FC_FRAMEFORMAT, e.frame.extended, n.frame.extended) ||
        !sameWhenFlagged(flags, FC_ID_CUSTOM, e.frame.identifier, n.frame.identifier))
        return false;
    if (flags & FC_ID_ADVANCED) {
        const uint32_t fixed = e.idMask & kAdvancedIdentifierBits;
        if (e.idMask != n.idMask || ((e.idBits ^ n.idBits) & fixed) != 0)
            return false;
    }
    return sameLengthAndData(flags, e.frame, n.frame);
}

bool sameDeviceNetTests(uint32_t flags, const FilterCondition& e, const FilterCondition& n) {
    return sameWhenFlagged(flags, FC_DN_SRCMAC, e.sourceMacId, n.sourceMacId) &&
           sameWhenFlagged(flags, FC_DN_DSTMAC, e.destMacId, n.destMacId) &&
           sameWhenFlagged(flags, FC_DN_MSGID, e.messageId, n.messageId);
}

bool sameCanopenTests(uint32_t flags, const FilterCondition& e, const FilterCondition& n) {
    return sameWhenFlagged(flags, FC_COP_COBID, e.cobId, n.cobId) &&
           sameWhenFlagged(flags, FC_COP_FCODE, e.functionCode, n.functionCode) &&
           sameWhenFlagged(flags, FC_COP_NODEID, e.nodeId, n.nodeId) && sameLengthAndData(flags, e.frame, n.frame);
}

}  // namespace

bool isDuplicate(FilterDialogKind kind, const FilterCondition& existing, const FilterCondition& candidate) {
    const uint32_t flags = existing.flags & ~FC_ENABLED;
    if (!(existing.flags & kindFlag(kind)) || flags != (candidate.flags & ~FC_ENABLED) ||
        existing.frame.remote != candidate.frame.remote)
        return false;
    switch (kind) {
    case FilterDialogKind::can:
        return sameCanTests(flags, existing, candidate);
    case FilterDialogKind::deviceNet:
        return sameDeviceNetTests(flags, existing, candidate);
    case FilterDialogKind::canopen:
        return sameCanopenTests(flags, existing, candidate);
    }
    return false;
}

bool hasDuplicate(FilterDialogKind kind, std::span<const FilterCondition> conditions,
                  const FilterCondition& candidate) {
    for (const FilterCondition& existing : conditions) {
        if (isDuplicate(kind, existing, candidate))
            return true;
    }
    return false;
}
