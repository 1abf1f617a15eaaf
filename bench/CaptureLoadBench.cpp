// CaptureLoadBench: a saturated 1 Mbit/s bus of short frames captured from
// the simulated adapter through the receive timer and store, the same path as
// `vorelin-cli capture`. Prints lost_frames_21k_60s and receive_cpu_percent_21k.
#include "cli/TimedCapture.h"
#include "driver/Backend.h"

#include <cstdio>
#include <cstdlib>

namespace {

class StderrMessages : public MessageSink {
public:
    MessageReply show(const Message& message) override {
        std::fprintf(stderr, "capture: %s\n", message.text.c_str());
        failed = true;
        return MessageReply::Ok;
    }
    bool failed = false;
};

}  // namespace

int main(int argc, char** argv) {
    constexpr uint32_t kRate = 21'000;
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    auto adapter = vorelin::driver::makeBackend("sim:rate=21000,mix=short");
    if (!adapter) {
        std::fprintf(stderr, "capture: %s\n", adapter.error().text.c_str());
        return 1;
    }
    TimedCaptureOptions options;
    options.adapter = std::move(*adapter);
    options.baudRateKbps = 1000;
    options.duration = std::chrono::seconds(seconds);
    StderrMessages messages;
    auto report = runTimedCapture(options, messages);
    if (!report || messages.failed) {
        std::fprintf(stderr, "capture: %s\n", report ? "the capture command failed" : report.error().text.c_str());
        return 1;
    }
    const double elapsed = std::chrono::duration<double>(report->elapsed).count();
    const double framesPerSecond = double(report->framesOnBus) / elapsed;
    std::fprintf(stderr, "generated %llu stored %llu lost %llu in %.2f s (%.0f frames/s), %llu receive ticks skipped\n",
                 (unsigned long long)report->framesOnBus, (unsigned long long)report->framesStored,
                 (unsigned long long)report->framesLost, elapsed, framesPerSecond,
                 (unsigned long long)report->lateTicks);
    // The figures mean nothing unless the bus really ran at the rate and every
    // frame is accounted for.
    if (report->framesOnBus != report->framesStored + report->framesLost || framesPerSecond < kRate * 0.98) {
        std::fprintf(stderr, "capture: the bus did not carry %u frames/s, or frames went unaccounted\n", kRate);
        return 1;
    }
    std::printf("lost_frames_21k_60s %llu frames\n", (unsigned long long)report->framesLost);
    std::printf("receive_cpu_percent_21k %.2f %%\n",
                100.0 * std::chrono::duration<double>(report->receiveCpuTime).count() / elapsed);
    return 0;
}
