// CaptureFileWriter.h: writes a capture file whole or not at all, records
// streamed straight from the store, so that saving never holds a second copy
// of a capture however large it is.
#pragma once

#include "base/Result.h"
#include "core/PercentProgress.h"
#include "document/CaptureFileFormat.h"

#include <cstdint>
#include <string>
#include <variant>

class FrameStore;

// Writes the first `recordCount` records of `store` with `parts` around them.
// `progress` counts the records as PercentProgress does. On failure the
// target keeps its old contents, and the error (strings::kCannotSaveFile)
// carries the system's reason.
Result<std::monostate> saveCaptureFile(const std::string& path, const CaptureFileParts& parts, const FrameStore& store,
                                       uint32_t recordCount, const ProgressCallback& progress);
