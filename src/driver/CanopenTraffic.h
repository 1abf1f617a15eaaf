// CanopenTraffic.h: a small CANopen network, nodes 1..5 and their master:
// boot-up and NMT start, then SYNC, PDOs with slowly changing values,
// heartbeats, SDO exchanges and the odd emergency.
#pragma once

#include "driver/Prng.h"
#include "driver/SdoServer.h"
#include "driver/TrafficEvent.h"

#include <array>
#include <cstdint>

namespace vorelin::driver {

class CanopenTraffic {
public:
    void nextEvent(Prng& prng, TrafficEvent& event);

private:
    static constexpr int kPdoChannels = 8;  // four transmit, four receive

    struct PdoState {
        uint16_t counter = 0;
        std::array<uint8_t, 6> values{};
    };

    void startUp(TrafficEvent& event);
    void pdo(uint8_t node, int channel, Prng& prng, TrafficEvent& event);
    void sdoExchange(uint8_t node, Prng& prng, TrafficEvent& event);
    void emergency(uint8_t node, Prng& prng, TrafficEvent& event);

    int startUpStep_ = 0;
    std::array<std::array<PdoState, kPdoChannels>, kCanopenNodeCount> pdos_{};
};

}  // namespace vorelin::driver
