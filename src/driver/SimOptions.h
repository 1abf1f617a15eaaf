// SimOptions.h: how a simulated adapter behaves, as its backend selector sets
// it: the traffic of the other nodes, the receive FIFO size and the faults to
// inject.
#pragma once

#include "driver/KeshCall.h"

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>

namespace vorelin::driver {

enum class TrafficMix {
    mixed,        // CANopen, DeviceNet and plain CAN together
    canopen,
    devicenet,
    can,          // plain 11-bit and 29-bit messages, some remote
    shortFrames,  // the shortest frames there are, to saturate a bus
};

// Values GetKESHInfo reports in place of the adapter's own.
struct InfoOverride {
    std::optional<uint32_t> status;
    std::optional<uint32_t> baudRateKbps;
    std::optional<uint32_t> firmware;
};

struct SimOptions {
    static constexpr uint32_t kMaxFramesPerSecond = 1'000'000;
    static constexpr uint32_t kMinFifoFrames = 64;
    static constexpr uint32_t kMaxFifoFrames = 8192;
    static constexpr uint64_t kDefaultSeed = 20240601;

    std::string selector = "sim";    // the text these options came from
    uint32_t framesPerSecond = 2000;  // what the other nodes try to send; 0 = silent bus
    TrafficMix mix = TrafficMix::mixed;
    uint32_t fifoFrames = 512;
    uint64_t seed = kDefaultSeed;
    bool absent = false;  // no adapter plugged in
    std::bitset<kKeshCallCount> failingCalls;
    InfoOverride infoOverride;
};

}  // namespace vorelin::driver
