// SocketCanGuestBench: the SocketCAN backend on a real kernel CAN stack, run
// inside the test guest (tests/driver/guest/run-in-guest) on its vcan0.
// Prints
//   socketcan_lost_frames_21k_10s  frames a sender in the guest put on vcan0
//       at 21,000 frames/s for the given seconds (10 by default) that never
//       came out of RecvData, fetched as the receive tick does, every 1 ms;
//   socketcan_sent_frames_per_s  the rate the sender reached (the emulated
//       guest may fall short of 21,000);
//   bcm_cyclic_gap_error_ratio  the largest deviation from a 10 ms cycle over
//       2 s when the kernel's broadcast manager sends the frame, divided by
//       the same when a user-space loop on a 1 ms timer sends it, both
//       measured from the kernel's receive stamps on another socket.
#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "driver/guest/PeerSocket.h"

#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using vorelin::driver::Backend;

constexpr uint32_t kFramesPerSecond = 21000;
constexpr uint32_t kFramesPerMs = kFramesPerSecond / 1000;
constexpr int64_t kCycleUs = 10'000;
constexpr auto kCyclicTime = 2s;

std::unique_ptr<Backend> openAdapter() {
    auto made = vorelin::driver::makeBackend("socketcan:vcan0");
    if (!made || !(*made)->open() || !(*made)->start()) {
        std::fprintf(stderr, "socketcan bench: %s\n", made ? (*made)->failureReason().c_str() : made.error().text.c_str());
        std::exit(1);
    }
    return std::move(*made);
}

void measureLoss(int seconds) {
    auto adapter = openAdapter();
    PeerSocket sender("vcan0");
    const uint32_t total = kFramesPerSecond * uint32_t(seconds);
    std::atomic<bool> sending{true};
    const auto started = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point finished;
    std::thread sendingThread([&] {
        sendNumberedFrames(sender, total, kFramesPerMs);
        finished = std::chrono::steady_clock::now();
        sending = false;
    });
    uint64_t received = 0;
    FrameRecord buffer[kRecvBufferRecords];
    auto tick = std::chrono::steady_clock::now();
    for (int quiet = 0; quiet < 100;) {
        tick += 1ms;
        std::this_thread::sleep_until(tick);
        int count = kRecvBufferRecords;
        while (count == kRecvBufferRecords && adapter->receive(buffer, kRecvBufferRecords, count))
            received += uint64_t(count);
        quiet = sending ? 0 : quiet + 1;  // drained for 100 ms after the last send
    }
    sendingThread.join();
    const double sendSeconds = std::chrono::duration<double>(finished - started).count();
    std::printf("socketcan_lost_frames_21k_10s %llu frames\n", (unsigned long long)(total - std::min<uint64_t>(received, total)));
    std::printf("socketcan_sent_frames_per_s %.0f frames/s\n", total / sendSeconds);
}

// The largest deviation from the cycle between consecutive frames the peer saw.
int64_t largestGapErrorUs(PeerSocket& peer, std::chrono::steady_clock::duration during) {
    std::vector<uint64_t> stamps;
    const auto end = std::chrono::steady_clock::now() + during;
    while (std::chrono::steady_clock::now() < end)
        if (auto frame = peer.receive(5))
            stamps.push_back(frame->stampNs);
    int64_t worst = 0;
    for (std::size_t i = 1; i < stamps.size(); ++i)
        worst = std::max(worst, std::abs(int64_t(stamps[i] - stamps[i - 1]) / 1000 - kCycleUs));
    return worst;
}

void measureCyclic() {
    PeerSocket peer("vcan0");
    auto adapter = openAdapter();
    CanFrame frame;
    frame.identifier = 0x100;
    adapter->setCyclic(&frame, 1, 0, uint32_t(kCycleUs / 1000));
    adapter->startCyclic();
    const int64_t kernelUs = largestGapErrorUs(peer, kCyclicTime);
    adapter->stopCyclic();
    std::this_thread::sleep_for(50ms);
    peer.drain();

    // A user-space sender on a 1 ms timer with absolute deadlines.
    PeerSocket sender("vcan0");
    std::atomic<bool> running{true};
    std::thread userLoop([&] {
        timespec due{};
        clock_gettime(CLOCK_MONOTONIC, &due);
        for (int tick = 0; running; ++tick) {
            due.tv_nsec += 1'000'000;
            if (due.tv_nsec >= 1'000'000'000) {
                due.tv_nsec -= 1'000'000'000;
                ++due.tv_sec;
            }
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr);
            if (tick % (kCycleUs / 1000) == 0)
                sender.send(frame);
        }
    });
    const int64_t userUs = largestGapErrorUs(peer, kCyclicTime);
    running = false;
    userLoop.join();
    std::printf("bcm_cyclic_gap_error_ratio %.3f ratio\n", double(kernelUs) / double(std::max<int64_t>(userUs, 1)));
    std::fprintf(stderr, "largest deviation from the 10 ms cycle: broadcast manager %lld us, user-space 1 ms loop %lld us\n",
                 (long long)kernelUs, (long long)userUs);
}

}  // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IOLBF, 0);
    measureLoss(argc > 1 ? std::atoi(argv[1]) : 10);
    measureCyclic();
    return 0;
}
