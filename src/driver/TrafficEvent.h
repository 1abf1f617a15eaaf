// TrafficEvent.h: the frames of one exchange on the simulated network, such
// as a request and its responses, in bus order and without allocating.
#pragma once

#include "base/FrameRecord.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace vorelin::driver {

class TrafficEvent {
public:
    static constexpr int kMaxFrames = 8;

    // A data frame with these bytes (at most 8).
    CanFrame& add(uint32_t identifier, std::span<const uint8_t> bytes, bool extended = false);
    CanFrame& add(uint32_t identifier, std::initializer_list<uint8_t> bytes, bool extended = false) {
        return add(identifier, std::span<const uint8_t>(bytes.begin(), bytes.size()), extended);
    }
    // A remote frame asking for `length` bytes.
    CanFrame& addRemote(uint32_t identifier, uint8_t length, bool extended);
    CanFrame& add(const CanFrame& frame);

    int size() const { return size_; }
    const CanFrame& operator[](int i) const { return frames_[std::size_t(i)]; }

private:
    std::array<CanFrame, kMaxFrames> frames_{};
    int size_ = 0;
};

}  // namespace vorelin::driver
