// CyclicPeriodBench: how far the simulated adapter's cyclic frames stray from
// their schedule on a full bus. Eight frames, interval 1 ms, cycle 10 ms, for
// 10 s at 500 kbit/s while the other nodes fill the bus, the adapter on the
// steady clock as `vorelin-cli cyclic` runs it. Prints
// cyclic_period_error_us_sim: the longest a frame waited for the bus after
// the time the schedule (SimAdapter.h) gives it; the 99th percentile is a note.
#include "driver/CanWire.h"
#include "driver/KeshApi.h"
#include "driver/SimAdapter.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr uint32_t kBaudRateKbps = 500;
constexpr uint32_t kIntervalMs = 1;
constexpr uint32_t kCycleMs = 10;
constexpr auto kSendingTime = std::chrono::seconds(10);

int fail(const char* what) {
    std::fprintf(stderr, "cyclic_period: %s\n", what);
    return 1;
}

}  // namespace

int main() {
    using namespace vorelin::driver;
    // The other nodes ask for far more than 500 kbit/s carries.
    SimOptions options;
    options.selector = "sim:rate=1000000,mix=can";
    options.framesPerSecond = 1'000'000;
    options.mix = TrafficMix::can;
    // The steady clock, noting what the adapter last read from it: the bus
    // times of RunKESH and RunMultiData, from which the schedule counts.
    auto lastReadUs = std::make_shared<std::atomic<uint64_t>>(0);
    auto sim = std::make_shared<SimAdapter>(options, [lastReadUs] {
        const uint64_t now = SimAdapter::steadyClockUs();
        lastReadUs->store(now);
        return now;
    });
    installBackend(sim);

    std::vector<CanFrame> frames(8);
    for (uint32_t i = 0; i < frames.size(); ++i) {
        frames[i].identifier = 0x100 + i;
        frames[i].length = 8;
        std::fill(std::begin(frames[i].data), std::end(frames[i].data), uint8_t(0x11 * i));
    }
    // RunKESH because the simulated other nodes only send while the adapter receives.
    if (!KESH_INIT() || !SetKESH(0, kBaudRateKbps, /*workMode=*/0, /*frameType=*/1) || !RunKESH())
        return fail("the adapter could not be set up");
    const uint64_t epochUs = lastReadUs->load();
    if (!SetMultiData(frames.data(), uint32_t(frames.size()), kIntervalMs, kCycleMs) || !RunMultiData())
        return fail("cyclic sending did not start");
    const uint64_t firstPassUs = lastReadUs->load() - epochUs;
    std::fprintf(stderr, "cyclic_period: 8 frames, %u ms interval, %u ms cycle, %s at %u kbit/s for %lld s ...\n",
                 kIntervalMs, kCycleMs, options.selector.c_str(), kBaudRateKbps, (long long)kSendingTime.count());
    std::this_thread::sleep_for(kSendingTime);
    if (!StopMultiData())
        return fail("cyclic sending did not stop");

    const TransmittedFrames sent = sim->transmitted();
    // Ten seconds hold 1000 passes; the last may be cut short by the stop.
    if (sent.total != sent.recent.size() || sent.total < 999 * frames.size())
        return fail("fewer cyclic frames went out than 10 s of passes hold");
    // Pass k starts at S(k); S(k+1) = max(S(k) + cycle, end of pass k's last frame).
    std::vector<uint64_t> waitsUs;
    uint64_t passStartUs = firstPassUs;
    for (std::size_t n = 0; n < sent.recent.size(); ++n) {
        const TransmittedFrame& frame = sent.recent[n];
        const std::size_t i = n % frames.size();
        if (frame.origin != TransmitOrigin::cyclic || frame.frame.identifier != frames[i].identifier)
            return fail("a frame went out of its order");
        const uint64_t askedUs = passStartUs + i * kIntervalMs * 1000;
        const uint64_t lengthUs = wireLengthBits(frame.frame) * 1000 / kBaudRateKbps;
        if (frame.busTimeUs < askedUs + lengthUs)
            return fail("a frame went out before the schedule let it");
        waitsUs.push_back(frame.busTimeUs - lengthUs - askedUs);
        if (i + 1 == frames.size())
            passStartUs = std::max(passStartUs + kCycleMs * 1000, frame.busTimeUs);
    }
    const uint64_t framesOnBus = sim->stats().framesOnBus;

    std::sort(waitsUs.begin(), waitsUs.end());
    const uint64_t p99Us = waitsUs[waitsUs.size() * 99 / 100];
    std::fprintf(stderr, "cyclic_period: %zu frames; waits: median %llu us, 99th percentile %llu us; other nodes "
                         "sent %llu frames\n",
                 waitsUs.size(), (unsigned long long)waitsUs[waitsUs.size() / 2], (unsigned long long)p99Us,
                 (unsigned long long)framesOnBus);
    std::printf("cyclic_period_error_us_sim %llu us\n", (unsigned long long)waitsUs.back());
    return 0;
}
