#include "document/CandumpLogReader.h"

#include "base/RecordTime.h"
#include "core/FileReader.h"
#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "document/CandumpFrameLines.h"

#include <memory>
#include <string>

namespace {

// Records handed to the store at a time, so it takes its lock once per batch.
constexpr uint32_t kBatchRecords = 512;

constexpr uint64_t kUsPerMinute = 60'000'000;

// The store refuses frames when it is full or memory runs out.
Error notStored(uint64_t frameNumber) {
    return makeError(strings::kCannotReadFile, "frame " + std::to_string(frameNumber) + " could not be stored");
}

Result<CandumpFrameLines> openLines(const std::string& path) {
    auto opened = FileReader::open(path);
    if (!opened)
        return makeError(strings::kCannotReadFile, opened.error().text);
    auto file = std::make_shared<FileReader>(std::move(*opened));
    return CandumpFrameLines([file](char* out, std::size_t size) -> Result<std::size_t> {
        const std::size_t got = file->readSome(out, size);
        if (got == 0 && !file->errorText().empty())
            return makeError(strings::kCannotReadFile, file->errorText());
        return got;
    });
}

// A record holds 2^32 - 1 minutes; twelve digits of seconds reach further.
bool fitsRecordTime(uint64_t timeUs, uint64_t firstTimeUs) {
    return timeUs <= firstTimeUs || (timeUs - firstTimeUs) / kUsPerMinute <= UINT32_MAX;
}

Error tooLate(uint64_t lineNumber) {
    return makeError(strings::kDamagedFile, "line " + std::to_string(lineNumber) + ": more than " +
                                                std::to_string(UINT32_MAX) + " minutes after the first frame");
}

// The frame's time relative to the first frame, which fitsRecordTime passes.
FrameRecord recordAt(const CandumpFrame& line, uint64_t firstTimeUs) {
    // Logs need not be in time order (merged or re-sorted by hand); a frame
    // stamped before the first one cannot show a negative time and shows 0.
    const uint64_t us = line.timeUs > firstTimeUs ? line.timeUs - firstTimeUs : 0;
    FrameRecord record;
    setRecordTime(record, us);
    record.frame = line.frame;
    return record;
}

}  // namespace

CandumpLogReader::CandumpLogReader(std::string path, uint64_t frameCount, uint64_t firstTimeUs)
    : path_(std::move(path)), frameCount_(frameCount), firstTimeUs_(firstTimeUs) {}

Result<CandumpLogReader> CandumpLogReader::open(const std::string& path) {
    auto lines = openLines(path);
    if (!lines)
        return lines.error();
    uint64_t count = 0;
    uint64_t firstTimeUs = 0;
    CandumpFrame frame;
    for (;;) {
        auto more = lines->next(frame);
        if (!more)
            return more.error();
        if (!*more)
            break;
        if (count == 0)
            firstTimeUs = frame.timeUs;
        if (!fitsRecordTime(frame.timeUs, firstTimeUs))
            return tooLate(lines->lineNumber());
        ++count;
    }
    if (count > FrameStore::kMaxRecords)
        return makeError(strings::kCannotReadFile, "more frames than a capture can hold (" +
                                                       std::to_string(FrameStore::kMaxRecords) + ")");
    return CandumpLogReader(path, count, firstTimeUs);
}

Result<std::monostate> CandumpLogReader::appendTo(FrameStore& store, const ProgressCallback& progress) {
    auto lines = openLines(path_);
    if (!lines)
        return lines.error();
    const Error changed = makeError(strings::kDamagedFile, "the file changed while it was loaded");
    PercentProgress percent(frameCount_, progress);
    const uint64_t generation = store.generation();
    auto batch = std::make_unique<FrameRecord[]>(kBatchRecords);
    uint32_t batched = 0;
    uint64_t appended = 0;
    auto flush = [&]() {
        percent.beforeRange(appended, appended + batched);
        const uint32_t stored = store.appendBatch(batch.get(), batched, generation);
        appended += stored;
        const bool complete = stored == batched;
        batched = 0;
        return complete;
    };
    CandumpFrame frame;
    for (uint64_t index = 0;; ++index) {
        auto more = lines->next(frame);
        if (!more)
            return more.error();
        if (!*more)
            break;
        if (index == frameCount_ || !fitsRecordTime(frame.timeUs, firstTimeUs_))
            return changed;
        batch[batched++] = recordAt(frame, firstTimeUs_);
        if (batched == kBatchRecords && !flush())
            return notStored(appended + 1);
    }
    if (batched > 0 && !flush())
        return notStored(appended + 1);
    if (appended != frameCount_)
        return changed;
    return std::monostate{};
}
