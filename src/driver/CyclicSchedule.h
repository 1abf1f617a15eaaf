// CyclicSchedule.h: the adapter's own cyclic frames (SetMultiData and
// RunMultiData): which stored frame goes next and when it asks for the bus.
#pragma once

#include "base/FrameRecord.h"
#include "driver/DriverExport.h"
#include "driver/KeshApi.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vorelin::driver {

class KESH_EXPORT_CPP CyclicSchedule {
public:
    static constexpr uint32_t kMaxFrames = kMultiDataFrames;

    // Replaces the stored frames; false, keeping the old ones, for more than 8.
    bool store(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs);

    // Starts the first cycle at nowNs, from the first stored frame.
    void start(uint64_t nowNs);
    void stop();
    bool running() const { return running_; }

    // Whether a frame waits for the bus; only then do the next two mean anything.
    bool hasNext() const { return running_ && count_ > 0; }
    uint64_t nextRequestNs() const { return cycleStartNs_ + nextIndex_ * intervalNs_; }
    const CanFrame& nextFrame() const { return frames_[nextIndex_]; }

    // The next frame has left the bus at endNs.
    void markSent(uint64_t endNs);

private:
    std::array<CanFrame, kMaxFrames> frames_{};
    uint32_t count_ = 0;
    uint64_t intervalNs_ = 0;
    uint64_t cycleNs_ = 0;
    bool running_ = false;
    uint64_t cycleStartNs_ = 0;
    uint32_t nextIndex_ = 0;
};

using CyclicFrames = std::array<CanFrame, CyclicSchedule::kMaxFrames>;

// The wire images of the frames SetMultiData hands over: none when there are
// more than a schedule holds, the list is missing, or a frame cannot be sent.
KESH_EXPORT_CPP std::optional<CyclicFrames> cyclicWireImages(const CanFrame* frames, uint32_t count);

}  // namespace vorelin::driver
