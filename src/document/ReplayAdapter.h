// ReplayAdapter.h: an adapter that plays a candump log or capture file as the
// traffic it receives, with the file's own timing scaled by a speed: the
// backend of "replay:FILE[,speed=N]" selectors, for demos, bug reports and
// tests. It lives here, above the driver library, because the file readers do.
#pragma once

#include "base/FrameRecord.h"
#include "base/Result.h"
#include "driver/Backend.h"
#include "driver/BusLoadMeter.h"
#include "driver/CyclicSchedule.h"
#include "driver/TransmitLog.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vorelin::driver {
class BackendSelector;
}

struct ReplayOptions {
    std::string selector;
    std::string path;
    double speed = 1.0;  // 2 plays twice as fast; 0 hands out every frame at once
};

// The error text starts with "replay: ", as makeBackend's texts name their adapter.
Result<ReplayOptions> parseReplayOptions(const vorelin::driver::BackendSelector& selector);

// A frame of the file and its time since the file's first frame (0 for a
// frame stamped before it).
struct ReplayFrame {
    uint64_t timeUs = 0;
    CanFrame frame;
};

// Every frame of a candump log (.log, .txt) or capture file (.orx), in file
// order. The whole file is read now, so that a damaged one fails when the
// adapter is chosen, not halfway through a demo; the readers fill only a
// capture store, so the frames pass through one (40 bytes a frame, given
// back at once) and are kept at 32 bytes a frame. The error is
// "replay: 'PATH': " and the reader's reason.
Result<std::vector<ReplayFrame>> readReplayFrames(const std::string& path);

// Plays the frames from RunKESH on: a frame is due once its time divided by
// the speed has passed since then, never before the frame of an earlier line
// (a log's times may go backwards), and RecvData hands out what is due,
// stamped with the frame's own time so that a replay reads like the file at
// any speed. Bus load is measured over the file's times, so it too reads
// like the original bus. After the last frame the adapter stays running and
// silent; StopKESH then RunKESH plays the file again from its start.
// Frames sent by hand or cyclically go on a bus of their own that the
// replayed traffic does not delay, each stamped when it has left it.
// Threads: every call from any thread; one lock covers the adapter's state,
// which moves on to the clock's now lazily, in each call.
class ReplayAdapter final : public vorelin::driver::Backend {
public:
    // Microseconds of a monotonic clock.
    using Clock = std::function<uint64_t()>;

    // The selector checked and its file read; errors as makeBackend's.
    static Result<std::unique_ptr<ReplayAdapter>> make(const vorelin::driver::BackendSelector& selector,
                                                       Clock nowUs = nullptr);

    ReplayAdapter(ReplayOptions options, std::vector<ReplayFrame> frames, Clock nowUs = nullptr);

    bool open() override;
    // Takes what the simulated adapter takes.
    bool configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) override;
    bool readInfo(vorelin::driver::AdapterInfo& info) override;
    bool start() override;
    bool stop() override;
    bool receive(FrameRecord* buffer, int capacity, int& count) override;
    bool sendSingle(const CanFrame& frame) override;
    bool setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) override;
    bool startCyclic() override;
    bool stopCyclic() override;
    // Nothing is ever dropped: the file is the receive FIFO.
    vorelin::driver::AdapterStats stats() override;
    bool tellsTransmitted() const override { return true; }
    vorelin::driver::TransmittedFrames transmitted() override;
    std::string description() const override { return options_.selector; }

private:
    // Brings the playback and the cyclic frames up to the clock's now and returns that now.
    uint64_t advance();
    // `frame`, asking for the own bus at requestNs, leaves it; returns when.
    uint64_t putOnBus(const CanFrame& frame, uint64_t requestNs, vorelin::driver::TransmitOrigin origin);

    const ReplayOptions options_;
    const std::vector<ReplayFrame> frames_;
    const Clock nowUs_;

    std::mutex mutex_;
    uint64_t lastNowNs_ = 0;
    uint64_t epochNs_ = 0;  // the last RunKESH, before the first the making
    bool opened_ = false;
    bool running_ = false;
    bool everStarted_ = false;
    uint32_t baudRateKbps_;

    std::size_t dueCount_ = 0;    // frames due since RunKESH
    std::size_t takenCount_ = 0;  // of those, handed out
    uint64_t dueUpToUs_ = 0;      // the latest file time among the due frames
    uint64_t loadUpToUs_ = 0;     // the same among those handed out
    vorelin::driver::BusLoadMeter load_;

    uint64_t busFreeNs_ = 0;
    vorelin::driver::CyclicSchedule schedule_;
    vorelin::driver::TransmitLog transmitLog_;
};

// Lets makeBackend build "replay:..." selectors; the windows and vorelin-cli
// call it before they make their adapter.
void registerReplayAdapter();
