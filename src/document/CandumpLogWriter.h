// CandumpLogWriter.h: saves a capture as a candump log, one line per frame
// ending in LF as the format has it, either the rows the list shows or every
// record of the store.
#pragma once

#include "base/Result.h"
#include "core/PercentProgress.h"

#include <variant>

class AtomicFileWriter;
class FrameStore;
class VisibleRows;

// Both write every line, a final LF included, and then commit `out`: the
// target is replaced only when all of it was written. A failed write or
// commit leaves the target as it was and returns strings::kCannotSaveFile
// with the system's reason; `out` is finished either way. A record that no
// line can hold (candumpLineFault) is strings::kCannotSaveFile naming it by
// its store position, "record 17: ...", with `out` left uncommitted for its
// owner to drop. Progress is told per frame by the percent rule, and only
// when there is at least one frame.
Result<std::monostate> writeCandumpLog(AtomicFileWriter& out, const FrameStore& store, const VisibleRows& rows,
                                       const ProgressCallback& progress);
Result<std::monostate> writeCandumpLog(AtomicFileWriter& out, const FrameStore& store,
                                       const ProgressCallback& progress);
