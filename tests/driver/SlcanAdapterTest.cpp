// The slcan backend end to end against a simulated adapter on a
// pseudo-terminal.
#include "ReceivedFrames.h"
#include "SlcanDevice.h"
#include "support/Frames.h"

#include "driver/Backend.h"
#include "driver/SlcanAdapter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace vorelin::driver;
using namespace std::chrono_literals;

namespace {

class SlcanAdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (device->path().empty())
            GTEST_SKIP() << "no pseudo-terminal can be made here";
        auto made = makeBackend("slcan:" + device->path());
        ASSERT_TRUE(made) << made.error().text;
        backend = std::move(*made);
    }

    std::unique_ptr<SlcanDevice> device = std::make_unique<SlcanDevice>();
    std::unique_ptr<Backend> backend;
};

}  // namespace

TEST(SlcanOptions, TheDeviceAndTheLineSpeed) {
    for (const char* selector : {"slcan:/dev/ttyACM0,baud=921600", "slcan:/dev/ttyUSB1"}) {
        auto made = makeBackend(selector);
        ASSERT_TRUE(made) << selector;
        EXPECT_EQ((*made)->description(), selector);
    }

    const struct {
        const char* selector;
        const char* error;
    } refused[] = {
        {"slcan", "slcan: no device (expected slcan:DEVICE[,baud=N])"},
        {"slcan:baud=9600", "slcan: no device (expected slcan:DEVICE[,baud=N])"},
        {"slcan:/dev/a,/dev/b", "slcan: two devices, '/dev/a' and '/dev/b'"},
        {"slcan:/dev/a,baud=fast", "slcan: baud must be a line speed in bit/s, not 'fast'"},
        {"slcan:/dev/a,baud=0", "slcan: baud must be a line speed in bit/s, not '0'"},
        {"slcan:/dev/a,baud=4294967296", "slcan: baud must be a line speed in bit/s, not '4294967296'"},
        {"slcan:/dev/a,speed=2", "slcan: unknown option 'speed' (expected slcan:DEVICE[,baud=N])"},
    };
    for (const auto& row : refused) {
        auto made = makeBackend(row.selector);
        ASSERT_FALSE(made) << row.selector;
        EXPECT_EQ(made.error().text, row.error);
    }
}

TEST_F(SlcanAdapterTest, CapturesSendsAndReportsThroughTheAdapter) {
    ASSERT_TRUE(backend->open());
    ASSERT_TRUE(backend->configure(500, 0, 1));
    ASSERT_TRUE(backend->start());
    EXPECT_EQ(device->commands(), (std::vector<std::string>{"C", "C", "S6", "C", "O"}));
    EXPECT_TRUE(backend->open()) << "asked again while capturing";
    EXPECT_EQ(device->commands().size(), 5u) << "an open line is left alone";

    device->receive("t1232AABB\r");
    std::this_thread::sleep_for(5ms);
    device->receive("T1ABCDEF01FF\rr7FF0\r");
    const std::vector<FrameRecord> received = receiveFrames(*backend, 3);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].frame.identifier, 0x123u);
    EXPECT_EQ(received[0].frame.data[1], 0xBB);
    EXPECT_EQ(received[1].frame.extended, 1);
    EXPECT_EQ(received[2].frame.remote, 1u);
    const auto microseconds = [](const FrameRecord& r) {
        return ((uint64_t(r.timeMin) * 60 + r.timeSec) * 1000 + r.timeMs) * 1000 + r.timeUs;
    };
    EXPECT_GE(microseconds(received[1]) - microseconds(received[0]), 4000u) << "stamped on arrival";
    EXPECT_LT(microseconds(received[2]), 1'000'000u) << "counted from the start";

    EXPECT_TRUE(backend->sendSingle(dataFrame(0x123, {1, 2})));
    EXPECT_TRUE(backend->sendSingle(dataFrame(0x1ABCDEF0, {}, true)));
    EXPECT_EQ(device->sent(), (std::vector<std::string>{"t12320102", "T1ABCDEF00"}));

    AdapterInfo info;
    ASSERT_TRUE(backend->readInfo(info));
    EXPECT_EQ(info.status, 1u);
    EXPECT_EQ(info.baudRateKbps, 500u);
    EXPECT_EQ(backend->stats().framesReceived, 3u);

    ASSERT_TRUE(backend->stop());
    EXPECT_FALSE(backend->sendSingle(dataFrame(0x123, {}))) << "the closed channel refuses";
    ASSERT_TRUE(backend->readInfo(info));
    EXPECT_EQ(info.status, 0u);
}

