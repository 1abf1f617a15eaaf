#include "driver/TrafficGenerator.h"

#include <algorithm>

namespace vorelin::driver {

namespace {

constexpr std::size_t kFollowUpCapacity = 32;
// Frames of other exchanges that may come between a frame and its follow-up.
constexpr uint32_t kMaxFollowUpGap = 3;

}  // namespace

TrafficGenerator::TrafficGenerator(TrafficMix mix, uint64_t seed)
    : mix_(mix), prng_(seed), followUps_(kFollowUpCapacity) {}

BusFrame TrafficGenerator::next() {
    ++index_;
    if (mix_ == TrafficMix::shortFrames)
        return shortFrames_.next(prng_);

    // Follow-ups go first when due, or when another exchange might not fit.
    const bool crowded = followUps_.size() + TrafficEvent::kMaxFrames > followUps_.capacity();
    if (!followUps_.empty() && (followUps_.front().dueIndex <= index_ || crowded)) {
        const CanFrame frame = followUps_.front().frame;
        followUps_.pop();
        return {frame, wireLengthBits(frame)};
    }
    TrafficEvent event;
    nextEvent(event);
    for (int i = 1; i < event.size(); ++i) {
        // Strictly increasing due indexes keep an exchange's frames in order.
        lastDueIndex_ = std::max(lastDueIndex_ + 1, index_ + uint64_t(i) + prng_.below(kMaxFollowUpGap + 1));
        followUps_.push({lastDueIndex_, event[i]});
    }
    return {event[0], wireLengthBits(event[0])};
}

void TrafficGenerator::nextEvent(TrafficEvent& event) {
    TrafficMix protocol = mix_;
    if (mix_ == TrafficMix::mixed) {
        const uint32_t roll = prng_.below(10);
        protocol = roll < 4 ? TrafficMix::canopen : roll < 7 ? TrafficMix::devicenet : TrafficMix::can;
    }
    if (protocol == TrafficMix::canopen)
        canopen_.nextEvent(prng_, event);
    else if (protocol == TrafficMix::devicenet)
        devicenet_.nextEvent(prng_, event);
    else
        plainCan_.nextEvent(prng_, event);
}

}  // namespace vorelin::driver
