// ConditionBuilding.h: what the CAN and CANopen filter dialogs both take
// from their Size list and eight data fields into a condition they build.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

struct FilterCondition;

// Entry 0 of the Size list is "ALL"; entry k >= 1 is the length k - 1.
constexpr int kSizeEntryAll = 0;
constexpr int kSizeEntryCount = 10;

struct LengthAndDataEntry {
    int sizeEntry = kSizeEntryAll;
    // Each data field's value; empty when the field is empty, so that the
    // byte is not tested.
    std::array<std::optional<uint8_t>, 8> data;
};

// Sets FC_LENGTH and the length for a size entry other than "ALL", a data
// bit and byte for every filled field, and clears the bits of the bytes a
// length below 8 leaves out. Other flags stay as they are.
void setLengthAndData(FilterCondition& condition, const LengthAndDataEntry& entry);

// The size entry and data fields a condition shows when it is loaded into
// the controls.
LengthAndDataEntry lengthAndDataOf(const FilterCondition& condition);
