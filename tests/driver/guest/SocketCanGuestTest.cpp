// The SocketCAN backend on a real kernel CAN stack. Runs inside the test
// guest (run-in-guest), which has a virtual bus vcan0 (up, CAN FD sized) and
// two emulated SJA1000 controllers on one bus, can0 and can1 (down).
// Timing checks use the kernel's own stamps and only bounds a busy host
// cannot break: the guest's timers fire late under load, never early.
#include "PeerSocket.h"
#include "driver/ReceivedFrames.h"
#include "support/Frames.h"

#include "base/RecordTime.h"

#include "driver/Backend.h"
#include "driver/CanInterfaces.h"
#include "driver/CanNetlink.h"
#include "driver/SocketCanAdapter.h"

#include <gtest/gtest.h>

#include <linux/can/error.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace vorelin::driver;
using namespace std::chrono_literals;

namespace {

constexpr uint32_t kStandard = 1;
constexpr uint32_t kNormalMode = 0;
constexpr uint32_t kListenOnly = 1;

std::unique_ptr<Backend> openAdapter(const std::string& interface) {
    auto made = makeBackend("socketcan:" + interface);
    EXPECT_TRUE(made) << made.error().text;
    if (!made)
        return nullptr;
    EXPECT_TRUE((*made)->open()) << (*made)->failureReason();
    return std::move(*made);
}

CanFrame frameOf(const can_frame& kernel) {
    CanFrame frame;
    frame.extended = (kernel.can_id & CAN_EFF_FLAG) ? 1 : 0;
    frame.remote = (kernel.can_id & CAN_RTR_FLAG) ? 1 : 0;
    frame.identifier = kernel.can_id & (frame.extended ? CAN_EFF_MASK : CAN_SFF_MASK);
    frame.length = kernel.len;
    if (!frame.remote)
        std::memcpy(frame.data, kernel.data, kernel.len);
    return frame;
}

// Frames the peer sees within `windowMs`.
std::vector<PeerFrame> collect(PeerSocket& peer, int windowMs) {
    std::vector<PeerFrame> seen;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(windowMs);
    while (std::chrono::steady_clock::now() < end)
        if (auto frame = peer.receive(5))
            seen.push_back(*frame);
    return seen;
}

}  // namespace

TEST(SocketCanGuest, ReceivesFramesStampedByTheKernelAndCountsWhatItCannotStore) {
    PeerSocket peer("vcan0"), watcher("vcan0");
    ASSERT_TRUE(peer.ready() && watcher.ready());
    auto adapter = openAdapter("vcan0");
    ASSERT_TRUE(adapter && adapter->start()) << adapter->failureReason();

    const CanFrame frames[] = {dataFrame(0x123, {0x11, 0x22, 0x33, 0x44}),
                               dataFrame(0x1ABCDEF0, {1, 2, 3, 4, 5, 6, 7, 8}, 1), remoteFrame(0x7FF, 2),
                               dataFrame(0x000)};
    for (const CanFrame& frame : frames) {
        ASSERT_TRUE(peer.send(frame));
        std::this_thread::sleep_for(20ms);
    }
    can_frame errorFrame{};
    errorFrame.can_id = CAN_ERR_FLAG | CAN_ERR_BUSOFF;
    errorFrame.len = CAN_ERR_DLC;
    canfd_frame fdFrame{};
    fdFrame.can_id = 0x321;
    fdFrame.len = 12;
    ASSERT_TRUE(peer.sendBytes(&errorFrame, sizeof(errorFrame)));
    ASSERT_TRUE(peer.sendBytes(&fdFrame, sizeof(fdFrame))) << "vcan0 is made with the MTU of CAN FD";

    const std::vector<FrameRecord> received = receiveFrames(*adapter, 4);
    ASSERT_EQ(received.size(), 4u);
    std::vector<PeerFrame> watched;
    for (int i = 0; i < 4; ++i)
        watched.push_back(watcher.receive(1000).value_or(PeerFrame{}));
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(received[i].frame, frames[i]) << "frame " << i;
        EXPECT_EQ(frameOf(watched[i].frame), frames[i]) << "frame " << i;
    }
    // The kernel stamps each frame once for every socket: the steps between
    // our records are the steps between the watcher's stamps, not between reads.
    for (std::size_t i = 1; i < 4; ++i) {
        const int64_t ours = int64_t(recordTimeUs(received[i]) - recordTimeUs(received[i - 1]));
        const int64_t kernels = int64_t(watched[i].stampNs - watched[i - 1].stampNs) / 1000;
        EXPECT_NEAR(ours, kernels, 1) << "frame " << i;
    }
    std::this_thread::sleep_for(50ms);
    const AdapterStats stats = adapter->stats();
    EXPECT_EQ(stats.errorFrames, 1u);
    EXPECT_EQ(stats.fdFrames, 1u);
    EXPECT_EQ(stats.framesReceived, 4u) << "neither is stored";
    EXPECT_EQ(stats.framesDropped + stats.framesQueued, 0u);
}

