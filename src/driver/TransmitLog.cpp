#include "driver/TransmitLog.h"

namespace vorelin::driver {

void TransmitLog::record(const TransmittedFrame& frame) {
    recent_.pushEvictingOldest(frame);
    ++total_;
}

TransmittedFrames TransmitLog::snapshot() const {
    TransmittedFrames frames;
    frames.recent.reserve(recent_.size());
    for (std::size_t i = 0; i < recent_.size(); ++i)
        frames.recent.push_back(recent_[i]);
    frames.total = total_;
    return frames;
}

}  // namespace vorelin::driver
