#include "driver/SimAdapter.h"

#include "driver/CanWire.h"
#include "driver/SimBus.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace vorelin::driver {

namespace {

constexpr uint32_t kFirmwareVersion = 0x0105;
constexpr uint32_t kMaxBaudRateKbps = 1000;
constexpr uint32_t kMaxWorkMode = 1;
constexpr uint32_t kStandardFrameType = 1;
constexpr uint32_t kExtendedFrameType = 2;

}  // namespace

uint64_t SimAdapter::steadyClockUs() {
    return uint64_t(
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

uint32_t SimAdapter::defaultBaudRateKbps() { return SimBus::kDefaultBaudRateKbps; }

bool SimAdapter::acceptsConfiguration(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) {
    return baudRateKbps >= 1 && baudRateKbps <= kMaxBaudRateKbps && workMode <= kMaxWorkMode &&
           (frameType == kStandardFrameType || frameType == kExtendedFrameType);
}

SimAdapter::SimAdapter(SimOptions options, Clock nowUs)
    : options_(std::move(options)),
      nowUs_(nowUs ? std::move(nowUs) : Clock(steadyClockUs)),
      lastNowNs_(nowUs_() * 1000),
      present_(!options_.absent),
      baudRateKbps_(SimBus::kDefaultBaudRateKbps),
      failingCalls_(options_.failingCalls),
      infoOverride_(options_.infoOverride) {
    bus_ = std::make_unique<SimBus>(options_, lastNowNs_);
}

SimAdapter::~SimAdapter() = default;

bool SimAdapter::admits(KeshCall call) const {
    return present_ && !failingCalls_[std::size_t(call)] && (opened_ || call == KeshCall::init);
}

uint64_t SimAdapter::advance() {
    // A clock that steps back must not run the bus backwards.
    lastNowNs_ = std::max(lastNowNs_, nowUs_() * 1000);
    bus_->advanceTo(lastNowNs_);
    return lastNowNs_;
}

bool SimAdapter::open() {
    std::lock_guard lock(mutex_);
    if (!admits(KeshCall::init))
        return false;
    opened_ = true;
    return true;
}

bool SimAdapter::configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) {
    std::lock_guard lock(mutex_);
    if (!acceptsConfiguration(baudRateKbps, workMode, frameType) || !admits(KeshCall::setKesh))
        return false;
    advance();
    bus_->setBaudRate(baudRateKbps);
    baudRateKbps_ = baudRateKbps;
    return true;
}

bool SimAdapter::readInfo(AdapterInfo& info) {
    std::lock_guard lock(mutex_);
    if (!admits(KeshCall::getKeshInfo))
        return false;
    info.status = infoOverride_.status.value_or(running_ ? 1 : 0);
    info.baudRateKbps = infoOverride_.baudRateKbps.value_or(baudRateKbps_);
    info.firmware = infoOverride_.firmware.value_or(kFirmwareVersion);
    return true;
}

bool SimAdapter::start() {
    std::lock_guard lock(mutex_);
    if (!admits(KeshCall::runKesh))
        return false;
    if (running_)
        return true;
    bus_->startReceiving(advance());
    running_ = true;
    everStarted_ = true;
    return true;
}

bool SimAdapter::stop() {
    std::lock_guard lock(mutex_);
    if (!admits(KeshCall::stopKesh))
        return false;
    if (running_) {
        advance();
        bus_->stopReceiving();
        running_ = false;
    }
    return true;
}

bool SimAdapter::receive(FrameRecord* buffer, int capacity, int& count) {
    std::lock_guard lock(mutex_);
    count = 0;
    // After StopKESH the FIFO can still be emptied; before any RunKESH there is nothing to read.
    if (!buffer || !admits(KeshCall::recvData) || !everStarted_)
        return false;
    advance();
    count = bus_->takeReceived(buffer, std::max(capacity, 0));
    return true;
}

bool SimAdapter::sendSingle(const CanFrame& frame) {
    std::lock_guard lock(mutex_);
    if (!admits(KeshCall::sendSingleData) || !isTransmittable(frame))
        return false;
    return bus_->queueSend(wireImage(frame), advance());
}

bool SimAdapter::setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) {
    std::lock_guard lock(mutex_);
    const std::optional<CyclicFrames> images = cyclicWireImages(frames, count);
    if (!admits(KeshCall::setMultiData) || !images)
        return false;
    return bus_->setCyclic(images->data(), count, intervalMs, cycleMs, advance());
}

bool SimAdapter::startCyclic() {
    std::lock_guard lock(mutex_);
    if (!admits(KeshCall::runMultiData))
        return false;
    bus_->startCyclic(advance());
    return true;
}

bool SimAdapter::stopCyclic() {
    std::lock_guard lock(mutex_);
    if (!admits(KeshCall::stopMultiData))
        return false;
    advance();
    bus_->stopCyclic();
    return true;
}

AdapterStats SimAdapter::stats() {
    std::lock_guard lock(mutex_);
    advance();
    return bus_->stats();
}

std::string SimAdapter::description() const { return options_.selector; }

void SimAdapter::setPresent(bool present) {
    std::lock_guard lock(mutex_);
    if (present_ && !present) {
        advance();
        bus_->disconnect();
        opened_ = false;
        running_ = false;
        everStarted_ = false;
    }
    present_ = present;
}

void SimAdapter::setCallFailing(KeshCall call, bool failing) {
    std::lock_guard lock(mutex_);
    failingCalls_.set(std::size_t(call), failing);
}

void SimAdapter::setInfoOverride(const InfoOverride& infoOverride) {
    std::lock_guard lock(mutex_);
    infoOverride_ = infoOverride;
}

bool SimAdapter::inject(const CanFrame& frame) {
    std::lock_guard lock(mutex_);
    if (!isTransmittable(frame))
        return false;
    return bus_->inject(wireImage(frame), advance());
}

TransmittedFrames SimAdapter::transmitted() {
    std::lock_guard lock(mutex_);
    advance();
    return bus_->transmitted();
}

}  // namespace vorelin::driver
