#include "driver/SlcanAdapter.h"

#include "driver/CanWire.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <limits>

namespace vorelin::driver {

namespace {

constexpr int kWriteTimeoutMs = 200;
// Long enough for an adapter busy with a full bus to answer a command.
constexpr auto kAnswerTimeout = std::chrono::milliseconds(500);
// How often the reader looks whether it should end.
constexpr int kReadWaitMs = 20;
constexpr uint32_t kMaxWorkMode = 1;
constexpr uint32_t kStandardFrameType = 1;
constexpr uint32_t kExtendedFrameType = 2;
const std::string kClose = "C\r";

uint64_t nowNs() {
    return uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count());
}

std::chrono::steady_clock::time_point timePointOf(uint64_t ns) {
    return std::chrono::steady_clock::time_point(std::chrono::nanoseconds(ns));
}

}  // namespace

Result<SlcanOptions> parseSlcanOptions(const BackendSelector& selector) {
    const std::string usage = " (expected slcan:DEVICE[,baud=N])";
    auto options = selector.options();
    if (!options)
        return options.error();
    SlcanOptions parsed;
    parsed.selector = std::string(selector.text());
    for (const SelectorOption& option : *options) {
        if (!option.value) {
            if (!parsed.device.empty())
                return makeError("slcan: two devices, '" + parsed.device + "' and '" + std::string(option.key) + "'");
            parsed.device = std::string(option.key);
        } else if (option.key == "baud") {
            const std::optional<uint64_t> baud = parseSelectorNumber(*option.value);
            if (!baud || *baud == 0 || *baud > std::numeric_limits<uint32_t>::max())
                return makeError("slcan: baud must be a line speed in bit/s, not '" + std::string(*option.value) + "'");
            parsed.lineBaud = uint32_t(*baud);
        } else {
            return makeError("slcan: unknown option '" + std::string(option.key) + "'" + usage);
        }
    }
    if (parsed.device.empty())
        return makeError("slcan: no device" + usage);
    return parsed;
}

SlcanAdapter::SlcanAdapter(SlcanOptions options)
    : options_(std::move(options)), cyclicSender_([this] { sendCyclic(); }) {}

SlcanAdapter::~SlcanAdapter() {
    {
        std::lock_guard lock(cyclicMutex_);
        stopCyclicThread_ = true;
    }
    cyclicChanged_.notify_all();
    cyclicSender_.join();
    closeLine();
}

void SlcanAdapter::closeLine() {
    stopReading_ = true;
    if (reader_.joinable())
        reader_.join();
    std::lock_guard turn(commandMutex_);
    line_.reset();
    std::lock_guard lock(mutex_);
    running_ = false;
}

bool SlcanAdapter::open() {
    {
        // Device Setup asks every second whether the adapter is there: a
        // line that is open and read needs nothing, least of all a close.
        std::lock_guard turn(commandMutex_);
        std::lock_guard lock(mutex_);
        if (line_ && !lineGone_)
            return true;
    }
    closeLine();
    auto line = SerialLine::open(options_.device, options_.lineBaud);
    if (!line)
        return false;
    {
        std::lock_guard turn(commandMutex_);
        line_ = std::make_unique<SerialLine>(std::move(*line));
    }
    {
        std::lock_guard lock(mutex_);
        lineGone_ = false;
        answers_.clear();
    }
    stopReading_ = false;
    reader_ = std::thread([this] { readLine(); });
    // Any answer, even a refusal of a channel already closed, shows that an
    // adapter is there.
    if (!exchange(kClose)) {
        closeLine();
        return false;
    }
    return true;
}

void SlcanAdapter::readLine() {
    std::array<char, 512> buffer;
    slcan::AnswerReader reader;
    while (!stopReading_) {
        const long got = line_->read(buffer.data(), buffer.size(), kReadWaitMs);
        if (got < 0)
            break;
        reader.feed(std::string_view(buffer.data(), std::size_t(got)),
                    [this](const slcan::Answer& answer) { onAnswer(answer); });
    }
    std::lock_guard lock(mutex_);
    lineGone_ = true;
    answered_.notify_all();
}

void SlcanAdapter::onAnswer(const slcan::Answer& answer) {
    std::lock_guard lock(mutex_);
    switch (answer.kind) {
    case slcan::Answer::Kind::frame: {
        if (!running_)
            return;
        arrivals_.add(answer.frame, nowNs());
        return;
    }
    case slcan::Answer::Kind::unreadable:
        return;
    default:
        answers_.push_back(answer);
        answered_.notify_all();
    }
}

