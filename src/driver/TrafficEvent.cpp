#include "driver/TrafficEvent.h"

#include <algorithm>

namespace vorelin::driver {

CanFrame& TrafficEvent::add(uint32_t identifier, std::span<const uint8_t> bytes, bool extended) {
    CanFrame frame;
    frame.extended = extended ? 1 : 0;
    frame.identifier = identifier;
    frame.length = uint8_t(std::min<std::size_t>(bytes.size(), kMaxDataBytes));
    std::copy_n(bytes.begin(), frame.length, frame.data);
    return add(frame);
}

CanFrame& TrafficEvent::addRemote(uint32_t identifier, uint8_t length, bool extended) {
    CanFrame frame;
    frame.remote = 1;
    frame.extended = extended ? 1 : 0;
    frame.identifier = identifier;
    frame.length = length;
    return add(frame);
}

CanFrame& TrafficEvent::add(const CanFrame& frame) {
    // at(): a ninth frame is a fault of ours and must not overwrite memory.
    CanFrame& slot = frames_.at(std::size_t(size_));
    slot = frame;
    ++size_;
    return slot;
}

}  // namespace vorelin::driver
