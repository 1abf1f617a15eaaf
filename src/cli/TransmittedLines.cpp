#include "cli/TransmittedLines.h"

#include "base/RecordTime.h"
#include "cli/StandardOutput.h"
#include "document/CandumpLine.h"
#include "driver/Backend.h"

#include <algorithm>
#include <string>
#include <thread>

namespace cli {

namespace {

using Clock = std::chrono::steady_clock;

// The simulated adapter keeps its latest 65536 frames, which even a full
// 1 Mbit/s bus takes three seconds to send.
constexpr auto kFetchEvery = std::chrono::seconds(1);
// Frames that are about to go out are looked for sooner.
constexpr auto kAwaitStep = std::chrono::milliseconds(10);

}  // namespace

TransmittedLines::TransmittedLines(vorelin::driver::Backend& adapter, StandardOutput& output)
    : adapter_(adapter), output_(output), told_(adapter.tellsTransmitted()), lastFetch_(Clock::now()) {}

void TransmittedLines::printNew() {
    lastFetch_ = Clock::now();
    if (!told_)
        return;
    const vorelin::driver::TransmittedFrames sent = adapter_.transmitted();
    if (sent.total <= fetched_)
        return;
    const uint64_t fresh = sent.total - fetched_;
    const uint64_t kept = std::min<uint64_t>(fresh, sent.recent.size());
    missed_ += fresh - kept;
    fetched_ = sent.total;
    std::string text;
    for (auto frame = sent.recent.end() - std::ptrdiff_t(kept); frame != sent.recent.end(); ++frame) {
        FrameRecord record;
        record.frame = frame->frame;
        setRecordTime(record, frame->busTimeUs);
        if (!candumpLineFault(record).empty()) {
            ++unwritable_;
            continue;
        }
        char line[kMaxCandumpLineChars + 1];
        char* end = writeCandumpLine(line, record);
        *end++ = '\n';
        text.append(line, end);
    }
    output_.print(text);
}

void TransmittedLines::printUntil(Clock::time_point until) {
    for (;;) {
        const Clock::time_point nextFetch = lastFetch_ + kFetchEvery;
        if (until <= nextFetch) {
            std::this_thread::sleep_until(until);
            return;
        }
        std::this_thread::sleep_until(nextFetch);
        printNew();
    }
}

bool TransmittedLines::awaitTotal(uint64_t total, Clock::time_point deadline) {
    if (!told_)
        return true;
    for (;;) {
        printNew();
        if (fetched_ >= total)
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_until(std::min(deadline, Clock::now() + kAwaitStep));
    }
}

Result<std::monostate> TransmittedLines::fault() const {
    if (missed_ > 0)
        return makeError(std::to_string(missed_) + " frames went out but were gone from the adapter's list of sent "
                                                   "frames before they could be printed");
    if (unwritable_ > 0)
        return makeError("the adapter told of " + std::to_string(unwritable_) +
                         " sent frames that a candump line cannot hold");
    return std::monostate{};
}

}  // namespace cli