TEST(SocketCanGuest, SendsOnTheBusAndReportsWhatWentOut) {
    PeerSocket peer("vcan0");
    auto adapter = openAdapter("vcan0");
    ASSERT_TRUE(adapter && adapter->start());
    const CanFrame frame = dataFrame(0x18FF1234, {0xDE, 0xAD}, 1);
    ASSERT_TRUE(adapter->sendSingle(frame)) << adapter->failureReason();
    const auto seen = peer.receive(1000);
    ASSERT_TRUE(seen);
    EXPECT_EQ(frameOf(seen->frame), frame);
    EXPECT_FALSE(adapter->sendSingle(dataFrame(0x800))) << "an 11-bit identifier above 0x7FF";
    std::this_thread::sleep_for(50ms);
    const TransmittedFrames sent = adapter->transmitted();
    ASSERT_EQ(sent.total, 1u);
    EXPECT_EQ(sent.recent[0].frame, frame);
    EXPECT_EQ(sent.recent[0].origin, TransmitOrigin::single);
    EXPECT_TRUE(receiveFrames(*adapter, 1, 100ms).empty()) << "its own frame is not received";
}

TEST(SocketCanGuest, TheKernelSendsCyclicFramesAtTheirTimesUntilStopped) {
    PeerSocket peer("vcan0");
    auto adapter = openAdapter("vcan0");
    ASSERT_TRUE(adapter && adapter->start());
    struct Case {
        const char* name;
        uint32_t intervalMs, cycleMs;
        int64_t passUs;  // from one pass to the next
        bool oneTimer;   // evenly spaced: kept in turn for good
    } cases[] = {
        {"a cycle longer than the pass", 5, 20, 20000, false},
        {"a pass longer than its cycle is spaced evenly", 10, 5, 30000, true},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const CanFrame frames[] = {dataFrame(0x100, {1}), dataFrame(0x200, {2}), dataFrame(0x300, {3})};
        const uint64_t sentBefore = adapter->transmitted().total;
        ASSERT_TRUE(adapter->setCyclic(frames, 3, row.intervalMs, row.cycleMs));
        ASSERT_TRUE(adapter->startCyclic()) << adapter->failureReason();
        std::vector<PeerFrame> seen = collect(peer, 400);
        ASSERT_TRUE(adapter->stopCyclic());
        for (const PeerFrame& late : collect(peer, 30))
            seen.push_back(late);
        EXPECT_TRUE(collect(peer, 100).empty()) << "no frame after StopMultiData";

        // At most one pass a cycle (the first at once); at least a few, however late the timers.
        EXPECT_LE(seen.size(), 3 * std::size_t(430'000 / row.passUs + 1));
        ASSERT_GE(seen.size(), 6u);
        constexpr int64_t kStampSlackUs = 500;
        for (std::size_t i = 0; i < seen.size(); ++i) {
            const uint32_t id = seen[i].frame.can_id;
            if (i < 3 || row.oneTimer) {
                EXPECT_EQ(id, 0x100u * (i % 3 + 1)) << "frame " << i << " out of turn";
            }
            if (i > 0 && i < 3) {
                EXPECT_GE(int64_t(seen[i].stampNs - seen[0].stampNs) / 1000, i * row.intervalMs * 1000 - kStampSlackUs)
                    << "frame " << i << " early in the first pass";
            }
            const auto previous = std::find_if(seen.rbegin() + std::ptrdiff_t(seen.size() - i), seen.rend(),
                                               [&](const PeerFrame& frame) { return frame.frame.can_id == id; });
            if (previous != seen.rend()) {
                EXPECT_GE(int64_t(seen[i].stampNs - previous->stampNs) / 1000, row.passUs - kStampSlackUs)
                    << "frame " << i << " early in its cycle";
            }
        }
        const TransmittedFrames sent = adapter->transmitted();
        EXPECT_EQ(sent.total - sentBefore, seen.size()) << "each frame on the bus is reported sent";
        EXPECT_EQ(sent.recent.back().origin, TransmitOrigin::cyclic);
        EXPECT_TRUE(receiveFrames(*adapter, 1, 50ms).empty()) << "its own frames are not received";
    }
}

TEST(SocketCanGuest, SetsBitRateAndListenOnlyOnAController) {
    auto first = openAdapter("can0");
    auto second = openAdapter("can1");
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(first->configure(250, kNormalMode, kStandard)) << first->failureReason();
    ASSERT_TRUE(second->configure(250, kListenOnly, kStandard)) << second->failureReason();
    AdapterInfo info;
    ASSERT_TRUE(first->readInfo(info));
    EXPECT_EQ(info.baudRateKbps, 250u);
    EXPECT_EQ(info.status, 1u) << "up and running";
    EXPECT_EQ(info.firmware, 0u);
    EXPECT_TRUE(readCanLink("can1")->listenOnly);
    const std::vector<FoundAdapter> found = findAdapters();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[1].selector + ' ' + found[1].description, "socketcan:can1 CAN interface, up, 250 kbit/s, listen-only");
    EXPECT_EQ(found[2].selector + ' ' + found[2].description, "socketcan:vcan0 vcan interface, up");
    ASSERT_TRUE(first->start() && second->start());

    const CanFrame toSecond = dataFrame(0x321, {0x5A});
    ASSERT_TRUE(first->sendSingle(toSecond));
    const std::vector<FrameRecord> heard = receiveFrames(*second, 1);
    ASSERT_EQ(heard.size(), 1u) << "a listen-only node still receives";
    EXPECT_EQ(heard[0].frame, toSecond);

    // Listen-only: the kernel takes the frame and the controller drops it.
    EXPECT_TRUE(second->sendSingle(dataFrame(0x123, {1})));
    EXPECT_TRUE(receiveFrames(*first, 1, 300ms).empty()) << "a listen-only node must not transmit";
    EXPECT_EQ(second->transmitted().total, 0u) << "nothing went out";

    ASSERT_TRUE(second->configure(250, kNormalMode, kStandard)) << second->failureReason();
    EXPECT_FALSE(readCanLink("can1")->listenOnly);
    ASSERT_TRUE(second->start());
    ASSERT_TRUE(second->sendSingle(dataFrame(0x123, {2})));
    const std::vector<FrameRecord> answered = receiveFrames(*first, 1);
    ASSERT_EQ(answered.size(), 1u);
    EXPECT_EQ(answered[0].frame, dataFrame(0x123, {2}));
}

TEST(SocketCanGuest, RefusesWhatItCannotSetAndSaysWhy) {
    auto virtualBus = openAdapter("vcan0");
    ASSERT_TRUE(virtualBus);
    EXPECT_FALSE(virtualBus->configure(500, kNormalMode, kStandard));
    EXPECT_NE(virtualBus->failureReason().find("vcan0 is a vcan interface"), std::string::npos)
        << virtualBus->failureReason();

    auto missing = makeBackend("socketcan:can9");
    ASSERT_TRUE(missing);
    EXPECT_FALSE((*missing)->open());
    EXPECT_EQ((*missing)->failureReason(), "socketcan: no interface 'can9' (CAN interfaces here: can0, can1, vcan0)");

    // Without CAP_NET_ADMIN: the settings the interface has already are
    // fine, others are refused with what to do instead.
    auto controller = openAdapter("can0");
    ASSERT_TRUE(controller && controller->configure(125, kNormalMode, kStandard));
    const pid_t child = fork();
    if (child == 0) {
        if (setuid(65534) != 0)
            _exit(10);
        const bool sameAccepted = controller->configure(125, kNormalMode, kStandard);
        const bool otherRefused = !controller->configure(500, kNormalMode, kStandard);
        const bool saysWhy = controller->failureReason().find("CAP_NET_ADMIN") != std::string::npos;
        _exit((sameAccepted ? 0 : 1) | (otherRefused ? 0 : 2) | (saysWhy ? 0 : 4));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "bits: 1 same settings refused, 2 others accepted, 4 no reason, 10 no setuid";
    EXPECT_EQ(readCanLink("can0")->bitrate, 125000u) << "the refused change left the controller as it was";
}

TEST(SocketCanGuest, TwentyOneThousandFramesASecondArriveWithoutLoss) {
    PeerSocket sender("vcan0");
    auto adapter = openAdapter("vcan0");
    ASSERT_TRUE(adapter && adapter->start());
    constexpr uint32_t kFrames = 21000;
    std::thread sending([&] { sendNumberedFrames(sender, kFrames, 21); });
    std::vector<FrameRecord> received = receiveFrames(*adapter, kFrames, 60s);
    sending.join();
    ASSERT_EQ(received.size(), kFrames);
    for (uint32_t i = 0; i < kFrames; ++i) {
        uint32_t number = 0;
        std::memcpy(&number, received[i].frame.data, sizeof(number));
        ASSERT_EQ(number, i) << "out of order or lost";
    }
    EXPECT_EQ(adapter->stats().framesDropped, 0u);
}
