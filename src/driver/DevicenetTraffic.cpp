#include "driver/DevicenetTraffic.h"

namespace vorelin::driver {

namespace {

constexpr uint8_t kMasterMac = 0;
// Index 0 is the master, the rest its slaves.
constexpr std::array<uint8_t, 6> kNodeMacs = {kMasterMac, 3, 8, 12, 21, 40};
constexpr uint16_t kVendorId = 0x01A7;

// Group 1: message id in bits 6..9, source MAC below.
constexpr uint32_t group1(uint32_t messageId, uint32_t mac) { return messageId << 6 | mac; }
// Group 2: 10, MAC in bits 3..8, message id below.
constexpr uint32_t group2(uint32_t mac, uint32_t messageId) { return 0x400 | mac << 3 | messageId; }
// Group 3: 11, message id in bits 6..8, source MAC below.
constexpr uint32_t group3(uint32_t messageId, uint32_t mac) { return 0x600 | messageId << 6 | mac; }

constexpr uint32_t kChangeOfState = 0xD;
constexpr uint32_t kBitStrobeResponse = 0xE;
constexpr uint32_t kPollResponse = 0xF;
constexpr uint32_t kBitStrobeCommand = 0;
constexpr uint32_t kExplicitResponse = 3;
constexpr uint32_t kExplicitRequest = 4;
constexpr uint32_t kPollCommand = 5;
constexpr uint32_t kDuplicateMacCheck = 7;
constexpr uint32_t kUnconnectedResponse = 5;
constexpr uint32_t kUnconnectedRequest = 6;
constexpr uint32_t kCommunicationFaultRequest = 0x7EC;
constexpr uint32_t kCommunicationFaultResponse = 0x7ED;
constexpr uint32_t kOfflineOwnershipRequest = 0x7EE;
constexpr uint32_t kOfflineOwnershipResponse = 0x7EF;

constexpr uint8_t kGetAttributeSingle = 0x0E;
constexpr uint8_t kAllocateConnections = 0x4B;
constexpr uint8_t kServiceResponse = 0x80;
constexpr uint8_t kIdentityClass = 0x01;
constexpr uint8_t kConnectionSetClass = 0x03;
constexpr uint8_t kPolledAndStrobed = 0x03;

uint32_t serialNumber(int node) { return 0x00C0FE00u + uint32_t(node); }

}  // namespace

void DevicenetTraffic::nextEvent(Prng& prng, TrafficEvent& event) {
    if (startUpStep_ < int(kNodeMacs.size())) {
        duplicateMacCheck(startUpStep_++, event);
        return;
    }
    const int slave = 1 + int(prng.below(kSlaveCount));
    const uint32_t roll = prng.below(100);
    if (roll < 40)
        poll(slave, prng, event);
    else if (roll < 50)
        bitStrobe(prng, event);
    else if (roll < 70)
        changeOfState(slave, prng, event);
    else if (roll < 85)
        explicitExchange(slave, event);
    else if (roll < 93)
        unconnectedExchange(slave, event);
    else if (roll < 97)
        group4Exchange(prng, event);
    else
        duplicateMacCheck(slave, event);
}

void DevicenetTraffic::duplicateMacCheck(int node, TrafficEvent& event) {
    const uint32_t serial = serialNumber(node);
    event.add(group2(kNodeMacs[std::size_t(node)], kDuplicateMacCheck),
              {0x00, uint8_t(kVendorId), uint8_t(kVendorId >> 8), uint8_t(serial), uint8_t(serial >> 8),
               uint8_t(serial >> 16), uint8_t(serial >> 24)});
}

void DevicenetTraffic::poll(int slave, Prng& prng, TrafficEvent& event) {
    const uint8_t mac = kNodeMacs[std::size_t(slave)];
    uint8_t& input = inputs_[std::size_t(slave - 1)];
    input = uint8_t(input + prng.below(2));
    event.add(group2(mac, kPollCommand), {sequence_++, 0x01});
    event.add(group1(kPollResponse, mac), {input, uint8_t(input ^ 0x5A), 0x00, 0x10});
}

void DevicenetTraffic::bitStrobe(Prng& prng, TrafficEvent& event) {
    // One bit per slave MAC, then every slave answers.
    std::array<uint8_t, 8> strobed{};
    for (std::size_t node = 1; node < kNodeMacs.size(); ++node)
        strobed[kNodeMacs[node] / 8] |= uint8_t(1u << (kNodeMacs[node] % 8));
    event.add(group2(kMasterMac, kBitStrobeCommand), strobed);
    for (int slave = 1; slave <= kSlaveCount; ++slave)
        event.add(group1(kBitStrobeResponse, kNodeMacs[std::size_t(slave)]), {uint8_t(prng.below(4))});
}

void DevicenetTraffic::changeOfState(int slave, Prng& prng, TrafficEvent& event) {
    uint8_t& input = inputs_[std::size_t(slave - 1)];
    input = uint8_t(input ^ (1u << prng.below(8)));
    event.add(group1(kChangeOfState, kNodeMacs[std::size_t(slave)]), {input, 0x00});
}

void DevicenetTraffic::explicitExchange(int slave, TrafficEvent& event) {
    // The request names its source, the response its destination, in data[0].
    const uint8_t mac = kNodeMacs[std::size_t(slave)];
    const uint32_t serial = serialNumber(slave);
    event.add(group2(mac, kExplicitRequest), {kMasterMac, kGetAttributeSingle, kIdentityClass, 0x01, 0x06});
    event.add(group2(mac, kExplicitResponse),
              {kMasterMac, uint8_t(kServiceResponse | kGetAttributeSingle), uint8_t(serial), uint8_t(serial >> 8),
               uint8_t(serial >> 16), uint8_t(serial >> 24)});
}

void DevicenetTraffic::unconnectedExchange(int slave, TrafficEvent& event) {
    const uint8_t mac = kNodeMacs[std::size_t(slave)];
    event.add(group3(kUnconnectedRequest, kMasterMac),
              {mac, kAllocateConnections, kConnectionSetClass, 0x01, kPolledAndStrobed, kMasterMac});
    event.add(group3(kUnconnectedResponse, mac), {kMasterMac, uint8_t(kServiceResponse | kAllocateConnections), 0x00});
}

void DevicenetTraffic::group4Exchange(Prng& prng, TrafficEvent& event) {
    const uint32_t serial = serialNumber(0);
    const std::array<uint8_t, 7> client = {kMasterMac,           uint8_t(kVendorId),    uint8_t(kVendorId >> 8),
                                           uint8_t(serial),      uint8_t(serial >> 8), uint8_t(serial >> 16),
                                           uint8_t(serial >> 24)};
    if (prng.below(2) == 0) {
        event.add(kOfflineOwnershipRequest, client);
        event.add(kOfflineOwnershipResponse, client);
    } else {
        event.add(kCommunicationFaultRequest, client);
        event.add(kCommunicationFaultResponse, {kMasterMac});
    }
}

}  // namespace vorelin::driver
