// DevicenetTraffic.h: a small DeviceNet network, a master at MAC 0 and five
// slaves: duplicate MAC checks at start-up, then polled and bit-strobed I/O,
// change of state, explicit and unconnected messages and group 4 requests.
#pragma once

#include "driver/Prng.h"
#include "driver/TrafficEvent.h"

#include <array>
#include <cstdint>

namespace vorelin::driver {

class DevicenetTraffic {
public:
    void nextEvent(Prng& prng, TrafficEvent& event);

private:
    static constexpr int kSlaveCount = 5;

    void duplicateMacCheck(int node, TrafficEvent& event);
    void poll(int slave, Prng& prng, TrafficEvent& event);
    void bitStrobe(Prng& prng, TrafficEvent& event);
    void changeOfState(int slave, Prng& prng, TrafficEvent& event);
    void explicitExchange(int slave, TrafficEvent& event);
    void unconnectedExchange(int slave, TrafficEvent& event);
    void group4Exchange(Prng& prng, TrafficEvent& event);

    int startUpStep_ = 0;
    uint8_t sequence_ = 0;
    std::array<uint8_t, kSlaveCount> inputs_{};
};

}  // namespace vorelin::driver
