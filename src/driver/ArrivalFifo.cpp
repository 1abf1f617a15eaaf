#include "driver/ArrivalFifo.h"

#include "base/RecordTime.h"
#include "driver/CanWire.h"

#include <algorithm>

namespace vorelin::driver {

namespace {

constexpr uint64_t kNsPerBitAt1Kbps = 1'000'000;

}  // namespace

void ArrivalFifo::restart(uint64_t epochNs, uint32_t baudRateKbps) {
    fifo_.clear();
    load_ = BusLoadMeter();
    epochNs_ = epochNs;
    baudRateKbps_ = baudRateKbps;
    received_ = 0;
    dropped_ = 0;
}

void ArrivalFifo::addBusy(const CanFrame& frame, uint64_t endNs) {
    if (baudRateKbps_ > 0)
        load_.add(endNs, uint64_t(wireLengthBits(frame)) * kNsPerBitAt1Kbps / baudRateKbps_);
}

void ArrivalFifo::add(const CanFrame& frame, uint64_t endNs) {
    addBusy(frame, endNs);
    FrameRecord record;
    record.busLoad = load_.percent();
    setRecordTime(record, (endNs - std::min(endNs, epochNs_)) / 1000);
    record.frame = frame;
    if (fifo_.push(record))
        ++received_;
    else
        ++dropped_;
}

int ArrivalFifo::take(FrameRecord* buffer, int capacity) {
    int count = 0;
    while (count < capacity && !fifo_.empty()) {
        buffer[count++] = fifo_.front();
        fifo_.pop();
    }
    return count;
}

AdapterStats ArrivalFifo::stats() const {
    AdapterStats stats;
    stats.framesReceived = received_;
    stats.framesDropped = dropped_;
    stats.framesOnBus = received_ + dropped_;
    stats.framesQueued = fifo_.size();
    return stats;
}

}  // namespace vorelin::driver
