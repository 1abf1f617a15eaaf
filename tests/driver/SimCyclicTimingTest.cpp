// The simulated adapter's cyclic timing rule (SimAdapter.h) for eight frames,
// interval 1 ms, cycle 10 ms: on a quiet bus, behind other nodes' frames that
// asked first, and on a full bus, read from its transmit log.
#include "SimFixture.h"

#include "driver/SimAdapter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using vorelin::driver::TransmitOrigin;
using vorelin::driver::TrafficMix;

constexpr uint32_t kIntervalMs = 1;
constexpr uint32_t kCycleMs = 10;
constexpr uint64_t kIntervalUs = 1000;
constexpr uint64_t kCycleUs = 10'000;
// RunMultiData comes 1 ms after RunKESH, where the log's bus times start.
constexpr uint64_t kRunMultiDataUs = 1000;

// Without data, 0x000 lasts 53 bit times and 0x555 48: 1 us a bit at 1000
// kbit/s, 2 us at 500.
const std::vector<CanFrame> kEightFrames = [] {
    std::vector<CanFrame> frames;
    for (int i = 0; i < 8; ++i)
        frames.push_back(dataFrame(i % 2 == 0 ? 0x000 : 0x555));
    return frames;
}();
constexpr uint64_t kBitTimesOf[2] = {53, 48};  // by position: even, odd

std::vector<vorelin::driver::TransmittedFrame> cyclicFrames(vorelin::driver::SimAdapter& sim) {
    std::vector<vorelin::driver::TransmittedFrame> frames;
    for (const auto& sent : sim.transmitted().recent) {
        if (sent.origin == TransmitOrigin::cyclic)
            frames.push_back(sent);
    }
    return frames;
}

void startEightFrames(SimOnManualClock& bus, uint32_t baudRateKbps) {
    bus.openAndRun(baudRateKbps);
    bus.advanceUs(kRunMultiDataUs);
    ASSERT_EQ(SetMultiData(kEightFrames.data(), 8, kIntervalMs, kCycleMs), 1);
    ASSERT_EQ(RunMultiData(), 1);
}

struct Burst {
    uint64_t atUs;  // since RunMultiData
    int frames;     // 0x555 without data, 48 us each, all asking at atUs
};

struct Timing {
    std::string name;
    std::vector<Burst> otherNodes;
    uint64_t passStartsUs[3];             // S(0), S(1), S(2) since RunMultiData
    std::map<int, uint64_t> delayedEndsUs;  // frame number (8 a pass) to its end, where the bus delayed it
};

const Timing kTimings[] = {
    {"quiet_bus", {}, {0, 10'000, 20'000}, {}},
    // Frame 2 of pass 1 asks at 12000. X asked at 11990 and holds the bus
    // until 12038; Y asked at 11995, before frame 2, and goes next until
    // 12086; frame 2 (53 us) ends at 12139. Frame 3 still asks at 13000.
    {"waits_for_the_frame_on_the_bus_and_one_that_asked_first", {{11'990, 1}, {11'995, 1}}, {0, 10'000, 20'000},
     {{10, 12'139}}},
    // 64 frames from 6990 hold the bus until 6990 + 64 * 48 = 10062: frame 7
    // (asked at 7000) ends at 10110, past S(0) + cycle, so pass 1 starts then.
    {"overlong_pass_moves_the_next_pass", {{6'990, 64}}, {0, 10'110, 20'110}, {{7, 10'110}}},
};

class CyclicTiming : public testing::TestWithParam<Timing> {};

TEST_P(CyclicTiming, EightFramesFollowIntervalAndCycle) {
    const Timing& row = GetParam();
    SimOnManualClock bus(simOptions(0));
    startEightFrames(bus, 1000);
    uint64_t doneUs = 0;
    for (const Burst& burst : row.otherNodes) {
        bus.advanceUs(burst.atUs - doneUs);
        doneUs = burst.atUs;
        for (int i = 0; i < burst.frames; ++i)
            ASSERT_TRUE(bus.sim().inject(dataFrame(0x555)));
    }
    // Up to, not into, the first frame of pass 3.
    bus.advanceUs(row.passStartsUs[2] + kCycleUs - doneUs);

    std::vector<uint64_t> expected;
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 0; i < 8; ++i) {
            const auto delayed = row.delayedEndsUs.find(pass * 8 + i);
            const uint64_t endUs = delayed != row.delayedEndsUs.end()
                                       ? delayed->second
                                       : row.passStartsUs[pass] + i * kIntervalUs + kBitTimesOf[i % 2];
            expected.push_back(kRunMultiDataUs + endUs);
        }
    }
    std::vector<uint64_t> actual;
    for (const auto& sent : cyclicFrames(bus.sim()))
        actual.push_back(sent.busTimeUs);
    EXPECT_EQ(actual, expected);
}

INSTANTIATE_TEST_SUITE_P(Buses, CyclicTiming, testing::ValuesIn(kTimings),
                         [](const testing::TestParamInfo<Timing>& info) { return info.param.name; });

// Other nodes keep the 500 kbit/s bus full: every frame waits, never longer
// than two of their longest frames (29-bit, 8 bytes: under 170 bit times),
// and no pass outlasts its cycle, so each still asks on time.
TEST(CyclicTiming, FullBusDelaysAFrameLessThanTwoOtherFrames) {
    SimOnManualClock bus(simOptions(1'000'000, TrafficMix::can));
    startEightFrames(bus, 500);
    // 100 passes; the last frame asks at 997 ms and is out well before 999.
    bus.advanceUs(999'000);
    const auto sent = cyclicFrames(bus.sim());
    ASSERT_EQ(sent.size(), 800u);
    uint64_t shortestWaitUs = UINT64_MAX;
    uint64_t longestWaitUs = 0;
    for (std::size_t n = 0; n < sent.size(); ++n) {
        const uint64_t askedUs = kRunMultiDataUs + n / 8 * kCycleUs + n % 8 * kIntervalUs;
        const uint64_t startUs = sent[n].busTimeUs - 2 * kBitTimesOf[n % 2];
        ASSERT_GE(startUs, askedUs) << "frame " << n << " went before it asked";
        shortestWaitUs = std::min(shortestWaitUs, startUs - askedUs);
        longestWaitUs = std::max(longestWaitUs, startUs - askedUs);
    }
    EXPECT_GT(shortestWaitUs, 0u) << "a full bus keeps every frame waiting";
    EXPECT_LT(longestWaitUs, 2u * 2 * 170);
}

}  // namespace
