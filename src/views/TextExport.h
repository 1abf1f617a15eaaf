// TextExport.h: writes the shown rows as a text log in the layout of the
// current protocol, a file meant to be read by people and compared byte for
// byte: header block, one line per row, closing block, CR LF line breaks.
#pragma once

#include "base/Result.h"
#include "core/PercentProgress.h"
#include "protocol/Protocol.h"

#include <string>
#include <string_view>
#include <variant>

class AtomicFileWriter;
class FrameStore;
class VisibleRows;

// The time the log's header shows, "%Y-%m-%d %H:%M:%S": now in local time,
// or the instant SOURCE_DATE_EPOCH names, in UTC, so that a build or a test
// can make the file reproducible.
std::string exportDateTime();

// Writes the whole log and then commits `out`: the target is replaced only
// when every byte was written. A failed write or commit leaves the target as
// it was and returns strings::kCannotSaveFile with the system's reason; `out`
// is finished either way. Progress is told per row by the percent rule, and
// only when there is at least one row.
Result<std::monostate> writeTextExport(AtomicFileWriter& out, Protocol protocol, const FrameStore& store,
                                       const VisibleRows& rows, std::string_view dateTime,
                                       const ProgressCallback& progress);
