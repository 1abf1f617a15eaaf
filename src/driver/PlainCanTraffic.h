// PlainCanTraffic.h: application messages of a few devices without a higher
// layer protocol: 11-bit and 29-bit identifiers with 0 to 8 bytes of counters
// and drifting values, and now and then a remote request answered by its data.
#pragma once

#include "driver/Prng.h"
#include "driver/TrafficEvent.h"

#include <array>
#include <cstdint>

namespace vorelin::driver {

class PlainCanTraffic {
public:
    static constexpr int kMessageCount = 13;

    void nextEvent(Prng& prng, TrafficEvent& event);

private:
    void addData(int message, Prng& prng, TrafficEvent& event);

    std::array<std::array<uint8_t, 8>, kMessageCount> values_{};
};

}  // namespace vorelin::driver
