#include "driver/SimBus.h"

#include "base/RecordTime.h"
#include "driver/CanWire.h"
#include "driver/SdoServer.h"

#include <algorithm>

namespace vorelin::driver {

namespace {

constexpr uint64_t kNsPerSecond = 1'000'000'000;
constexpr uint64_t kNsPerBitAt1Kbps = 1'000'000;
constexpr std::size_t kInjectedCapacity = 4096;
constexpr std::size_t kAnswerCapacity = 64;
// The adapter's transmit buffer: sends beyond it fail rather than pile up.
constexpr std::size_t kSendCapacity = 256;
constexpr uint64_t kNodeAnswerDelayNs = 500'000;

FrameRecord stampedRecord(const CanFrame& frame, uint64_t sinceStartNs, uint32_t busLoadPercent) {
    FrameRecord record;
    record.busLoad = busLoadPercent;
    setRecordTime(record, sinceStartNs / 1000);
    record.frame = frame;
    return record;
}

}  // namespace

SimBus::SimBus(const SimOptions& options, uint64_t nowNs)
    : framesPerSecond_(options.framesPerSecond),
      nodesAnswerSdo_(options.mix == TrafficMix::mixed || options.mix == TrafficMix::canopen),
      traffic_(options.mix, options.seed),
      nextTraffic_(traffic_.next()),
      injected_(kInjectedCapacity),
      answers_(kAnswerCapacity),
      sends_(kSendCapacity),
      busFreeNs_(nowNs),
      epochNs_(nowNs),
      fifo_(std::clamp(options.fifoFrames, SimOptions::kMinFifoFrames, SimOptions::kMaxFifoFrames)) {}

void SimBus::advanceTo(uint64_t nowNs) {
    while (true) {
        const Contender first = firstContender();
        if (first.source == Source::none)
            return;
        // Frames never overlap: one waits until the bus is free.
        const uint64_t startNs = std::max(first.requestNs, busFreeNs_);
        const uint64_t endNs = startNs + uint64_t(wireBits(first)) * kNsPerBitAt1Kbps / baudRateKbps_;
        if (endNs > nowNs)
            return;
        busFreeNs_ = endNs;
        load_.add(endNs, endNs - startNs);
        finish(first, startNs, endNs);
    }
}

SimBus::Contender SimBus::firstContender() const {
    Contender first;
    const auto consider = [&first](Source source, uint64_t requestNs, const CanFrame& frame) {
        if (first.source == Source::none || requestNs < first.requestNs)
            first = {source, requestNs, &frame};
    };
    if (receiving_ && framesPerSecond_ > 0)
        consider(Source::traffic, nextTrafficRequestNs_, nextTraffic_.frame);
    if (!injected_.empty())
        consider(Source::injected, injected_.front().requestNs, injected_.front().frame);
    if (!answers_.empty())
        consider(Source::answer, answers_.front().requestNs, answers_.front().frame);
    if (!sends_.empty())
        consider(Source::single, sends_.front().requestNs, sends_.front().frame);
    if (cyclic_.hasNext())
        consider(Source::cyclic, cyclic_.nextRequestNs(), cyclic_.nextFrame());
    return first;
}

uint32_t SimBus::wireBits(const Contender& contender) const {
    return contender.source == Source::traffic ? nextTraffic_.wireBits : wireLengthBits(*contender.frame);
}

void SimBus::finish(const Contender& contender, uint64_t startNs, uint64_t endNs) {
    switch (contender.source) {
    case Source::none:
        return;
    case Source::traffic:
        receive(nextTraffic_.frame, endNs);
        nextTraffic_ = traffic_.next();
        scheduleNextTraffic(startNs);
        return;
    case Source::injected:
        receive(injected_.front().frame, endNs);
        injected_.pop();
        return;
    case Source::answer:
        receive(answers_.front().frame, endNs);
        answers_.pop();
        return;
    case Source::single:
        transmit(sends_.front().frame, endNs, TransmitOrigin::single);
        sends_.pop();
        return;
    case Source::cyclic:
        transmit(cyclic_.nextFrame(), endNs, TransmitOrigin::cyclic);
        cyclic_.markSent(endNs);
        return;
    }
}

void SimBus::scheduleNextTraffic(uint64_t previousStartNs) {
    ++trafficIndex_;
    // Split so that index times nanoseconds cannot overflow in a long run.
    const uint64_t wholeSeconds = trafficIndex_ / framesPerSecond_;
    const uint64_t rest = trafficIndex_ % framesPerSecond_;
    nextTrafficRequestNs_ = trafficBaseNs_ + wholeSeconds * kNsPerSecond + rest * kNsPerSecond / framesPerSecond_;
    // On a bus that cannot carry the rate the nodes queue their next frame
    // only once the last one got the bus, so no backlog builds up.
    if (nextTrafficRequestNs_ < previousStartNs) {
        trafficBaseNs_ = previousStartNs;
        trafficIndex_ = 0;
        nextTrafficRequestNs_ = previousStartNs;
    }
}

void SimBus::receive(const CanFrame& frame, uint64_t endNs) {
    if (!receiving_)
        return;
    ++stats_.framesOnBus;
    if (!fifo_.push(stampedRecord(frame, endNs - std::min(endNs, epochNs_), load_.percent())))
        ++stats_.framesDropped;
}

void SimBus::transmit(const CanFrame& frame, uint64_t endNs, TransmitOrigin origin) {
    transmitLog_.record({frame, (endNs - std::min(endNs, epochNs_)) / 1000, origin});
    if (!nodesAnswerSdo_)
        return;
    if (const auto answer = answerSdoRequest(frame))
        answers_.push({endNs + kNodeAnswerDelayNs, *answer});
}

void SimBus::setBaudRate(uint32_t baudRateKbps) { baudRateKbps_ = std::max<uint32_t>(baudRateKbps, 1); }

void SimBus::startReceiving(uint64_t nowNs) {
    receiving_ = true;
    epochNs_ = nowNs;
    fifo_.clear();
    stats_ = {};
    if (framesPerSecond_ > 0) {
        trafficBaseNs_ = nowNs;
        trafficIndex_ = 0;
        scheduleNextTraffic(nowNs);
    }
}

void SimBus::stopReceiving() { receiving_ = false; }

int SimBus::takeReceived(FrameRecord* buffer, int capacity) {
    int taken = 0;
    while (taken < capacity && !fifo_.empty()) {
        buffer[taken++] = fifo_.front();
        fifo_.pop();
    }
    stats_.framesReceived += uint64_t(taken);
    return taken;
}

bool SimBus::queueSend(const CanFrame& frame, uint64_t nowNs) { return sends_.push({nowNs, frame}); }

bool SimBus::inject(const CanFrame& frame, uint64_t nowNs) { return injected_.push({nowNs, frame}); }

bool SimBus::setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs, uint64_t nowNs) {
    if (!cyclic_.store(frames, count, intervalMs, cycleMs))
        return false;
    if (cyclic_.running())
        cyclic_.start(nowNs);
    return true;
}

void SimBus::startCyclic(uint64_t nowNs) { cyclic_.start(nowNs); }

void SimBus::stopCyclic() { cyclic_.stop(); }

void SimBus::disconnect() {
    receiving_ = false;
    sends_.clear();
    cyclic_.stop();
}

AdapterStats SimBus::stats() const {
    AdapterStats stats = stats_;
    stats.framesQueued = fifo_.size();
    return stats;
}

}  // namespace vorelin::driver
