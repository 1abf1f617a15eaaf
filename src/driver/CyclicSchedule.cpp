#include "driver/CyclicSchedule.h"

#include "driver/CanWire.h"

#include <algorithm>

namespace vorelin::driver {

namespace {

constexpr uint64_t kNsPerMs = 1'000'000;

}  // namespace

bool CyclicSchedule::store(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) {
    if (count > kMaxFrames)
        return false;
    std::copy_n(frames, count, frames_.begin());
    count_ = count;
    intervalNs_ = uint64_t(intervalMs) * kNsPerMs;
    // A zero cycle would repeat the frames back to back for ever.
    cycleNs_ = uint64_t(std::max<uint32_t>(cycleMs, 1)) * kNsPerMs;
    nextIndex_ = 0;
    return true;
}

void CyclicSchedule::start(uint64_t nowNs) {
    running_ = true;
    cycleStartNs_ = nowNs;
    nextIndex_ = 0;
}

void CyclicSchedule::stop() { running_ = false; }

void CyclicSchedule::markSent(uint64_t endNs) {
    if (++nextIndex_ < count_)
        return;
    // A cycle whose frames outlast cycleMs is followed at once by the next.
    nextIndex_ = 0;
    cycleStartNs_ = std::max(cycleStartNs_ + cycleNs_, endNs);
}

std::optional<CyclicFrames> cyclicWireImages(const CanFrame* frames, uint32_t count) {
    if (count > CyclicSchedule::kMaxFrames || (count > 0 && !frames))
        return std::nullopt;
    CyclicFrames images{};
    for (uint32_t i = 0; i < count; ++i) {
        if (!isTransmittable(frames[i]))
            return std::nullopt;
        images[i] = wireImage(frames[i]);
    }
    return images;
}

}  // namespace vorelin::driver
