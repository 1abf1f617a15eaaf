// SimFixture.h: a simulated adapter on a manual clock, installed behind the C
// calls, so that tests drive bus time themselves and nothing depends on the
// speed of the machine.
#pragma once

#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "driver/SimAdapter.h"
#include "support/Frames.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

// Far from zero, so that a time stamp that forgets to subtract the start shows.
constexpr uint64_t kClockStartUs = 3'600'000'000;

class SimOnManualClock {
public:
    explicit SimOnManualClock(vorelin::driver::SimOptions options = {})
        : clockUs_(std::make_shared<std::atomic<uint64_t>>(kClockStartUs)),
          sim_(std::make_shared<vorelin::driver::SimAdapter>(std::move(options),
                                                             [clock = clockUs_] { return clock->load(); })) {
        vorelin::driver::installBackend(sim_);
    }
    ~SimOnManualClock() { vorelin::driver::installBackend(nullptr); }

    vorelin::driver::SimAdapter& sim() { return *sim_; }
    void advanceUs(uint64_t us) { clockUs_->fetch_add(us); }
    // Microseconds since the clock started.
    uint64_t elapsedUs() const { return clockUs_->load() - kClockStartUs; }

    // KESH_INIT, SetKESH and RunKESH, as the application starts a capture.
    void openAndRun(uint32_t baudRateKbps) {
        ASSERT_EQ(KESH_INIT(), 1);
        ASSERT_EQ(SetKESH(0, baudRateKbps, 0, 1), 1);
        ASSERT_EQ(RunKESH(), 1);
    }

    // Everything the FIFO holds now, through RecvData.
    std::vector<FrameRecord> receiveAll() {
        std::vector<FrameRecord> records;
        FrameRecord buffer[kRecvBufferRecords];
        uint32_t unused1 = 0, unused2 = 0;
        int32_t count = 0;
        do {
            EXPECT_EQ(RecvData(&unused1, &unused2, &count, buffer), 1);
            records.insert(records.end(), buffer, buffer + count);
        } while (count > 0);
        return records;
    }

    // Runs the bus for durationUs in 1 ms steps, emptying the FIFO after each,
    // as the receive thread does.
    std::vector<FrameRecord> collectFor(uint64_t durationUs) {
        std::vector<FrameRecord> records;
        for (uint64_t doneUs = 0; doneUs < durationUs; doneUs += 1000) {
            advanceUs(1000);
            const std::vector<FrameRecord> more = receiveAll();
            records.insert(records.end(), more.begin(), more.end());
        }
        return records;
    }

private:
    std::shared_ptr<std::atomic<uint64_t>> clockUs_;
    std::shared_ptr<vorelin::driver::SimAdapter> sim_;
};

inline uint64_t stampUs(const FrameRecord& record) {
    return ((uint64_t(record.timeMin) * 60 + record.timeSec) * 1000 + record.timeMs) * 1000 + record.timeUs;
}

inline vorelin::driver::SimOptions simOptions(uint32_t framesPerSecond,
                                              vorelin::driver::TrafficMix mix = vorelin::driver::TrafficMix::mixed) {
    vorelin::driver::SimOptions options;
    options.framesPerSecond = framesPerSecond;
    options.mix = mix;
    return options;
}
