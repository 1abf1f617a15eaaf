// RecordTime.h: a time since the capture started, split into a record's four
// time parts as the adapter stamps frames, for whatever stamps a record from
// a single count of microseconds, and joined again for whatever reads one.
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

// Parts beyond their ranges carry into the larger units; 64 bits hold even
// 2^32 of each part in microseconds.
inline uint64_t recordTimeUs(const FrameRecord& record) {
    return (uint64_t(record.timeMin) * 60 + record.timeSec) * 1'000'000 + uint64_t(record.timeMs) * 1000 +
           record.timeUs;
}
