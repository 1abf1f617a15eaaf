// TrafficGenerator.h: the frames the other nodes of the simulated network put
// on the bus, one after another, in the traffic mix the adapter was given.
// Responses follow their requests a few frames later, as on a real bus.
#pragma once

#include "driver/CanWire.h"
#include "driver/CanopenTraffic.h"
#include "driver/DevicenetTraffic.h"
#include "driver/PlainCanTraffic.h"
#include "driver/Prng.h"
#include "driver/RingBuffer.h"
#include "driver/ShortFrameTraffic.h"
#include "driver/SimOptions.h"

#include <cstdint>

namespace vorelin::driver {

class TrafficGenerator {
public:
    TrafficGenerator(TrafficMix mix, uint64_t seed);

    BusFrame next();

private:
    struct FollowUp {
        uint64_t dueIndex = 0;  // not before this frame of the sequence
        CanFrame frame;
    };

    void nextEvent(TrafficEvent& event);

    TrafficMix mix_;
    Prng prng_;
    CanopenTraffic canopen_;
    DevicenetTraffic devicenet_;
    PlainCanTraffic plainCan_;
    ShortFrameTraffic shortFrames_;
    RingBuffer<FollowUp> followUps_;
    uint64_t index_ = 0;
    uint64_t lastDueIndex_ = 0;
};

}  // namespace vorelin::driver
