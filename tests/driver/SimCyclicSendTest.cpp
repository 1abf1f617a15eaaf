// What the simulated adapter itself puts on the bus: manual sends, the cyclic
// schedule and its bus times, the bounded transmit log, and the SDO answers a
// simulated node gives to a request the adapter sent.
#include "SimFixture.h"

#include "driver/SimAdapter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vorelin::driver::TransmitOrigin;
using vorelin::driver::TrafficMix;

// At 1000 kbit/s a bit lasts 1 us: with no data, 0x000 lasts 53 us, 0x555 48 us.
const CanFrame kFrameA = dataFrame(0x000);
const CanFrame kFrameB = dataFrame(0x555);

std::vector<uint64_t> busTimesUs(vorelin::driver::SimAdapter& sim) {
    std::vector<uint64_t> times;
    for (const auto& sent : sim.transmitted().recent) {
        EXPECT_EQ(sent.origin, TransmitOrigin::cyclic);
        times.push_back(sent.busTimeUs);
    }
    return times;
}

struct Schedule {
    std::string name;
    std::vector<CanFrame> frames;
    uint32_t intervalMs;
    uint32_t cycleMs;
    uint64_t runForUs;
    std::vector<uint64_t> endsUs;  // since RunMultiData, which comes 1 ms after RunKESH
};

const Schedule kSchedules[] = {
    // A at 0 and B 10 ms later, every 50 ms.
    {"interval_and_cycle", {kFrameA, kFrameB}, 10, 50, 120'000, {53, 10'048, 50'053, 60'048, 100'053, 110'048}},
    // The frames take 20 ms and more of a 5 ms cycle: the next cycle starts
    // when the last frame has left the bus.
    {"cycle_shorter_than_its_frames",
     {kFrameA, kFrameB, kFrameA},
     10,
     5,
     45'000,
     {53, 10'048, 20'053, 20'106, 30'101, 40'106, 40'159}},
    // No interval: the frames follow each other directly.
    {"zero_interval", {kFrameA, kFrameB}, 0, 3, 7'000, {53, 101, 3'053, 3'101, 6'053, 6'101}},
    // A zero cycle counts as 1 ms rather than an endless burst.
    {"zero_cycle", {kFrameA}, 0, 0, 4'000, {53, 1'053, 2'053, 3'053}},
};

class CyclicSending : public testing::TestWithParam<Schedule> {};

TEST_P(CyclicSending, FollowsIntervalAndCycle) {
    const Schedule& schedule = GetParam();
    SimOnManualClock bus(simOptions(0));
    bus.openAndRun(1000);
    bus.advanceUs(1000);
    ASSERT_EQ(SetMultiData(schedule.frames.data(), uint32_t(schedule.frames.size()), schedule.intervalMs,
                           schedule.cycleMs),
              1);
    ASSERT_EQ(RunMultiData(), 1);
    bus.advanceUs(schedule.runForUs);
    std::vector<uint64_t> expected;
    for (uint64_t endUs : schedule.endsUs)
        expected.push_back(1000 + endUs);
    EXPECT_EQ(busTimesUs(bus.sim()), expected);
    EXPECT_TRUE(bus.receiveAll().empty()) << "the adapter does not receive its own frames";
}

INSTANTIATE_TEST_SUITE_P(Schedules, CyclicSending, testing::ValuesIn(kSchedules),
                         [](const testing::TestParamInfo<Schedule>& info) { return info.param.name; });

