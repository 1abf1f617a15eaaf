// SimBus.h: the bus behind a simulated adapter: who is on it when, each frame
// timed by its exact length on the wire, the bus load, the receive FIFO and
// the log of what the adapter itself sent.
#pragma once

#include "base/FrameRecord.h"
#include "driver/Backend.h"
#include "driver/BusLoadMeter.h"
#include "driver/CyclicSchedule.h"
#include "driver/RingBuffer.h"
#include "driver/SimOptions.h"
#include "driver/TrafficGenerator.h"
#include "driver/TransmitLog.h"

#include <cstdint>

namespace vorelin::driver {

class SimBus {
public:
    static constexpr uint32_t kDefaultBaudRateKbps = 500;

    SimBus(const SimOptions& options, uint64_t nowNs);

    // Puts on the bus every frame that has finished by nowNs, in time order.
    // Doing this lazily on each call is exact: the receive FIFO only grows
    // between the calls that empty it.
    void advanceTo(uint64_t nowNs);

    void setBaudRate(uint32_t baudRateKbps);
    // Frames of other nodes reach the FIFO from here on; stamps count from nowNs.
    void startReceiving(uint64_t nowNs);
    void stopReceiving();
    // Up to `capacity` received records, oldest first; how many were taken.
    int takeReceived(FrameRecord* buffer, int capacity);

    // False when the adapter's transmit queue is full.
    bool queueSend(const CanFrame& frame, uint64_t nowNs);
    // Another node asks for the bus at nowNs; false when too many wait.
    bool inject(const CanFrame& frame, uint64_t nowNs);

    bool setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs, uint64_t nowNs);
    void startCyclic(uint64_t nowNs);
    void stopCyclic();

    // The adapter is gone: nothing of its own waits for the bus any more.
    void disconnect();

    TransmittedFrames transmitted() const { return transmitLog_.snapshot(); }
    AdapterStats stats() const;

private:
    enum class Source { none, traffic, injected, answer, single, cyclic };

    struct QueuedFrame {
        uint64_t requestNs = 0;
        CanFrame frame;
    };

    struct Contender {
        Source source = Source::none;
        uint64_t requestNs = 0;
        const CanFrame* frame = nullptr;
    };

    Contender firstContender() const;
    uint32_t wireBits(const Contender& contender) const;
    void finish(const Contender& contender, uint64_t startNs, uint64_t endNs);
    void scheduleNextTraffic(uint64_t previousStartNs);
    void receive(const CanFrame& frame, uint64_t endNs);
    void transmit(const CanFrame& frame, uint64_t endNs, TransmitOrigin origin);

    const uint32_t framesPerSecond_;
    const bool nodesAnswerSdo_;
    TrafficGenerator traffic_;
    BusFrame nextTraffic_;
    uint64_t trafficBaseNs_ = 0;
    uint64_t trafficIndex_ = 0;
    uint64_t nextTrafficRequestNs_ = 0;

    RingBuffer<QueuedFrame> injected_;
    RingBuffer<QueuedFrame> answers_;
    RingBuffer<QueuedFrame> sends_;
    CyclicSchedule cyclic_;

    uint32_t baudRateKbps_ = kDefaultBaudRateKbps;
    uint64_t busFreeNs_;
    uint64_t epochNs_;
    bool receiving_ = false;
    BusLoadMeter load_;
    RingBuffer<FrameRecord> fifo_;
    TransmitLog transmitLog_;
    AdapterStats stats_;
};

}  // namespace vorelin::driver
