#include "driver/CanopenTraffic.h"

#include <algorithm>

namespace vorelin::driver {

namespace {

constexpr uint32_t kNmt = 0x000;
constexpr uint32_t kSync = 0x080;
constexpr uint32_t kEmergencyBase = 0x080;
constexpr uint32_t kTransmitPdo1Base = 0x180;
constexpr uint32_t kReceivePdo1Base = 0x200;
constexpr uint32_t kSdoRequestBase = 0x600;
constexpr uint32_t kHeartbeatBase = 0x700;
constexpr uint8_t kNmtStart = 0x01;
constexpr uint8_t kBootUp = 0x00;
constexpr uint8_t kOperational = 0x05;
constexpr uint8_t kUploadRequest = 0x40;

// Data bytes of TPDO1..4 and RPDO1..4.
constexpr std::array<uint8_t, 8> kPdoLengths = {8, 4, 6, 2, 8, 2, 4, 1};

struct Emergency {
    uint16_t code;
    uint8_t errorRegister;
};

constexpr std::array<Emergency, 5> kEmergencies = {{
    {0x2310, 0x03},  // output overcurrent
    {0x3210, 0x05},  // DC link overvoltage
    {0x4210, 0x09},  // excess temperature
    {0x8130, 0x11},  // heartbeat lost
    {0x0000, 0x00},  // error reset
}};

// What the master reads (writeBytes 0) or writes on a node.
struct SdoAccess {
    uint16_t index;
    uint8_t subindex;
    uint8_t writeBytes;
    uint32_t value;
};

constexpr std::array<SdoAccess, 8> kSdoAccesses = {{
    {0x1000, 0, 0, 0},
    {0x1001, 0, 0, 0},
    {0x1017, 0, 0, 0},
    {0x1018, 1, 0, 0},
    {0x1018, 4, 0, 0},
    {0x6041, 0, 0, 0},
    {0x1017, 0, 2, 1000},
    {0x6040, 0, 2, 0x000F},
}};

}  // namespace

void CanopenTraffic::nextEvent(Prng& prng, TrafficEvent& event) {
    if (startUpStep_ < 2 * kCanopenNodeCount) {
        startUp(event);
        return;
    }
    const uint8_t node = uint8_t(1 + prng.below(kCanopenNodeCount));
    const uint32_t roll = prng.below(1000);
    if (roll < 600)
        pdo(node, int(prng.below(kPdoChannels)), prng, event);
    else if (roll < 700)
        event.add(kSync, {});
    else if (roll < 820)
        event.add(kHeartbeatBase + node, {kOperational});
    else if (roll < 985)
        sdoExchange(node, prng, event);
    else if (roll < 995)
        emergency(node, prng, event);
    else
        event.add(kNmt, {kNmtStart, node});
}

void CanopenTraffic::startUp(TrafficEvent& event) {
    // Every node reports its boot-up, then the master starts them one by one.
    const uint8_t node = uint8_t(1 + startUpStep_ % kCanopenNodeCount);
    if (startUpStep_ < kCanopenNodeCount)
        event.add(kHeartbeatBase + node, {kBootUp});
    else
        event.add(kNmt, {kNmtStart, node});
    ++startUpStep_;
}

void CanopenTraffic::pdo(uint8_t node, int channel, Prng& prng, TrafficEvent& event) {
    PdoState& state = pdos_[node - 1][std::size_t(channel)];
    ++state.counter;
    // Measured values drift a step now and then rather than jump.
    uint8_t& drifting = state.values[prng.below(uint32_t(state.values.size()))];
    drifting = uint8_t(drifting + prng.below(3) - 1);

    std::array<uint8_t, 8> bytes{};
    bytes[0] = uint8_t(state.counter);
    bytes[1] = uint8_t(state.counter >> 8);
    std::copy(state.values.begin(), state.values.end(), bytes.begin() + 2);
    const uint32_t base = channel < 4 ? kTransmitPdo1Base + 0x100 * uint32_t(channel)
                                      : kReceivePdo1Base + 0x100 * uint32_t(channel - 4);
    event.add(base + node, std::span<const uint8_t>(bytes.data(), kPdoLengths[std::size_t(channel)]));
}

void CanopenTraffic::sdoExchange(uint8_t node, Prng& prng, TrafficEvent& event) {
    const SdoAccess& access = kSdoAccesses[prng.below(uint32_t(kSdoAccesses.size()))];
    // Expedited download: the command carries 4 minus the byte count in bits 2..3.
    const uint8_t command = access.writeBytes == 0 ? kUploadRequest : uint8_t(0x23 | (4 - access.writeBytes) << 2);
    const CanFrame& request = event.add(kSdoRequestBase + node,
                                        {command, uint8_t(access.index), uint8_t(access.index >> 8), access.subindex,
                                         uint8_t(access.value), uint8_t(access.value >> 8), uint8_t(access.value >> 16),
                                         uint8_t(access.value >> 24)});
    if (const auto answer = answerSdoRequest(request))
        event.add(*answer);
}

void CanopenTraffic::emergency(uint8_t node, Prng& prng, TrafficEvent& event) {
    const Emergency& emergency = kEmergencies[prng.below(uint32_t(kEmergencies.size()))];
    event.add(kEmergencyBase + node,
              {uint8_t(emergency.code), uint8_t(emergency.code >> 8), emergency.errorRegister, 0, 0, 0, 0, 0});
}

}  // namespace vorelin::driver
