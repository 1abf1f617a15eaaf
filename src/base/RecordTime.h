// RecordTime.h: a time since the capture started, split into a record's four
// time parts as the adapter stamps frames, for whatever stamps a record from
// a single count of microseconds.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>

// Minutes beyond 2^32 - 1 (some 8000 years) wrap.
inline void setRecordTime(FrameRecord& record, uint64_t sinceStartUs) {
    record.timeUs = uint32_t(sinceStartUs % 1000);
    record.timeMs = uint32_t(sinceStartUs / 1000 % 1000);
    record.timeSec = uint32_t(sinceStartUs / 1'000'000 % 60);
    record.timeMin = uint32_t(sinceStartUs / 60'000'000);
}
