#include "driver/PlainCanTraffic.h"

namespace vorelin::driver {

namespace {

struct Message {
    uint32_t identifier;
    bool extended;
    uint8_t length;
};

constexpr std::array<Message, PlainCanTraffic::kMessageCount> kMessages = {{
    {0x0C1, false, 8},
    {0x120, false, 4},
    {0x1A0, false, 6},
    {0x2F3, false, 8},
    {0x35B, false, 2},
    {0x4C2, false, 5},
    {0x5E0, false, 3},
    {0x7D0, false, 0},
    {0x0A1B2C3D, true, 8},
    {0x10A3B2C4, true, 6},
    {0x15E00C01, true, 8},
    {0x1F0E7A21, true, 3},
    {0x0004D2F1, true, 0},
}};

constexpr uint32_t kRemotePerThousand = 60;

}  // namespace

void PlainCanTraffic::nextEvent(Prng& prng, TrafficEvent& event) {
    const int message = int(prng.below(kMessageCount));
    if (prng.below(1000) < kRemotePerThousand) {
        const Message& asked = kMessages[std::size_t(message)];
        event.addRemote(asked.identifier, asked.length, asked.extended);
    }
    addData(message, prng, event);
}

void PlainCanTraffic::addData(int message, Prng& prng, TrafficEvent& event) {
    const Message& sent = kMessages[std::size_t(message)];
    std::array<uint8_t, 8>& values = values_[std::size_t(message)];
    // A rolling counter first, then values that drift a step at a time.
    ++values[0];
    uint8_t& drifting = values[1 + prng.below(7)];
    drifting = uint8_t(drifting + prng.below(3) - 1);
    event.add(sent.identifier, std::span<const uint8_t>(values.data(), sent.length), sent.extended);
}

}  // namespace vorelin::driver
