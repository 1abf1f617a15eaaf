// The receive thread calls RecvData while the window thread sends, injects,
// reads the counts or selects another backend: nothing may be lost, counted
// twice or torn. These
// run under ThreadSanitizer in CI.
#include "SimFixture.h"

#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "driver/SimAdapter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

using vorelin::driver::currentBackend;
using vorelin::driver::installBackend;

// A receive thread that hands every batch RecvData returns to `take` until
// `done` is set; every call must succeed.
template <typename Take>
std::thread receiveUntil(const std::atomic<bool>& done, Take take) {
    return std::thread([&done, take] {
        FrameRecord buffer[kRecvBufferRecords];
        uint32_t unused1 = 0, unused2 = 0;
        int32_t count = 0;
        while (!done.load()) {
            ASSERT_EQ(RecvData(&unused1, &unused2, &count, buffer), 1);
            ASSERT_LE(count, kRecvBufferRecords);
            take(buffer, count);
        }
    });
}

TEST(Threads, ReceiveThreadSeesEveryFrameOnceWhileTheWindowThreadSends) {
    auto options = simOptions(20'000);
    options.fifoFrames = 8192;
    SimOnManualClock bus(options);
    bus.openAndRun(1000);

    std::atomic<bool> done = false;
    std::vector<FrameRecord> received;
    std::thread receiver = receiveUntil(
        done, [&](const FrameRecord* batch, int32_t count) { received.insert(received.end(), batch, batch + count); });

    int sent = 0;
    for (int i = 0; i < 2000; ++i) {
        bus.advanceUs(100);
        sent += SendSingleData(dataFrame(0x7E0, {uint8_t(i)}));
        if (i % 10 == 0) {
            ASSERT_TRUE(bus.sim().inject(dataFrame(0x7E1, {uint8_t(i)})));
        }
    }
    done = true;
    receiver.join();
    bus.advanceUs(10'000);
    const auto rest = bus.receiveAll();
    received.insert(received.end(), rest.begin(), rest.end());

    const auto stats = bus.sim().stats();
    EXPECT_EQ(stats.framesDropped, 0u);
    EXPECT_EQ(received.size(), stats.framesOnBus);
    EXPECT_EQ(stats.framesReceived, stats.framesOnBus);
    for (std::size_t i = 1; i < received.size(); ++i)
        ASSERT_GT(stampUs(received[i]), stampUs(received[i - 1])) << i;
    EXPECT_EQ(sent, 2000);
    EXPECT_EQ(bus.sim().transmitted().total, 2000u);
}

TEST(Threads, DropsReadWhileTheReceiveThreadFetchesOnlyGrowAndAccountForEveryFrame) {
    auto options = simOptions(20'000);
    options.fifoFrames = vorelin::driver::SimOptions::kMinFifoFrames;
    SimOnManualClock bus(options);
    bus.openAndRun(1000);

    std::atomic<bool> done = false;
    uint64_t fetched = 0;
    std::thread receiver = receiveUntil(done, [&](const FrameRecord*, int32_t count) { fetched += uint64_t(count); });

    uint64_t lastDropped = 0;
    for (int i = 0; i < 500; ++i) {
        // 20 ms of a full bus at a time: more than the 64-frame FIFO holds.
        bus.advanceUs(20'000);
        const uint64_t dropped = bus.sim().stats().framesDropped;
        ASSERT_GE(dropped, lastDropped) << i;
        lastDropped = dropped;
    }
    done = true;
    receiver.join();

    const auto stats = bus.sim().stats();
    EXPECT_GT(stats.framesDropped, 0u);
    EXPECT_EQ(stats.framesReceived, fetched);
    EXPECT_EQ(stats.framesOnBus, fetched + stats.framesDropped + stats.framesQueued);
}

TEST(Threads, SelectingABackendWhileRecvDataRunsIsSafe) {
    ASSERT_EQ(KESH_SelectBackend("sim:rate=20000"), 1);
    ASSERT_EQ(KESH_INIT(), 1);
    ASSERT_EQ(RunKESH(), 1);

    std::atomic<bool> done = false;
    std::thread receiver([&] {
        FrameRecord buffer[kRecvBufferRecords];
        uint32_t unused1 = 0, unused2 = 0;
        int32_t count = 0;
        while (!done.load()) {
            const uint8_t result = RecvData(&unused1, &unused2, &count, buffer);
            ASSERT_LE(result, 1);
            ASSERT_GE(count, 0);
            ASSERT_LE(count, kRecvBufferRecords);
            if (result == 0) {
                ASSERT_EQ(count, 0);
            }
        }
    });

    std::string lastSelector;
    for (int i = 0; i < 50; ++i) {
        lastSelector = "sim:rate=" + std::to_string(1000 + i) + ",seed=" + std::to_string(i);
        ASSERT_EQ(KESH_SelectBackend(lastSelector.c_str()), 1);
        EXPECT_EQ(KESH_INIT(), 1);
        EXPECT_EQ(RunKESH(), 1);
        EXPECT_EQ(SendSingleData(dataFrame(0x100, {uint8_t(i)})), 1);
    }
    done = true;
    receiver.join();
    EXPECT_EQ(currentBackend()->description(), lastSelector);
    installBackend(nullptr);
}

}  // namespace
