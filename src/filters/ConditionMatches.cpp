#include "filters/ConditionMatches.h"

#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"

namespace {

bool has(const FilterCondition& condition, uint32_t flag) { return (condition.flags & flag) != 0; }

// Read whatever the length says, as the list reads it: a MAC ID condition
// must match the MAC ID the user sees in the frame's row.
bool firstDataByteIs(const CanFrame& frame, uint32_t macId) {
    return uint32_t(frame.data[0] & 0x3F) == macId;
}

bool canIdentifierMatches(const CanFrame& frame, const FilterCondition& condition) {
    if (has(condition, FC_FRAMEFORMAT) && frame.extended != condition.frame.extended)
        return false;
    if (frame.remote != condition.frame.remote)
        return false;
    if (has(condition, FC_ID_ADVANCED)) {
        const uint32_t fixed = condition.idMask & kAdvancedIdentifierBits;
        return ((frame.identifier ^ condition.idBits) & fixed) == 0;
    }
    return !has(condition, FC_ID_CUSTOM) || frame.identifier == condition.frame.identifier;
}

// Which MAC IDs a group 2 identifier carries depends on its message ID m:
// I is the MAC ID in the identifier, d0 the one in the first data byte.
bool group2MacIdsMatch(const CanFrame& frame, const FilterCondition& condition) {
    const bool source = has(condition, FC_DN_SRCMAC);
    const bool destination = has(condition, FC_DN_DSTMAC);
    if (!source && !destination)
        return true;
    const uint32_t id = frame.identifier;
    const uint32_t m = id & 7;
    const uint32_t identifierMac = (id >> 3) & 0x3F;
    const uint32_t src = condition.sourceMacId;
    const uint32_t dst = condition.destMacId;
    switch (m) {
    case 0:
    case 1:
        return source && !destination && identifierMac == src;
    case 2:
    case 5:
        return destination && !source && identifierMac == dst;
    case 3:
        return (!source || identifierMac == src) && (!destination || firstDataByteIs(frame, dst));
    case 4:
    case 6:
        if (source && destination)
            return identifierMac == dst && firstDataByteIs(frame, src);
        return source ? firstDataByteIs(frame, src) : identifierMac == dst;
    default:
        return (!source || identifierMac == src) && (!destination || identifierMac == dst);
    }
}

bool deviceNetIdentifierMatches(const CanFrame& frame, const FilterCondition& condition) {
    if (frame.extended != 0 || frame.remote != 0)
        return false;
    const uint32_t id = frame.identifier;
    const bool messageIdTested = has(condition, FC_DN_MSGID);
    const bool sourceTested = has(condition, FC_DN_SRCMAC);
    const bool destinationTested = has(condition, FC_DN_DSTMAC);
    if (has(condition, FC_DN_GROUP1)) {
        if (id & 0x400)
            return false;
        if (messageIdTested && ((id >> 6) & 0xF) != condition.messageId)
            return false;
        if (sourceTested && (id & 0x3F) != condition.sourceMacId)
            return false;
        return !destinationTested || firstDataByteIs(frame, condition.destMacId);
    }
    if (has(condition, FC_DN_GROUP2)) {
        if ((id & 0x600) != 0x400)
            return false;
        if (messageIdTested && (id & 7) != condition.messageId)
            return false;
        return group2MacIdsMatch(frame, condition);
    }
    if (has(condition, FC_DN_GROUP3)) {
        if ((id & 0x600) != 0x600 || (id & 0x7C0) == 0x7C0)
            return false;
        if (messageIdTested && ((id >> 6) & 7) != condition.messageId)
            return false;
        if (sourceTested && (id & 0x3F) != condition.sourceMacId)
            return false;
        // Only message IDs 5 and 6 carry a destination MAC ID.
        if (destinationTested) {
            const uint32_t messageBits = id & 0x1C0;
            if (messageBits != 0x140 && messageBits != 0x180)
                return false;
            return firstDataByteIs(frame, condition.destMacId);
        }
        return true;
    }
    if ((id & 0x7C0) != 0x7C0)
        return false;
    return !messageIdTested || (id & 0x3F) == condition.messageId;
}

bool canopenIdentifierMatches(const CanFrame& frame, const FilterCondition& condition) {
    if (has(condition, FC_FRAMEFORMAT) && frame.extended != 0)
        return false;
    if (frame.remote != condition.frame.remote)
        return false;
    if (has(condition, FC_COP_COBID) && frame.identifier != condition.cobId)
        return false;
    if (has(condition, FC_COP_FCODE) && (frame.identifier >> 7) != condition.functionCode)
        return false;
    return !has(condition, FC_COP_NODEID) || (frame.identifier & 0x7F) == condition.nodeId;
}

bool lengthAndDataMatch(const CanFrame& frame, const FilterCondition& condition) {
    if (has(condition, FC_LENGTH) && frame.length != condition.frame.length)
        return false;
    for (int i = 0; i < kMaxDataBytes; ++i) {
        if (!has(condition, dataByteFlag(i)))
            continue;
        if (frame.length <= i || frame.data[i] != condition.frame.data[i])
            return false;
    }
    return true;
}

}  // namespace

bool conditionMatches(const CanFrame& frame, const FilterCondition& condition) {
    if (!has(condition, FC_ENABLED))
        return false;
    bool identifierMatches;
    if (has(condition, FC_CAN))
        identifierMatches = canIdentifierMatches(frame, condition);
    else if (has(condition, FC_DEVICENET))
        identifierMatches = deviceNetIdentifierMatches(frame, condition);
    else
        identifierMatches = canopenIdentifierMatches(frame, condition);
    return identifierMatches && lengthAndDataMatch(frame, condition);
}
