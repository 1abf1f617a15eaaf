// Bus timing of the simulated adapter on a manual clock: FIFO overflow, the
// receive buffer, time stamps, saturation and bus load, each against counts
// and lengths worked out by hand.
#include "SimFixture.h"

#include "driver/CanWire.h"
#include "driver/SimAdapter.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using vorelin::driver::TrafficMix;
using vorelin::driver::wireLengthBits;

struct Overflow {
    std::string name;
    uint32_t fifoFrames;
    uint32_t framesPerSecond;
    uint32_t baudRateKbps;
    uint64_t stalledUs;
    uint64_t arrivals;
};

// Other nodes ask for the bus every 1/rate seconds, the first one period after
// RunKESH. The longest frame (29-bit, 8 bytes) lasts under 170 bit times, so
// at these rates no frame waits and frame k ends within 170 bit times of k
// periods: the stall ends after the last counted frame and before the next.
const Overflow kOverflows[] = {
    // 1 ms period, frames end by k ms + 340 us: k = 1..2000.
    {"default_fifo", 512, 1000, 500, 2'000'500, 2000},
    {"smallest_fifo", 64, 1000, 500, 2'000'500, 2000},
    // 200 us period, frames end by k * 200 us + 170 us: k = 1..10000.
    {"largest_fifo", 8192, 5000, 1000, 2'000'180, 10000},
};

class FifoOverflow : public testing::TestWithParam<Overflow> {};

TEST_P(FifoOverflow, StalledConsumerLosesExactlyWhatDidNotFit) {
    const Overflow& row = GetParam();
    auto options = simOptions(row.framesPerSecond);
    options.fifoFrames = row.fifoFrames;
    SimOnManualClock bus(options);
    bus.openAndRun(row.baudRateKbps);
    bus.advanceUs(row.stalledUs);

    const auto stats = bus.sim().stats();
    EXPECT_EQ(std::tuple(stats.framesOnBus, stats.framesDropped, stats.framesQueued),
              std::tuple(row.arrivals, row.arrivals - row.fifoFrames, uint64_t(row.fifoFrames)));

    const auto records = bus.receiveAll();
    ASSERT_EQ(records.size(), row.fifoFrames);
    // The FIFO kept the oldest frames: the first ended just after one period.
    const uint64_t periodUs = 1'000'000 / row.framesPerSecond;
    EXPECT_GT(stampUs(records.front()), periodUs);
    EXPECT_LT(stampUs(records.front()), periodUs + 340);
    EXPECT_EQ(bus.sim().stats().framesReceived, row.fifoFrames);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FifoOverflow, testing::ValuesIn(kOverflows),
                         [](const testing::TestParamInfo<Overflow>& info) { return info.param.name; });

