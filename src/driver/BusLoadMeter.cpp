#include "driver/BusLoadMeter.h"

#include <algorithm>

namespace vorelin::driver {

void BusLoadMeter::add(uint64_t endNs, uint64_t busyNs) {
    const uint64_t bucket = std::max(endNs / kBucketNs, currentBucket_);
    const uint64_t expired = std::min<uint64_t>(bucket - currentBucket_, kBucketCount);
    for (uint64_t i = 1; i <= expired; ++i) {
        uint64_t& slot = busyNs_[(currentBucket_ + i) % kBucketCount];
        windowBusyNs_ -= slot;
        slot = 0;
    }
    currentBucket_ = bucket;
    busyNs_[bucket % kBucketCount] += busyNs;
    windowBusyNs_ += busyNs;
    lastEndNs_ = std::max(lastEndNs_, endNs);
}

uint32_t BusLoadMeter::percent() const {
    // The older buckets are whole, the current one only up to the last frame.
    const uint64_t currentPartNs = lastEndNs_ - std::min(lastEndNs_, currentBucket_ * kBucketNs);
    const uint64_t windowNs = (kBucketCount - 1) * kBucketNs + currentPartNs;
    const uint64_t percent = (windowBusyNs_ * 100 + windowNs / 2) / windowNs;
    return uint32_t(std::min<uint64_t>(percent, 100));
}

}  // namespace vorelin::driver
