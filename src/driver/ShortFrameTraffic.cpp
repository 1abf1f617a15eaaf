#include "driver/ShortFrameTraffic.h"

#include <algorithm>
#include <vector>

namespace vorelin::driver {

namespace {

// The standard frames of one kind that are shortest on the wire.
struct ShortestFrames {
    std::vector<CanFrame> frames;
    uint32_t wireBits = 0;
};

// A zero-length data frame always has one stuff bit (RTR, IDE, r0 and the
// DLC are seven dominant bits); a remote frame asking for 1 to 8 bytes can
// have none.
ShortestFrames shortestFrames(bool remote) {
    ShortestFrames shortest{{}, UINT32_MAX};
    for (uint32_t identifier = 0; identifier <= kMaxStandardIdentifier; ++identifier) {
        for (uint8_t length = remote ? 1 : 0; length <= (remote ? kMaxDataBytes : 0); ++length) {
            CanFrame frame;
            frame.remote = remote ? 1 : 0;
            frame.identifier = identifier;
            frame.length = length;
            const uint32_t bits = wireLengthBits(frame);
            if (bits < shortest.wireBits)
                shortest = {{}, bits};
            if (bits == shortest.wireBits)
                shortest.frames.push_back(frame);
        }
    }
    return shortest;
}

const ShortestFrames& shortestOfKind(bool remote) {
    static const ShortestFrames data = shortestFrames(false);
    static const ShortestFrames remoteFrames = shortestFrames(true);
    return remote ? remoteFrames : data;
}

}  // namespace

BusFrame ShortFrameTraffic::next(Prng& prng) {
    const ShortestFrames& kind = shortestOfKind(remoteNext_);
    remoteNext_ = !remoteNext_;
    return {kind.frames[prng.below(uint32_t(kind.frames.size()))], kind.wireBits};
}

}  // namespace vorelin::driver