TEST(RecvData, HandsOverAtMost18OldestFirstWithValidStamps) {
    for (TrafficMix mix : {TrafficMix::mixed, TrafficMix::canopen, TrafficMix::devicenet, TrafficMix::can,
                           TrafficMix::shortFrames}) {
        SCOPED_TRACE(int(mix));
        SimOnManualClock bus(simOptions(30000, mix));
        bus.openAndRun(1000);
        bus.advanceUs(100'000);
        uint64_t previousUs = 0;
        int calls = 0;
        uint32_t unused1 = 0, unused2 = 0;
        int32_t count = 0;
        FrameRecord buffer[kRecvBufferRecords + 1];
        buffer[kRecvBufferRecords].timeUs = 4242;
        do {
            ASSERT_EQ(RecvData(&unused1, &unused2, &count, buffer), 1);
            ASSERT_GE(count, 0);
            ASSERT_LE(count, kRecvBufferRecords);
            if (calls++ == 0) {
                EXPECT_EQ(count, kRecvBufferRecords) << "a full FIFO fills the whole buffer";
            }
            for (int i = 0; i < count; ++i) {
                const FrameRecord& record = buffer[i];
                ASSERT_LT(record.timeUs, 1000u);
                ASSERT_LT(record.timeMs, 1000u);
                ASSERT_LT(record.timeSec, 60u);
                ASSERT_LE(record.busLoad, 100u);
                ASSERT_GT(stampUs(record), previousUs) << "frames end one after another";
                previousUs = stampUs(record);
            }
        } while (count > 0);
        EXPECT_EQ(buffer[kRecvBufferRecords].timeUs, 4242u) << "nothing written past 18 records";
        EXPECT_EQ(calls, 512 / kRecvBufferRecords + 2);
    }
}

TEST(RecvData, StampsSplitIntoMinutesSecondsMillisecondsAndMicroseconds) {
    struct Row {
        uint64_t injectAtUs;  // since RunKESH
        uint32_t min, sec, ms, us;
    };
    // The probe 0x555 with no data lasts 48 bit times: 96 us at 500 kbit/s,
    // and is stamped when it ends.
    const Row rows[] = {
        {59'999'900, 0, 59, 999, 996},
        {59'999'950, 1, 0, 0, 46},
        {(61 * 60 + 1) * 1'000'000ull + 2'300, 61, 1, 2, 396},
    };
    for (const Row& row : rows) {
        SimOnManualClock bus(simOptions(0));
        bus.openAndRun(500);
        bus.advanceUs(row.injectAtUs);
        ASSERT_TRUE(bus.sim().inject(dataFrame(0x555)));
        bus.advanceUs(1000);
        const auto records = bus.receiveAll();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(std::tuple(records[0].timeMin, records[0].timeSec, records[0].timeMs, records[0].timeUs),
                  std::tuple(row.min, row.sec, row.ms, row.us))
            << row.injectAtUs;
    }
}

TEST(RecvData, RestartingBeginsNewStampsAndCountsWhileStoppedFramesStayReadable) {
    SimOnManualClock bus(simOptions(1000));
    bus.openAndRun(500);
    bus.advanceUs(10'500);
    ASSERT_EQ(StopKESH(), 1);
    bus.advanceUs(100'000);
    EXPECT_EQ(bus.sim().stats().framesOnBus, 10u) << "nothing arrives while stopped";
    EXPECT_EQ(bus.receiveAll().size(), 10u) << "what arrived before StopKESH can still be read";

    ASSERT_EQ(RunKESH(), 1);
    EXPECT_EQ(bus.sim().stats().framesOnBus, 0u);
    bus.advanceUs(1'500);
    const auto records = bus.receiveAll();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_GT(stampUs(records[0]), 1000u);
    EXPECT_LT(stampUs(records[0]), 1340u);
}

TEST(BusCapacity, SaturatedBusCarriesFramesBackToBack) {
    // 1e6 frames/s is far above what 500 kbit/s carries.
    SimOnManualClock bus(simOptions(1'000'000, TrafficMix::can));
    bus.openAndRun(500);
    // Past the first second, so that the whole load window saw a busy bus.
    const auto records = bus.collectFor(1'200'000);
    for (std::size_t i = 1; i < records.size(); ++i) {
        // Two microseconds per bit; stamps are truncated to whole microseconds.
        const int64_t gapUs = int64_t(stampUs(records[i]) - stampUs(records[i - 1]));
        const int64_t lengthUs = 2 * int64_t(wireLengthBits(records[i].frame));
        ASSERT_NEAR(gapUs, lengthUs, 1) << i;
    }
    EXPECT_GE(records.back().busLoad, 99u);
    EXPECT_EQ(bus.sim().stats().framesDropped, 0u);
}

TEST(BusCapacity, NoBacklogHoldsBackTheAdaptersOwnFrames) {
    SimOnManualClock bus(simOptions(1'000'000, TrafficMix::can));
    bus.openAndRun(500);
    bus.collectFor(300'000);
    const uint64_t sentAtUs = bus.elapsedUs();
    ASSERT_EQ(SendSingleData(dataFrame(0x7F0, {1})), 1);
    bus.advanceUs(5'000);
    const auto sent = bus.sim().transmitted();
    ASSERT_EQ(sent.total, 1u);
    // At most the frame on the bus and one queued before it: under 2 x 170
    // bit times, plus its own 0x7F0 frame of under 70 bit times, at 2 us a bit.
    EXPECT_LT(sent.recent[0].busTimeUs, sentAtUs + 2 * (2 * 170 + 70));
}

TEST(BusCapacity, ShortMixReaches21000FramesPerSecondAt1000Kbps) {
    struct Row {
        uint32_t framesPerSecond;
        uint64_t framesIn2s;
    };
    // Zero-length data frames need one stuff bit (48 bit times), remote
    // frames none (47); alternating they take 95 us a pair, so a saturated
    // bus carries 2 s / 95 us = 21052.6 pairs.
    const Row rows[] = {{21'000, 42'000}, {1'000'000, 42'105}};
    for (const Row& row : rows) {
        SimOnManualClock bus(simOptions(row.framesPerSecond, TrafficMix::shortFrames));
        bus.openAndRun(1000);
        bus.advanceUs(1'000'000);
        const uint64_t before = bus.sim().stats().framesOnBus;
        bus.advanceUs(2'000'000);
        const uint64_t carried = bus.sim().stats().framesOnBus - before;
        EXPECT_NEAR(double(carried), double(row.framesIn2s), 1.0) << row.framesPerSecond;
    }
}

TEST(BusLoad, SteadyCyclicPatternGivesItsBusyShare) {
    struct Row {
        uint32_t baudRateKbps;
        uint32_t identifier;  // no data: 0x000 lasts 53 bit times, 0x555 48
        uint32_t framesPerCycle;
        uint32_t cycleMs;
        uint32_t percent;
    };
    const Row rows[] = {
        {1000, 0x000, 4, 1, 21},  // 4 x 53 us per 1000 us = 21.2 %
        {500, 0x000, 4, 1, 42},   // 4 x 106 us per 1000 us = 42.4 %
        {125, 0x555, 1, 1, 38},   // 384 us per 1000 us = 38.4 %
        {1000, 0x555, 8, 2, 19},  // 8 x 48 us per 2000 us = 19.2 %
    };
    for (const Row& row : rows) {
        SimOnManualClock bus(simOptions(0));
        bus.openAndRun(row.baudRateKbps);
        const std::vector<CanFrame> frames(row.framesPerCycle, dataFrame(row.identifier));
        ASSERT_EQ(SetMultiData(frames.data(), row.framesPerCycle, 0, row.cycleMs), 1);
        ASSERT_EQ(RunMultiData(), 1);
        bus.advanceUs(2'000'500);
        // Own frames are not received; a frame from another node reads the load.
        ASSERT_TRUE(bus.sim().inject(dataFrame(0x555)));
        bus.advanceUs(1'000);
        const auto records = bus.receiveAll();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].busLoad, row.percent) << row.baudRateKbps << " " << row.framesPerCycle;
    }
}

}  // namespace