TEST_F(SlcanAdapterTest, ListenOnlyOpensWithLAndRefusesToSend) {
    ASSERT_TRUE(backend->open());
    ASSERT_TRUE(backend->configure(250, 1, 2));
    ASSERT_TRUE(backend->start());
    EXPECT_EQ(device->commands().back(), "L");
    EXPECT_FALSE(backend->sendSingle(dataFrame(0x100, {1})));
    EXPECT_TRUE(device->sent().empty());
}

TEST_F(SlcanAdapterTest, SettingsTheProtocolCannotCarryAreRefusedBeforeTheLine) {
    ASSERT_TRUE(backend->open());
    const std::size_t commandsBefore = device->commands().size();
    EXPECT_FALSE(backend->configure(83, 0, 1)) << "no slcan bit rate";
    EXPECT_FALSE(backend->configure(500, 2, 1));
    EXPECT_FALSE(backend->configure(500, 0, 0));
    EXPECT_EQ(device->commands().size(), commandsBefore);
    EXPECT_FALSE(backend->sendSingle(dataFrame(0x800, {}))) << "too large for a standard frame";
}

TEST_F(SlcanAdapterTest, NoAdapterOnTheLineOrNoLineFailsToOpen) {
    device->setSilent(true);
    EXPECT_FALSE(backend->open()) << "a device that does not answer";
    AdapterInfo info;
    EXPECT_FALSE(backend->readInfo(info));
    auto missing = makeBackend("slcan:/nonexistent/ttyACM9");
    ASSERT_TRUE(missing);
    EXPECT_FALSE((*missing)->open());
}

TEST_F(SlcanAdapterTest, AnAdapterUnpluggedWhileCapturingEndsReceiving) {
    ASSERT_TRUE(backend->open());
    ASSERT_TRUE(backend->start());
    device.reset();  // unplugged: the far side of the line closes
    FrameRecord buffer[18];
    int count = 0;
    bool receiving = true;
    for (int i = 0; i < 100 && receiving; ++i, std::this_thread::sleep_for(10ms))
        receiving = backend->receive(buffer, 18, count);
    EXPECT_FALSE(receiving);
    AdapterInfo info;
    EXPECT_FALSE(backend->readInfo(info));
    EXPECT_FALSE(backend->open()) << "the device is gone";
}

TEST_F(SlcanAdapterTest, CyclicFramesGoOutInTurnAtTheirIntervalUntilStopped) {
    ASSERT_TRUE(backend->open());
    ASSERT_TRUE(backend->start());
    const CanFrame frames[] = {dataFrame(0x181, {1}), dataFrame(0x281, {2})};
    ASSERT_TRUE(backend->setCyclic(frames, 2, 5, 20));
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(backend->startCyclic());
    std::this_thread::sleep_for(110ms);
    ASSERT_TRUE(backend->stopCyclic());
    std::this_thread::sleep_for(50ms);
    const std::vector<std::string> sent = device->sent();
    const auto times = device->sentTimes();
    // Timers run late under load, never early: the counts have a loose floor.
    ASSERT_GE(sent.size(), 4u);
    EXPECT_LE(sent.size(), 12u);
    for (std::size_t i = 0; i < sent.size(); ++i)
        EXPECT_EQ(sent[i], i % 2 == 0 ? "t1811" "01" : "t2811" "02") << i;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const auto due = started + 20ms * int(i / 2) + 5ms * int(i % 2);
        EXPECT_GE(times[i], due) << "frame " << i << " before its time";
    }
    std::this_thread::sleep_for(40ms);
    EXPECT_EQ(device->sent().size(), sent.size()) << "nothing after StopMultiData";
}
