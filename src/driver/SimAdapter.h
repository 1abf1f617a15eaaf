// SimAdapter.h: a simulated USB-to-CAN adapter on a live bus, the backend of
// "sim" selectors, with controls for tests, tools and benchmarks (reached via
// std::dynamic_pointer_cast<SimAdapter>(currentBackend())) and an injectable clock.
#pragma once

#include "driver/Backend.h"
#include "driver/KeshCall.h"
#include "driver/SimOptions.h"

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace vorelin::driver {

class SimBus;

class KESH_EXPORT_CPP SimAdapter final : public Backend {
public:
    // Microseconds of a monotonic clock.
    using Clock = std::function<uint64_t()>;
    static uint64_t steadyClockUs();

    explicit SimAdapter(SimOptions options = {}, Clock nowUs = steadyClockUs);
    // The bit rate before the first SetKESH.
    static uint32_t defaultBaudRateKbps();
    // What SetKESH takes: 1 to 1000 kbit/s, work mode 0 or 1, frame type 1
    // (standard) or 2 (extended). Other adapters that answer as this one
    // does take the same.
    static bool acceptsConfiguration(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType);
    ~SimAdapter() override;

    bool open() override;
    bool configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) override;
    bool readInfo(AdapterInfo& info) override;
    bool start() override;
    bool stop() override;
    bool receive(FrameRecord* buffer, int capacity, int& count) override;
    bool sendSingle(const CanFrame& frame) override;
    // Cyclic sending: pass k over the stored frames starts at S(k), S(0) being
    // the time of RunMultiData. Frame i of a pass asks for the bus at
    // S(k) + i * interval, and S(k+1) = max(S(k) + cycle, the end of pass k's
    // last frame): a pass that outlasts its cycle is followed at once by the
    // next, never overlapped or skipped. A zero cycle counts as 1 ms.
    // The bus serves frames in the order they asked for it, so a frame that
    // finds it busy waits for the frame on it and for every frame that asked
    // before it. The generated traffic of the other nodes keeps one frame
    // waiting at a time: even at full load it delays a frame by less than two
    // of its frames (the rest of the one on the bus, then the next); frames
    // given to inject() queue up like any others. A delay
    // moves no later frame's time of asking, only S(k+1) when it pushes the
    // pass's last frame past S(k) + cycle.
    bool setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) override;
    bool startCyclic() override;
    bool stopCyclic() override;
    AdapterStats stats() override;
    bool tellsTransmitted() const override { return true; }
    // The most recent 65536 frames, each stamped when it left the bus.
    TransmittedFrames transmitted() override;
    std::string description() const override;

    const SimOptions& options() const { return options_; }

    // Unplugging closes the adapter: once plugged back, KESH_INIT must open it again.
    void setPresent(bool present);
    void setCallFailing(KeshCall call, bool failing);
    void setInfoOverride(const InfoOverride& infoOverride);
    // Another node puts this frame on the bus now; false for a frame that
    // cannot be sent or when thousands already wait.
    bool inject(const CanFrame& frame);

private:
    // Whether `call` may act now: the adapter is there, opened (unless this
    // is the call that opens it) and the call is not made to fail.
    bool admits(KeshCall call) const;
    // Brings the bus up to the clock's now and returns that now.
    uint64_t advance();

    const SimOptions options_;
    const Clock nowUs_;
    std::mutex mutex_;
    std::unique_ptr<SimBus> bus_;
    uint64_t lastNowNs_ = 0;
    bool present_;
    bool opened_ = false;
    bool running_ = false;
    bool everStarted_ = false;
    uint32_t baudRateKbps_;
    std::bitset<kKeshCallCount> failingCalls_;
    InfoOverride infoOverride_;
};

}  // namespace vorelin::driver
