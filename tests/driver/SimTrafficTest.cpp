// The other nodes' traffic in each mix: only the identifiers its protocol
// uses, start-up messages first, and every response after its request.
#include "SimFixture.h"

#include "driver/CanWire.h"
#include "driver/SimAdapter.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace {

using vorelin::driver::TrafficMix;
using vorelin::driver::wireLengthBits;

std::vector<CanFrame> framesOf(TrafficMix mix, uint64_t seed = vorelin::driver::SimOptions::kDefaultSeed) {
    auto options = simOptions(5000, mix);
    options.seed = seed;
    SimOnManualClock bus(options);
    bus.openAndRun(1000);
    std::vector<CanFrame> frames;
    for (const FrameRecord& record : bus.collectFor(1'000'000))
        frames.push_back(record.frame);
    EXPECT_EQ(bus.sim().stats().framesDropped, 0u);
    return frames;
}

using KeyOf = std::function<std::optional<uint32_t>(const CanFrame&)>;

struct Pairing {
    int answered = 0;
    int unasked = 0;  // responses with no open request of the same key before them
};

Pairing pairUp(const std::vector<CanFrame>& frames, const KeyOf& requestKey, const KeyOf& responseKey) {
    Pairing pairing;
    std::map<uint32_t, int> open;
    for (const CanFrame& frame : frames) {
        if (const auto key = requestKey(frame)) {
            ++open[*key];
        } else if (const auto key = responseKey(frame)) {
            if (open[*key] > 0) {
                --open[*key];
                ++pairing.answered;
            } else {
                ++pairing.unasked;
            }
        }
    }
    return pairing;
}

KeyOf whenMasked(uint32_t mask, uint32_t value, std::function<uint32_t(const CanFrame&)> key) {
    return [=](const CanFrame& frame) -> std::optional<uint32_t> {
        if ((frame.identifier & mask) != value)
            return std::nullopt;
        return key(frame);
    };
}

uint32_t group2Mac(const CanFrame& frame) { return frame.identifier >> 3 & 0x3F; }
uint32_t lowMac(const CanFrame& frame) { return frame.identifier & 0x3F; }

TEST(CanopenMix, StartsUpThenCarriesOnlyCanopenMessages) {
    const auto frames = framesOf(TrafficMix::canopen);
    ASSERT_GT(frames.size(), 4000u);
    for (uint8_t node = 1; node <= 5; ++node) {
        EXPECT_EQ(frames[node - 1], dataFrame(0x700 + node, {0x00})) << "boot-up of node " << int(node);
        EXPECT_EQ(frames[4 + node], dataFrame(0x000, {0x01, node})) << "NMT start of node " << int(node);
    }

    std::set<uint32_t> functions;
    for (const CanFrame& frame : frames) {
        ASSERT_EQ(frame.extended, 0);
        ASSERT_EQ(frame.remote, 0u);
        const uint32_t function = frame.identifier & 0x780;
        const uint32_t node = frame.identifier & 0x7F;
        if (frame.identifier == 0x000 || frame.identifier == 0x080) {
            functions.insert(frame.identifier == 0 ? 0x000 : 0x1080);  // NMT, SYNC
            continue;
        }
        ASSERT_GE(node, 1u) << std::hex << frame.identifier;
        ASSERT_LE(node, 5u) << std::hex << frame.identifier;
        functions.insert(function);
        if (function == 0x080 || function == 0x580 || function == 0x600) {
            EXPECT_EQ(frame.length, 8) << "emergencies and SDOs carry 8 bytes";
        }
    }
    // NMT, SYNC, EMCY, four TPDOs, four RPDOs, SDO both ways, heartbeat.
    EXPECT_EQ(functions, (std::set<uint32_t>{0x000, 0x1080, 0x080, 0x180, 0x200, 0x280, 0x300, 0x380, 0x400, 0x480,
                                             0x500, 0x580, 0x600, 0x700}));
}

TEST(CanopenMix, EachSdoResponseFollowsARequestToTheSameNodeForTheSameObject) {
    const auto frames = framesOf(TrafficMix::canopen);
    // Key: node and the index and subindex the response echoes.
    const auto sdoKey = [](const CanFrame& frame) {
        return (frame.identifier & 0x7F) << 24 | uint32_t(frame.data[1]) << 16 | uint32_t(frame.data[2]) << 8 |
               frame.data[3];
    };
    const Pairing sdo = pairUp(frames, whenMasked(0x780, 0x600, sdoKey), whenMasked(0x780, 0x580, sdoKey));
    EXPECT_GT(sdo.answered, 100);
    EXPECT_EQ(sdo.unasked, 0);
}

TEST(CanopenMix, PdoCountersStepByOne) {
    const auto frames = framesOf(TrafficMix::canopen);
    std::map<uint32_t, uint16_t> lastCounter;
    int steps = 0;
    for (const CanFrame& frame : frames) {
        const uint32_t function = frame.identifier & 0x780;
        if (function < 0x180 || function > 0x500 || frame.length < 2)
            continue;
        const uint16_t counter = uint16_t(frame.data[0] | frame.data[1] << 8);
        if (const auto last = lastCounter.find(frame.identifier); last != lastCounter.end()) {
            EXPECT_EQ(counter, uint16_t(last->second + 1)) << std::hex << frame.identifier;
            ++steps;
        }
        lastCounter[frame.identifier] = counter;
    }
    EXPECT_GT(steps, 1000);
}

