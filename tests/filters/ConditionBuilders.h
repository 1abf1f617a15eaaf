// ConditionBuilders.h: hand-made frames and conditions for the filter tests,
// built the way the three filter dialogs build them.
#pragma once

#include "base/FrameRecord.h"
#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"
#include "support/Frames.h"

#include <cstdint>
#include <initializer_list>

// A CAN condition testing nothing but the frame format and the remote flag:
// the dialog's "ALL" identifier without length or data.
inline FilterCondition canCondition(uint8_t extended = 0, uint32_t remote = 0) {
    FilterCondition condition;
    condition.flags = FC_CAN | FC_FRAMEFORMAT | FC_ENABLED;
    condition.frame.extended = extended;
    condition.frame.remote = remote;
    return condition;
}

inline FilterCondition customIdCondition(uint32_t identifier, uint8_t extended = 0) {
    FilterCondition condition = canCondition(extended);
    condition.flags |= FC_ID_CUSTOM;
    condition.frame.identifier = identifier;
    return condition;
}

inline FilterCondition advancedIdCondition(uint32_t idMask, uint32_t idBits, uint8_t extended = 1) {
    FilterCondition condition = canCondition(extended);
    condition.flags |= FC_ID_ADVANCED;
    condition.idMask = idMask;
    condition.idBits = idBits;
    return condition;
}

// `groupFlag` is one of FC_DN_GROUP1..4, or 0 for a condition without a group.
inline FilterCondition deviceNetCondition(uint32_t groupFlag) {
    FilterCondition condition;
    condition.flags = FC_DEVICENET | FC_FRAMEFORMAT | FC_METHOD1 | FC_ENABLED | groupFlag;
    return condition;
}

inline FilterCondition withMessageId(FilterCondition condition, uint32_t messageId) {
    condition.flags |= FC_DN_MSGID;
    condition.messageId = messageId;
    return condition;
}

inline FilterCondition withSourceMac(FilterCondition condition, uint32_t macId) {
    condition.flags |= FC_DN_SRCMAC;
    condition.sourceMacId = macId;
    return condition;
}

inline FilterCondition withDestinationMac(FilterCondition condition, uint32_t macId) {
    condition.flags |= FC_DN_DSTMAC;
    condition.destMacId = macId;
    return condition;
}

inline FilterCondition canopenCondition(uint32_t remote = 0) {
    FilterCondition condition;
    condition.flags = FC_CANOPEN | FC_FRAMEFORMAT | FC_ENABLED;
    condition.frame.remote = remote;
    return condition;
}

inline FilterCondition cobIdCondition(uint32_t cobId) {
    FilterCondition condition = canopenCondition();
    condition.flags |= FC_METHOD1 | FC_COP_COBID;
    condition.cobId = cobId;
    return condition;
}

inline FilterCondition functionCodeCondition(uint32_t functionCode) {
    FilterCondition condition = canopenCondition();
    condition.flags |= FC_COP_FCODE;
    condition.functionCode = functionCode;
    return condition;
}

inline FilterCondition functionCodeAndNodeCondition(uint32_t functionCode, uint32_t nodeId) {
    FilterCondition condition = functionCodeCondition(functionCode);
    condition.flags |= FC_COP_NODEID;
    condition.nodeId = nodeId;
    return condition;
}

inline FilterCondition withLength(FilterCondition condition, uint8_t length) {
    condition.flags |= FC_LENGTH;
    condition.frame.length = length;
    return condition;
}

inline FilterCondition withDataByte(FilterCondition condition, int index, uint8_t value) {
    condition.flags |= dataByteFlag(index);
    condition.frame.data[index] = value;
    return condition;
}

// The condition as it stands with its tick cleared.
inline FilterCondition disabled(FilterCondition condition) {
    condition.flags &= ~FC_ENABLED;
    return condition;
}
