// ManualSendBench: how long a frame sent by hand takes from the send to its
// record in the store, while the receive thread appends a saturated 1 Mbit/s
// bus of short frames from the simulated adapter. Prints the median as
// manual_send_record_us_21k and the 99th percentile as
// manual_send_record_us_21k_p99. Usage: manual_send_bench [SENDS]
#include "core/CaptureCommands.h"
#include "core/CaptureState.h"
#include "core/DocumentContents.h"
#include "core/MessageSink.h"
#include "core/ReceiveTimer.h"
#include "device/DeviceSettings.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "transmit/ManualMessage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class StderrMessages : public MessageSink {
public:
    MessageReply show(const Message& message) override {
        std::fprintf(stderr, "manual send: %s\n", message.text.c_str());
        failed = true;
        return MessageReply::Ok;
    }
    bool failed = false;
};

// A one-byte data frame: the simulated traffic holds none, only zero-length
// data frames and remote frames, so the record is found by its frame alone.
ManualEntry entryNumbered(uint32_t number) {
    ManualEntry entry;
    entry.identifier = number & 0x7FF;
    entry.size = 1;
    entry.data[0] = number & 0xFF;
    return entry;
}

// Whether the frame's record, time and bus load 0, is at or after `from`.
// FrameRecord has no padding of its own, so its bytes compare.
bool hasRecord(const FrameStore& store, uint32_t from, const CanFrame& frame) {
    FrameRecord expected;
    expected.frame = frame;
    const uint32_t count = store.count();
    for (uint32_t position = from; position < count; ++position) {
        if (std::memcmp(&store.at(position), &expected, sizeof expected) == 0)
            return true;
    }
    return false;
}

double percentileUs(std::vector<double>& samples, double fraction) {
    const std::size_t rank = std::min(samples.size() - 1, std::size_t(fraction * double(samples.size())));
    std::nth_element(samples.begin(), samples.begin() + std::ptrdiff_t(rank), samples.end());
    return samples[rank];
}

}  // namespace

int main(int argc, char** argv) {
    constexpr uint32_t kRate = 21'000;
    const int sends = argc > 1 ? std::atoi(argv[1]) : 2500;
    if (sends <= 0) {
        std::fprintf(stderr, "manual send: SENDS must be a positive number\n");
        return 2;
    }
    auto adapter = vorelin::driver::makeBackend("sim:rate=21000,mix=short");
    if (!adapter) {
        std::fprintf(stderr, "manual send: %s\n", adapter.error().text.c_str());
        return 1;
    }
    vorelin::driver::installBackend(std::move(*adapter));
    if (KESH_INIT() == 0 || SetKESH(0, 1000, 0, 1) == 0) {
        std::fprintf(stderr, "manual send: the simulated adapter did not open at 1000 kbit/s\n");
        return 1;
    }
    CaptureState capture;
    ReceiveTimer receiveTimer(capture);
    receiveTimer.start();
    StderrMessages messages;
    startCapture(capture, /*deviceConfigured=*/true, messages);
    const auto started = Clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the receive thread at full load first

    DocumentContents document;
    std::vector<double> samplesUs;
    samplesUs.reserve(std::size_t(sends));
    for (int i = 0; i < sends; ++i) {
        const ManualEntry entry = entryNumbered(uint32_t(i));
        const CanFrame frame = manualFrame(entry);
        const uint32_t before = capture.store.count();
        const auto sendStarted = Clock::now();
        if (!sendManualBuffer(ManualBufferId::first, entry, document, capture, messages, nullptr))
            break;
        while (!hasRecord(capture.store, before, frame)) {
            if (Clock::now() - sendStarted > std::chrono::seconds(1)) {
                std::fprintf(stderr, "manual send: frame %d was sent but never recorded\n", i);
                return 1;
            }
        }
        samplesUs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - sendStarted).count());
        // One send every 2 ms takes about 3 % of the bus from the traffic.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    receiveTimer.stop();
    const double elapsed = std::chrono::duration<double>(Clock::now() - started).count();
    const vorelin::driver::AdapterStats stats = vorelin::driver::currentBackend()->stats();
    StopKESH();

    if (messages.failed) {
        std::fprintf(stderr, "manual send: a send failed\n");
        return 1;
    }
    const double framesPerSecond = double(stats.framesOnBus) / elapsed;
    std::fprintf(stderr, "%d sends, %u records stored, %.0f frames/s on the bus, %llu dropped by the adapter\n", sends,
                 capture.store.count(), framesPerSecond, (unsigned long long)stats.framesDropped);
    // The figure means nothing unless the receive thread really ran at the rate.
    if (framesPerSecond < kRate * 0.95 || capture.store.refusedCount() != 0) {
        std::fprintf(stderr, "manual send: the bus did not carry %u frames/s, or the store refused records\n", kRate);
        return 1;
    }
    std::printf("manual_send_record_us_21k %.1f us\n", percentileUs(samplesUs, 0.5));
    std::printf("manual_send_record_us_21k_p99 %.1f us\n", percentileUs(samplesUs, 0.99));
    return 0;
}
