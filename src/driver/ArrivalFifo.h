// ArrivalFifo.h: the receive FIFO of an adapter whose frames come from
// outside the program (a serial line, a socket): each frame stamped with its
// time since the capture started and the bus load up to it, then kept until
// RecvData takes it or counted as dropped when the FIFO is full.
// Not locked: the adapter that owns it does that.
#pragma once

#include "base/FrameRecord.h"
#include "driver/Backend.h"
#include "driver/BusLoadMeter.h"
#include "driver/RingBuffer.h"

#include <cstddef>
#include <cstdint>

namespace vorelin::driver {

class ArrivalFifo {
public:
    static constexpr std::size_t kCapacity = 65536;

    ArrivalFifo() : fifo_(kCapacity) {}

    // A capture starts at epochNs on a bus of baudRateKbps (0: unknown, no
    // load): the FIFO, the load and the counts start from nothing.
    void restart(uint64_t epochNs, uint32_t baudRateKbps);

    // A frame that ended on the bus at endNs, on the clock of the epoch.
    void add(const CanFrame& frame, uint64_t endNs);
    // A frame that kept the bus busy but is not received, such as one the
    // program sent itself.
    void addBusy(const CanFrame& frame, uint64_t endNs);
    // A frame lost before it reached the FIFO.
    void addDropped(uint64_t count) { dropped_ += count; }

    // Moves at most `capacity` records into `buffer`, oldest first; returns how many.
    int take(FrameRecord* buffer, int capacity);

    // Received, dropped, on the bus (both) and queued now.
    AdapterStats stats() const;

private:
    RingBuffer<FrameRecord> fifo_;
    BusLoadMeter load_;
    uint64_t epochNs_ = 0;
    uint32_t baudRateKbps_ = 0;
    uint64_t received_ = 0;
    uint64_t dropped_ = 0;
};

}  // namespace vorelin::driver
