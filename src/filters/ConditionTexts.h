// ConditionTexts.h: the texts the three filter dialogs' condition lists
// share: the protocol a condition belongs to, and the "Length" and "Data"
// of a condition that tests the frame's length and data bytes (the CAN and
// CANopen kinds), in the list's number format.
#pragma once

#include "fields/NumberText.h"

#include <string>
#include <string_view>

struct FilterCondition;

// "CAN", "DeviceNet" or "CANopen"; empty for a condition of no kind.
std::string_view conditionProtocolText(const FilterCondition& condition);

// The length as "%d" with FC_LENGTH, else "ALL".
std::string conditionLengthText(const FilterCondition& condition);

// "Remote Frame" for a remote condition; otherwise one item per tested
// position, " %02X" / " %03d" of a byte the condition fixes and " **" of
// one it leaves free: bytes 0 to length - 1 with FC_LENGTH, all eight
// without. A length above 8 (a damaged file) shows no items.
std::string conditionDataText(const FilterCondition& condition, NumberFormat format);

// One data item without its leading blank: "%02X" or "%03d".
std::string paddedByteText(uint32_t value, NumberFormat format);
