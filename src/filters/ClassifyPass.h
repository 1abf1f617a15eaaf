// ClassifyPass.h: turns the records stored since the previous pass into
// shown rows, oldest first. Each record is classified once, by the first pass
// that sees it.
#pragma once

struct CaptureState;

// Takes the store's count once: records appended during the pass wait for
// the next one. Skipped while Clear All runs.
void classifyPass(CaptureState& capture);