TEST(DevicenetMix, StartsWithDuplicateMacChecksAndUsesAllFourGroups) {
    const auto frames = framesOf(TrafficMix::devicenet);
    ASSERT_GT(frames.size(), 4000u);
    std::set<uint32_t> startUpMacs;
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(frames[i].identifier & 0x607, 0x407u) << "group 2, message 7";
        EXPECT_EQ(frames[i].length, 7);
        startUpMacs.insert(group2Mac(frames[i]));
    }
    EXPECT_EQ(startUpMacs.size(), 6u);
    EXPECT_TRUE(startUpMacs.count(0)) << "the master checks too";

    std::set<int> groups;
    int laterDuplicateMacChecks = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const CanFrame& frame = frames[i];
        ASSERT_EQ(frame.extended, 0);
        ASSERT_EQ(frame.remote, 0u);
        const uint32_t id = frame.identifier;
        ASSERT_LE(id, 0x7EFu) << "0x7F0 and up are not DeviceNet identifiers";
        groups.insert(id < 0x400 ? 1 : id < 0x600 ? 2 : id < 0x7C0 ? 3 : 4);
        if (i >= 6 && (id & 0x607) == 0x407)
            ++laterDuplicateMacChecks;
    }
    EXPECT_EQ(groups, (std::set<int>{1, 2, 3, 4}));
    EXPECT_GT(laterDuplicateMacChecks, 0);
}

TEST(DevicenetMix, ResponsesFollowTheirRequests) {
    const auto frames = framesOf(TrafficMix::devicenet);
    struct Exchange {
        const char* name;
        KeyOf request;
        KeyOf response;
    };
    const auto destination = [](const CanFrame& frame) -> uint32_t { return frame.data[0]; };
    const Exchange exchanges[] = {
        // Poll command (group 2, message 5) to a slave, its poll response (group 1, 0xF).
        {"poll", whenMasked(0x607, 0x405, group2Mac), whenMasked(0x7C0, 0x3C0, lowMac)},
        // Explicit request (group 2, 4) to a slave, its response (group 2, 3) from it.
        {"explicit", whenMasked(0x607, 0x404, group2Mac), whenMasked(0x607, 0x403, group2Mac)},
        // Unconnected request (group 3, 6) names the slave in data[0]; it answers (group 3, 5).
        {"unconnected", whenMasked(0x7C0, 0x780, destination), whenMasked(0x7C0, 0x740, lowMac)},
        {"offline_ownership", whenMasked(0x7FF, 0x7EE, lowMac), whenMasked(0x7FF, 0x7EF, [](const CanFrame&) {
             return uint32_t(0x2E);
         })},
        {"communication_fault", whenMasked(0x7FF, 0x7EC, lowMac), whenMasked(0x7FF, 0x7ED, [](const CanFrame&) {
             return uint32_t(0x2C);
         })},
    };
    for (const Exchange& exchange : exchanges) {
        const Pairing pairing = pairUp(frames, exchange.request, exchange.response);
        EXPECT_GT(pairing.answered, 0) << exchange.name;
        EXPECT_EQ(pairing.unasked, 0) << exchange.name;
    }
}

TEST(PlainCanMix, MixesBothFormatsAndAnswersRemoteRequests) {
    const auto frames = framesOf(TrafficMix::can);
    int standard = 0, extended = 0, remote = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const CanFrame& frame = frames[i];
        (frame.extended ? extended : standard)++;
        if (!frame.remote)
            continue;
        ++remote;
        for (uint8_t byte : frame.data)
            ASSERT_EQ(byte, 0) << "a remote frame carries no data";
        bool answered = false;
        for (std::size_t j = i + 1; j < std::min(frames.size(), i + 12) && !answered; ++j) {
            answered = !frames[j].remote && frames[j].identifier == frame.identifier &&
                       frames[j].extended == frame.extended && frames[j].length == frame.length;
        }
        EXPECT_TRUE(answered || i + 12 > frames.size()) << i;
    }
    EXPECT_GT(standard, 1000);
    EXPECT_GT(extended, 1000);
    EXPECT_GT(remote, 50);
}

TEST(ShortMix, OnlyFramesWithoutDataFieldAndFewestStuffBits) {
    const auto frames = framesOf(TrafficMix::shortFrames);
    ASSERT_GT(frames.size(), 4000u);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const CanFrame& frame = frames[i];
        ASSERT_EQ(frame.extended, 0);
        // 47 bit times is a frame without data field or stuff bits; a
        // zero-length data frame cannot avoid one stuff bit.
        ASSERT_EQ(wireLengthBits(frame), frame.remote ? 47u : 48u) << std::hex << frame.identifier;
        if (!frame.remote) {
            ASSERT_EQ(frame.length, 0);
        }
        if (i > 0) {
            ASSERT_NE(frame.remote, frames[i - 1].remote) << "data and remote frames alternate";
        }
    }
}

TEST(MixedMix, CarriesAllThreeKinds) {
    const auto frames = framesOf(TrafficMix::mixed);
    bool sync = false, duplicateMacCheck = false, extended = false;
    for (const CanFrame& frame : frames) {
        sync |= !frame.extended && frame.identifier == 0x080 && frame.length == 0;
        duplicateMacCheck |= !frame.extended && (frame.identifier & 0x607) == 0x407 && frame.length == 7;
        extended |= frame.extended != 0;
    }
    EXPECT_TRUE(sync);
    EXPECT_TRUE(duplicateMacCheck);
    EXPECT_TRUE(extended);
}

TEST(Seed, SameSeedReplaysTheBusAndAnotherChangesIt) {
    const std::vector<CanFrame> frames = framesOf(TrafficMix::mixed, 11);
    EXPECT_TRUE(frames == framesOf(TrafficMix::mixed, 11));
    EXPECT_FALSE(frames == framesOf(TrafficMix::mixed, 12));
}

}  // namespace
