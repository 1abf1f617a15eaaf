#include "app/FramesLostCount.h"

void FramesLostCount::reset(uint64_t adapterDropped) {
    adapterDropped_ = adapterDropped;
    framesLost_ = 0;
}

void FramesLostCount::resume(uint64_t adapterDropped) { adapterDropped_ = adapterDropped; }

void FramesLostCount::observe(uint64_t adapterDropped) {
    // A count below the last one: the adapter was started again (Open resumes
    // a capture saved while capturing) and counts from zero since.
    framesLost_ += adapterDropped >= adapterDropped_ ? adapterDropped - adapterDropped_ : adapterDropped;
    adapterDropped_ = adapterDropped;
}
