// FramesLostCount.h: how many frames the adapter dropped while the capture
// the window shows was running, worked out from the adapter's own count of
// drops, which also grows while the capture is stopped and starts again from
// zero when the adapter is started again. Window thread only.
#pragma once

#include <cstdint>

class FramesLostCount {
public:
    // New, Open, Clear All: the records are gone, and their gaps with them.
    void reset(uint64_t adapterDropped);
    // Capture: what the adapter dropped while nothing was captured is no loss.
    void resume(uint64_t adapterDropped);
    // While capturing, and at Stop: the drops since the last look are lost.
    void observe(uint64_t adapterDropped);

    uint64_t framesLost() const { return framesLost_; }

private:
    uint64_t adapterDropped_ = 0;
    uint64_t framesLost_ = 0;
};
