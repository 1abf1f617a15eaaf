#include "document/CandumpLogWriter.h"

#include "core/AtomicFileWriter.h"
#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "core/VisibleRows.h"
#include "document/CandumpLine.h"

#include <string>

namespace {

// Writes the records at positionOf(0 .. count) and commits.
template <class PositionOf>
Result<std::monostate> writeLines(AtomicFileWriter& out, const FrameStore& store, uint32_t count,
                                  PositionOf positionOf, const ProgressCallback& progress) {
    PercentProgress percent(count, progress);
    bool written = true;
    for (uint32_t i = 0; i < count && written; ++i) {
        percent.before(i);
        const uint32_t position = positionOf(i);
        const FrameRecord& record = store.at(position);
        // Left uncommitted, so the target stays as it was.
        if (std::string fault = candumpLineFault(record); !fault.empty())
            return makeError(strings::kCannotSaveFile, "record " + std::to_string(position) + ": " + fault);
        char line[kMaxCandumpLineChars + 1];
        char* end = writeCandumpLine(line, record);
        *end++ = '\n';
        written = out.write(line, std::size_t(end - line));
    }
    // A failed write is reported by the commit, which also removes the
    // temporary file.
    auto committed = out.commit();
    if (!committed)
        return makeError(strings::kCannotSaveFile, committed.error().text);
    return std::monostate{};
}

}  // namespace

Result<std::monostate> writeCandumpLog(AtomicFileWriter& out, const FrameStore& store, const VisibleRows& rows,
                                       const ProgressCallback& progress) {
    return writeLines(out, store, rows.count(), [&rows](uint32_t row) { return rows.at(row); }, progress);
}

Result<std::monostate> writeCandumpLog(AtomicFileWriter& out, const FrameStore& store,
                                       const ProgressCallback& progress) {
    return writeLines(out, store, store.count(), [](uint32_t position) { return position; }, progress);
}