std::optional<slcan::Answer::Kind> SlcanAdapter::exchange(const std::string& text) {
    std::lock_guard turn(commandMutex_);
    if (!line_)
        return std::nullopt;
    std::unique_lock lock(mutex_);
    answers_.clear();
    lock.unlock();
    if (!line_->write(text, kWriteTimeoutMs))
        return std::nullopt;
    lock.lock();
    if (!answered_.wait_for(lock, kAnswerTimeout, [this] { return !answers_.empty() || lineGone_; }) ||
        answers_.empty())
        return std::nullopt;
    const slcan::Answer::Kind kind = answers_.front().kind;
    answers_.pop_front();
    return kind;
}

bool SlcanAdapter::command(const std::string& text) {
    const std::optional<slcan::Answer::Kind> kind = exchange(text);
    return kind && *kind != slcan::Answer::Kind::refused;
}

bool SlcanAdapter::configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) {
    const std::optional<std::string> bitrate = slcan::bitrateCommand(baudRateKbps);
    if (!bitrate || workMode > kMaxWorkMode || (frameType != kStandardFrameType && frameType != kExtendedFrameType))
        return false;
    bool wasRunning = false;
    {
        std::lock_guard lock(mutex_);
        wasRunning = running_;
    }
    // The bit rate can only change while the channel is closed.
    if (!exchange(kClose) || !command(*bitrate))
        return false;
    {
        std::lock_guard lock(mutex_);
        baudRateKbps_ = baudRateKbps;
        listenOnly_ = workMode == 1;
        running_ = false;
    }
    return !wasRunning || start();
}

bool SlcanAdapter::readInfo(AdapterInfo& info) {
    std::lock_guard lock(mutex_);
    if (lineGone_)
        return false;
    info.status = running_ ? 1 : 0;
    info.baudRateKbps = baudRateKbps_;
    info.firmware = 0;
    return true;
}

bool SlcanAdapter::start() {
    bool listenOnly = false;
    {
        std::lock_guard lock(mutex_);
        if (running_)
            return true;
        listenOnly = listenOnly_;
    }
    // A channel some earlier program left open refuses to open again.
    exchange(kClose);
    if (!command(listenOnly ? "L\r" : "O\r"))
        return false;
    std::lock_guard lock(mutex_);
    running_ = true;
    arrivals_.restart(nowNs(), baudRateKbps_);
    return true;
}

bool SlcanAdapter::stop() {
    {
        std::lock_guard lock(mutex_);
        if (!running_)
            return !lineGone_;
        running_ = false;
    }
    return exchange(kClose).has_value();
}

bool SlcanAdapter::receive(FrameRecord* buffer, int capacity, int& count) {
    std::lock_guard lock(mutex_);
    count = 0;
    if (!buffer || lineGone_)
        return false;
    count = arrivals_.take(buffer, capacity);
    return true;
}

bool SlcanAdapter::sendSingle(const CanFrame& frame) {
    if (!isTransmittable(frame))
        return false;
    const std::optional<std::string> text = slcan::frameCommand(wireImage(frame));
    return text && command(*text);
}

bool SlcanAdapter::setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) {
    const std::optional<CyclicFrames> images = cyclicWireImages(frames, count);
    if (!images)
        return false;
    changeSchedule([&](CyclicSchedule& schedule) {
        const bool wasRunning = schedule.running();
        schedule.store(images->data(), count, intervalMs, cycleMs);
        if (wasRunning)
            schedule.start(nowNs());
    });
    return true;
}

bool SlcanAdapter::startCyclic() {
    changeSchedule([](CyclicSchedule& schedule) { schedule.start(nowNs()); });
    return true;
}

bool SlcanAdapter::stopCyclic() {
    changeSchedule([](CyclicSchedule& schedule) { schedule.stop(); });
    return true;
}

void SlcanAdapter::changeSchedule(const std::function<void(CyclicSchedule&)>& change) {
    {
        std::lock_guard lock(cyclicMutex_);
        change(schedule_);
        ++scheduleGeneration_;
    }
    cyclicChanged_.notify_all();
}

void SlcanAdapter::sendCyclic() {
    std::unique_lock lock(cyclicMutex_);
    while (!stopCyclicThread_) {
        if (!schedule_.hasNext()) {
            cyclicChanged_.wait(lock);
            continue;
        }
        const uint64_t dueNs = schedule_.nextRequestNs();
        if (nowNs() < dueNs) {
            cyclicChanged_.wait_until(lock, timePointOf(dueNs));
            continue;
        }
        const CanFrame frame = schedule_.nextFrame();
        const uint64_t generation = scheduleGeneration_;
        lock.unlock();
        // The adapter sends cyclic frames on its own, unreported: a refusal
        // (a full transmit buffer) costs that frame only.
        if (const std::optional<std::string> text = slcan::frameCommand(frame))
            command(*text);
        lock.lock();
        // A schedule replaced or stopped meanwhile starts from its own beginning.
        if (generation == scheduleGeneration_)
            schedule_.markSent(nowNs());
    }
}

AdapterStats SlcanAdapter::stats() {
    std::lock_guard lock(mutex_);
    return arrivals_.stats();
}

}  // namespace vorelin::driver
