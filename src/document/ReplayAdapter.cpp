#include "document/ReplayAdapter.h"

#include "base/RecordTime.h"
#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "document/CandumpLogReader.h"
#include "document/CaptureFileReader.h"
#include "document/FileNames.h"
#include "driver/BackendSelector.h"
#include "driver/CanWire.h"
#include "driver/SimAdapter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <new>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

using vorelin::driver::AdapterInfo;
using vorelin::driver::AdapterStats;
using vorelin::driver::BackendSelector;
using vorelin::driver::SelectorOption;
using vorelin::driver::TransmitOrigin;
using vorelin::driver::TransmittedFrames;

namespace {

constexpr std::string_view kUsage = " (expected replay:FILE[,speed=N])";
constexpr uint64_t kNsPerBitAt1Kbps = 1'000'000;

// A decimal such as "2", "0.5" or "0": digits and a point, nothing else, so
// that neither a sign nor "inf" nor an exponent passes.
std::optional<double> parseSpeed(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos)
        return std::nullopt;
    double speed = 0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, speed, std::chars_format::fixed);
    if (fault != std::errc() || stop != end || !std::isfinite(speed))
        return std::nullopt;
    return speed;
}

Error fileError(const std::string& path, const std::string& reason) {
    return makeError("replay: '" + path + "': " + reason);
}

// Both readers deliver into a store; the first record's time becomes 0.
Result<std::monostate> readInto(const std::string& path, FrameStore& store) {
    if (isCaptureFileName(path)) {
        auto file = CaptureFileReader::open(path);
        if (!file)
            return file.error();
        auto parts = file->readInto(store, {});
        if (!parts)
            return parts.error();
        return std::monostate{};
    }
    auto log = CandumpLogReader::open(path);
    if (!log)
        return log.error();
    return log->appendTo(store, {});
}

// A stamp far beyond any bus's lifetime must not wrap the meter's nanoseconds.
uint64_t saturatedNs(uint64_t us) {
    return std::min(us, std::numeric_limits<uint64_t>::max() / 1000) * 1000;
}

}  // namespace

Result<ReplayOptions> parseReplayOptions(const BackendSelector& selector) {
    auto options = selector.options();
    if (!options)
        return options.error();
    ReplayOptions parsed;
    parsed.selector = std::string(selector.text());
    for (const SelectorOption& option : *options) {
        if (!option.value) {
            if (!parsed.path.empty())
                return makeError("replay: two files, '" + parsed.path + "' and '" + std::string(option.key) + "'");
            parsed.path = std::string(option.key);
        } else if (option.key == "speed") {
            const std::optional<double> speed = parseSpeed(*option.value);
            if (!speed)
                return makeError("replay: speed must be a decimal of 0 or more, not '" + std::string(*option.value) +
                                 "'");
            parsed.speed = *speed;
        } else {
            return makeError("replay: unknown option '" + std::string(option.key) + "'" + std::string(kUsage));
        }
    }
    if (parsed.path.empty())
        return makeError("replay: no file" + std::string(kUsage));
    return parsed;
}

Result<std::vector<ReplayFrame>> readReplayFrames(const std::string& path) try {
    // The kind goes by the name, as for what convert writes; a log saved
    // as text by an editor or a mail program often ends in .txt.
    if (!isCaptureFileName(path) && !isCandumpLogName(path) && !hasExtension(path, ".txt"))
        return fileError(path, "expected a name ending in .log, .txt or .orx");
    std::vector<ReplayFrame> frames;
    {
        FrameStore store;
        auto read = readInto(path, store);
        if (!read) {
            // Its detail alone ("version 2.0") would not say what is wrong.
            const bool notCapture = read.error().number == strings::kNotACaptureFile;
            return fileError(path, notCapture ? "not a capture file (" + read.error().text + ")" : read.error().text);
        }
        const uint32_t count = store.count();
        frames.reserve(count);
        const uint64_t firstUs = count > 0 ? recordTimeUs(store.at(0)) : 0;
        for (uint32_t i = 0; i < count; ++i) {
            const FrameRecord& record = store.at(i);
            const uint64_t us = recordTimeUs(record);
            frames.push_back({us > firstUs ? us - firstUs : 0, record.frame});
        }
    }
    return frames;
} catch (const std::bad_alloc&) {
    return fileError(path, "not enough memory to load it");
}

Result<std::unique_ptr<ReplayAdapter>> ReplayAdapter::make(const BackendSelector& selector, Clock nowUs) {
    auto options = parseReplayOptions(selector);
    if (!options)
        return options.error();
    auto frames = readReplayFrames(options->path);
    if (!frames)
        return frames.error();
    return std::make_unique<ReplayAdapter>(std::move(*options), std::move(*frames), std::move(nowUs));
}

ReplayAdapter::ReplayAdapter(ReplayOptions options, std::vector<ReplayFrame> frames, Clock nowUs)
    : options_(std::move(options)),
      frames_(std::move(frames)),
      nowUs_(nowUs ? std::move(nowUs) : Clock(vorelin::driver::SimAdapter::steadyClockUs)),
      lastNowNs_(nowUs_() * 1000),
      epochNs_(lastNowNs_),
      baudRateKbps_(vorelin::driver::SimAdapter::defaultBaudRateKbps()) {}

