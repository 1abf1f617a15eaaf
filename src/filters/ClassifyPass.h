// ClassifyPass.h: turns the records stored since the previous pass into
// shown rows, oldest first. Each record is classified once, by the first pass
// that sees it; only a rebuild from cursor 0 applies new conditions to old
// records.
#pragma once

struct CaptureState;
struct FilterState;

// Takes the store's count once: records appended during the pass wait for
// the next one. Skipped while Clear All runs. With the filter active, Show
// mode keeps the records that match an enabled condition and Hide mode those
// that match none; with no enabled condition every record is shown.
void classifyPass(CaptureState& capture, const FilterState& filter);
