// CandumpLogReader.h: loads a candump log into the capture store. The whole
// file is checked before anything is stored, so a damaged log never
// replaces the capture that is open.
#pragma once

#include "base/Result.h"
#include "core/PercentProgress.h"

#include <cstdint>
#include <string>
#include <variant>

class FrameStore;

class CandumpLogReader {
public:
    // Reads the whole file once and checks every line. A malformed line, or a
    // frame later than a record's minutes can hold after the first frame, is
    // strings::kDamagedFile with "line N: " and what is wrong; a file that
    // cannot be read is strings::kCannotReadFile with the system's reason.
    static Result<CandumpLogReader> open(const std::string& path);

    // Frame lines in the file; blank lines do not count.
    uint64_t frameCount() const { return frameCount_; }

    // Reads the file again and appends its frames with times relative to the
    // first frame and bus load 0, telling progress per frame by the percent
    // rule. Fails when the file can no longer be read or has changed since
    // open(); frames appended before the failure stay in the store.
    Result<std::monostate> appendTo(FrameStore& store, const ProgressCallback& progress);

private:
    CandumpLogReader(std::string path, uint64_t frameCount, uint64_t firstTimeUs);

    std::string path_;
    uint64_t frameCount_ = 0;
    uint64_t firstTimeUs_ = 0;
};