TEST(CyclicSending, StopsOnStopMultiDataAndNothingStoredSendsNothing) {
    SimOnManualClock bus(simOptions(0));
    bus.openAndRun(1000);
    EXPECT_EQ(RunMultiData(), 1);
    bus.advanceUs(10'000);
    EXPECT_EQ(bus.sim().transmitted().total, 0u);

    ASSERT_EQ(SetMultiData(&kFrameA, 1, 0, 1), 1);
    ASSERT_EQ(RunMultiData(), 1);
    bus.advanceUs(2'500);
    ASSERT_EQ(StopMultiData(), 1);
    bus.advanceUs(10'000);
    EXPECT_EQ(busTimesUs(bus.sim()), (std::vector<uint64_t>{10'053, 11'053, 12'053}));

    ASSERT_EQ(SetMultiData(nullptr, 0, 0, 1), 1);
    ASSERT_EQ(RunMultiData(), 1);
    bus.advanceUs(10'000);
    EXPECT_EQ(bus.sim().transmitted().total, 3u) << "an emptied list sends nothing";
}

TEST(SingleSend, GoesOnTheBusWhenFreeAndIsLoggedAsSent) {
    SimOnManualClock bus(simOptions(0));
    bus.openAndRun(1000);
    bus.advanceUs(1000);
    CanFrame withJunk = dataFrame(0x555);
    withJunk.data[3] = 0xEE;  // past the length: not on the wire
    ASSERT_EQ(SendSingleData(kFrameA), 1);
    ASSERT_EQ(SendSingleData(withJunk), 1);
    bus.advanceUs(1000);
    const auto sent = bus.sim().transmitted();
    ASSERT_EQ(sent.total, 2u);
    ASSERT_EQ(sent.recent.size(), 2u);
    EXPECT_EQ(sent.recent[0].busTimeUs, 1053u);
    EXPECT_EQ(sent.recent[1].busTimeUs, 1053u + 48u) << "the second waits for the first";
    EXPECT_EQ(sent.recent[1].frame.identifier, 0x555u);
    EXPECT_EQ(sent.recent[1].frame.data[3], 0);
    EXPECT_EQ(sent.recent[0].origin, TransmitOrigin::single);
    EXPECT_TRUE(bus.receiveAll().empty()) << "the adapter does not receive its own frames";
}

TEST(SingleSend, TimesCountFromConstructionBeforeRunKesh) {
    SimOnManualClock bus(simOptions(0));
    ASSERT_EQ(KESH_INIT(), 1);
    ASSERT_EQ(SetKESH(0, 1000, 0, 1), 1);
    bus.advanceUs(5'000);
    ASSERT_EQ(SendSingleData(kFrameB), 1);
    bus.advanceUs(1'000);
    EXPECT_EQ(bus.sim().transmitted().recent.at(0).busTimeUs, 5'048u);
}

TEST(TransmitLog, KeepsTheLast65536FramesAndCountsThemAll) {
    SimOnManualClock bus(simOptions(0));
    bus.openAndRun(1000);
    // 8 frames of 53 us back to back each millisecond: 72000 frames in 9 s.
    const std::vector<CanFrame> frames(8, kFrameA);
    ASSERT_EQ(SetMultiData(frames.data(), 8, 0, 1), 1);
    ASSERT_EQ(RunMultiData(), 1);
    bus.advanceUs(8'999'500);
    const auto sent = bus.sim().transmitted();
    EXPECT_EQ(sent.total, 72'000u);
    ASSERT_EQ(sent.recent.size(), 65'536u);
    // The oldest kept is frame 72000 - 65536 = 6464, the first of cycle 808.
    EXPECT_EQ(sent.recent.front().busTimeUs, 808'053u);
    EXPECT_EQ(sent.recent.back().busTimeUs, 8'999'424u);
}

struct SdoCase {
    std::string name;
    CanFrame request;
    bool answered;
    CanFrame response;
};

// Responses carry eight bytes; an abort's last four are its code, low byte first.
const SdoCase kSdoCases[] = {
    // Upload of the serial number 0x1018/4 from node 2: expedited, 4 bytes.
    {"upload_4_bytes", dataFrame(0x602, {0x40, 0x18, 0x10, 0x04, 0, 0, 0, 0}), true,
     dataFrame(0x582, {0x43, 0x18, 0x10, 0x04, 0x02, 0x00, 0xE3, 0x19})},
    // Heartbeat time 0x1017/0 of node 5: 2 bytes, 1000 ms.
    {"upload_2_bytes", dataFrame(0x605, {0x40, 0x17, 0x10, 0x00, 0, 0, 0, 0}), true,
     dataFrame(0x585, {0x4B, 0x17, 0x10, 0x00, 0xE8, 0x03, 0x00, 0x00})},
    // Error register 0x1001/0 of node 1: 1 byte.
    {"upload_1_byte", dataFrame(0x601, {0x40, 0x01, 0x10, 0x00, 0, 0, 0, 0}), true,
     dataFrame(0x581, {0x4F, 0x01, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00})},
    {"download_accepted", dataFrame(0x603, {0x2B, 0x40, 0x60, 0x00, 0x0F, 0x00, 0, 0}), true,
     dataFrame(0x583, {0x60, 0x40, 0x60, 0x00, 0, 0, 0, 0})},
    // Abort 0x06010002: attempt to write a read only object.
    {"download_read_only", dataFrame(0x603, {0x23, 0x00, 0x10, 0x00, 1, 2, 3, 4}), true,
     dataFrame(0x583, {0x80, 0x00, 0x10, 0x00, 0x02, 0x00, 0x01, 0x06})},
    // Abort 0x06020000: object does not exist.
    {"unknown_object", dataFrame(0x604, {0x40, 0x34, 0x12, 0x00, 0, 0, 0, 0}), true,
     dataFrame(0x584, {0x80, 0x34, 0x12, 0x00, 0x00, 0x00, 0x02, 0x06})},
    // Abort 0x05040001: client command not valid.
    {"bad_command", dataFrame(0x601, {0xE0, 0x00, 0x10, 0x00, 0, 0, 0, 0}), true,
     dataFrame(0x581, {0x80, 0x00, 0x10, 0x00, 0x01, 0x00, 0x04, 0x05})},
    {"no_such_node", dataFrame(0x606, {0x40, 0x00, 0x10, 0x00, 0, 0, 0, 0}), false, {}},
    {"node_zero", dataFrame(0x600, {0x40, 0x00, 0x10, 0x00, 0, 0, 0, 0}), false, {}},
    {"too_short", dataFrame(0x601, {0x40, 0x00, 0x10}), false, {}},
};

class SdoAnswer : public testing::TestWithParam<SdoCase> {};

TEST_P(SdoAnswer, NodeAnswersTheAdaptersRequestOnTheBus) {
    const SdoCase& row = GetParam();
    SimOnManualClock bus(simOptions(0, TrafficMix::canopen));
    bus.openAndRun(500);
    ASSERT_EQ(SendSingleData(row.request), 1);
    bus.advanceUs(10'000);
    const auto records = bus.receiveAll();
    if (!row.answered) {
        EXPECT_TRUE(records.empty());
        return;
    }
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].frame, row.response);
    EXPECT_GT(stampUs(records[0]), bus.sim().transmitted().recent.at(0).busTimeUs) << "the answer follows";
}

INSTANTIATE_TEST_SUITE_P(Requests, SdoAnswer, testing::ValuesIn(kSdoCases),
                         [](const testing::TestParamInfo<SdoCase>& info) { return info.param.name; });

TEST(SdoAnswer, NobodyAnswersOnANetworkWithoutCanopenNodes) {
    SimOnManualClock bus(simOptions(0, TrafficMix::devicenet));
    bus.openAndRun(500);
    ASSERT_EQ(SendSingleData(kSdoCases[0].request), 1);
    bus.advanceUs(10'000);
    EXPECT_TRUE(bus.receiveAll().empty());
}

}  // namespace
