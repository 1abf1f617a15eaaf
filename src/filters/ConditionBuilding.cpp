#include "filters/ConditionBuilding.h"

#include "base/FrameRecord.h"
#include "filters/FilterCondition.h"
#include "filters/FilterFlags.h"

void setLengthAndData(FilterCondition& condition, const LengthAndDataEntry& entry) {
    if (entry.sizeEntry > kSizeEntryAll && entry.sizeEntry < kSizeEntryCount) {
        condition.flags |= FC_LENGTH;
        condition.frame.length = uint8_t(entry.sizeEntry - 1);
    }
    for (int i = 0; i < kMaxDataBytes; ++i) {
        if (const std::optional<uint8_t> value = entry.data[std::size_t(i)]) {
            condition.flags |= dataByteFlag(i);
            condition.frame.data[i] = *value;
        } else {
            condition.flags &= ~dataByteFlag(i);
        }
    }
    if (condition.flags & FC_LENGTH) {
        for (int i = condition.frame.length; i < kMaxDataBytes; ++i)
            condition.flags &= ~dataByteFlag(i);
    }
}

LengthAndDataEntry lengthAndDataOf(const FilterCondition& condition) {
    LengthAndDataEntry entry;
    if ((condition.flags & FC_LENGTH) && condition.frame.length <= kMaxDataBytes)
        entry.sizeEntry = condition.frame.length + 1;
    for (int i = 0; i < kMaxDataBytes; ++i) {
        if (condition.flags & dataByteFlag(i))
            entry.data[std::size_t(i)] = condition.frame.data[i];
    }
    return entry;
}
