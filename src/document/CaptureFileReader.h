// CaptureFileReader.h: opens a capture file and checks its header against
// its size before anything of the open capture is touched, then reads the
// records into the store in large chunks and returns the rest of the file.
#pragma once

#include "base/Result.h"
#include "core/FileReader.h"
#include "core/PercentProgress.h"
#include "document/CaptureFileFormat.h"

#include <cstdint>
#include <string>

class FrameStore;

class CaptureFileReader {
public:
    // Reads the header. Refuses a format version other than 0.0 or 1.0
    // (strings::kNotACaptureFile), a file whose size is not exactly what the
    // header's counts promise or that promises more than
    // kMaxCaptureAutoItems automation items (strings::kDamagedFile), and a
    // file that cannot be read (strings::kCannotReadFile). The error text is
    // a one-line detail.
    static Result<CaptureFileReader> open(const std::string& path);

    const CaptureFileSettings& settings() const { return settings_; }
    uint32_t recordCount() const { return recordCount_; }
    uint32_t conditionCount() const { return conditionCount_; }
    uint32_t autoItemCount() const { return autoItemCount_; }

    // Appends the records to `store`, counting them on `progress` as
    // PercentProgress does, then reads the conditions, the automation items
    // and the manual buffers. Call once. On failure the store holds the
    // records read so far; running out of memory is strings::kCannotReadFile
    // naming the part that did not fit.
    Result<CaptureFileParts> readInto(FrameStore& store, const ProgressCallback& progress);

private:
    CaptureFileReader(FileReader file, const CaptureFileSettings& settings, uint32_t recordCount,
                      uint32_t conditionCount, uint32_t autoItemCount);
    // Exactly `size` bytes, or the reason there are not.
    Result<std::monostate> readExactly(void* out, std::size_t size);
    Result<std::monostate> readRecords(FrameStore& store, const ProgressCallback& progress);

    FileReader file_;
    CaptureFileSettings settings_;
    uint32_t recordCount_ = 0;
    uint32_t conditionCount_ = 0;
    uint32_t autoItemCount_ = 0;
    uint64_t offsetBytes_ = 0;  // bytes read so far, for the damage report
    bool consumed_ = false;
};