uint64_t ReplayAdapter::advance() {
    // A clock that steps back must not replay backwards.
    lastNowNs_ = std::max(lastNowNs_, nowUs_() * 1000);
    while (schedule_.hasNext() && schedule_.nextRequestNs() <= lastNowNs_) {
        const uint64_t endNs = putOnBus(schedule_.nextFrame(), schedule_.nextRequestNs(), TransmitOrigin::cyclic);
        schedule_.markSent(endNs);
    }
    if (!running_)
        return lastNowNs_;
    if (options_.speed == 0) {
        dueCount_ = frames_.size();
        return lastNowNs_;
    }
    // In doubles: a slow speed times a long file must not overflow.
    const double playedUs = double(lastNowNs_ - epochNs_) / 1000.0 * options_.speed;
    while (dueCount_ < frames_.size()) {
        const uint64_t dueUs = std::max(dueUpToUs_, frames_[dueCount_].timeUs);
        if (double(dueUs) > playedUs)
            break;
        dueUpToUs_ = dueUs;
        ++dueCount_;
    }
    return lastNowNs_;
}

uint64_t ReplayAdapter::putOnBus(const CanFrame& frame, uint64_t requestNs, TransmitOrigin origin) {
    const uint64_t startNs = std::max(requestNs, busFreeNs_);
    busFreeNs_ = startNs + uint64_t(vorelin::driver::wireLengthBits(frame)) * kNsPerBitAt1Kbps / baudRateKbps_;
    transmitLog_.record({frame, (busFreeNs_ - std::min(busFreeNs_, epochNs_)) / 1000, origin});
    return busFreeNs_;
}

bool ReplayAdapter::open() {
    std::lock_guard lock(mutex_);
    opened_ = true;
    return true;
}

bool ReplayAdapter::configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) {
    std::lock_guard lock(mutex_);
    if (!opened_ || !vorelin::driver::SimAdapter::acceptsConfiguration(baudRateKbps, workMode, frameType))
        return false;
    advance();
    baudRateKbps_ = baudRateKbps;
    return true;
}

bool ReplayAdapter::readInfo(AdapterInfo& info) {
    std::lock_guard lock(mutex_);
    if (!opened_)
        return false;
    info.status = running_ ? 1 : 0;
    info.baudRateKbps = baudRateKbps_;
    info.firmware = 0;  // no adapter, no firmware
    return true;
}

bool ReplayAdapter::start() {
    std::lock_guard lock(mutex_);
    if (!opened_)
        return false;
    if (running_)
        return true;
    epochNs_ = advance();
    running_ = true;
    everStarted_ = true;
    // As an adapter empties its FIFO on starting: a new run begins with the file's first frame.
    dueCount_ = takenCount_ = 0;
    dueUpToUs_ = loadUpToUs_ = 0;
    load_ = vorelin::driver::BusLoadMeter();
    return true;
}

bool ReplayAdapter::stop() {
    std::lock_guard lock(mutex_);
    if (!opened_)
        return false;
    // What became due until now can still be taken afterwards.
    advance();
    running_ = false;
    return true;
}

bool ReplayAdapter::receive(FrameRecord* buffer, int capacity, int& count) {
    std::lock_guard lock(mutex_);
    count = 0;
    if (!buffer || !opened_ || !everStarted_)
        return false;
    advance();
    const std::size_t n = std::min<std::size_t>(std::size_t(std::max(capacity, 0)), dueCount_ - takenCount_);
    for (std::size_t i = 0; i < n; ++i) {
        const ReplayFrame& played = frames_[takenCount_++];
        loadUpToUs_ = std::max(loadUpToUs_, played.timeUs);
        load_.add(saturatedNs(loadUpToUs_),
                  uint64_t(vorelin::driver::wireLengthBits(played.frame)) * kNsPerBitAt1Kbps / baudRateKbps_);
        FrameRecord& record = buffer[i];
        record = FrameRecord();
        record.busLoad = load_.percent();
        setRecordTime(record, played.timeUs);
        record.frame = played.frame;
    }
    count = int(n);
    return true;
}

bool ReplayAdapter::sendSingle(const CanFrame& frame) {
    std::lock_guard lock(mutex_);
    if (!opened_ || !vorelin::driver::isTransmittable(frame))
        return false;
    putOnBus(vorelin::driver::wireImage(frame), advance(), TransmitOrigin::single);
    return true;
}

bool ReplayAdapter::setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) {
    std::lock_guard lock(mutex_);
    const auto images = vorelin::driver::cyclicWireImages(frames, count);
    if (!opened_ || !images)
        return false;
    const uint64_t nowNs = advance();
    const bool wasRunning = schedule_.running();
    schedule_.store(images->data(), count, intervalMs, cycleMs);
    if (wasRunning)
        schedule_.start(nowNs);
    return true;
}

bool ReplayAdapter::startCyclic() {
    std::lock_guard lock(mutex_);
    if (!opened_)
        return false;
    schedule_.start(advance());
    return true;
}

bool ReplayAdapter::stopCyclic() {
    std::lock_guard lock(mutex_);
    if (!opened_)
        return false;
    advance();
    schedule_.stop();
    return true;
}

AdapterStats ReplayAdapter::stats() {
    std::lock_guard lock(mutex_);
    advance();
    AdapterStats stats;
    stats.framesOnBus = dueCount_;
    stats.framesReceived = takenCount_;
    stats.framesQueued = dueCount_ - takenCount_;
    return stats;
}

TransmittedFrames ReplayAdapter::transmitted() {
    std::lock_guard lock(mutex_);
    advance();
    return transmitLog_.snapshot();
}

void registerReplayAdapter() {
    vorelin::driver::registerBackendMaker(
        "replay", [](const BackendSelector& selector) -> Result<std::unique_ptr<vorelin::driver::Backend>> {
            auto adapter = ReplayAdapter::make(selector);
            if (!adapter)
                return adapter.error();
            return std::unique_ptr<vorelin::driver::Backend>(std::move(*adapter));
        });
}
