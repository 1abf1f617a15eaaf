// ConditionMatches.h: the matching rule, whether one frame meets one filter
// condition, in the terms of the condition's protocol.
#pragma once

struct CanFrame;
struct FilterCondition;

// False for a condition that is not enabled. A condition without FC_CAN or
// FC_DEVICENET is a CANopen condition. No side effects.
bool conditionMatches(const CanFrame& frame, const FilterCondition& condition);
