#include "filters/ClassifyPass.h"

#include "core/CaptureState.h"
#include "filters/CompiledConditions.h"
#include "filters/FilterState.h"

namespace {

void showEveryRecord(CaptureState& capture, uint32_t end) {
    for (uint32_t position = capture.filterCursor; position < end; ++position)
        capture.rows.append(position);
}

}  // namespace

void classifyPass(CaptureState& capture, const FilterState& filter) {
    if (capture.clearing)
        return;
    const uint32_t n = capture.store.count();
    if (n == 0)
        return;
    if (!filter.filterActive()) {
        showEveryRecord(capture, n);
    } else {
        const CompiledConditions compiled(filter.conditions);
        // An active filter without an enabled condition (a capture file can
        // hold one) would hide every frame in Show mode; no tick means no filter.
        if (!compiled.hasEnabledConditions()) {
            showEveryRecord(capture, n);
        } else {
            // Any mode but Show hides, as the dialogs show it.
            const bool showMatching = filter.filterMode == FILTER_SHOW;
            for (uint32_t position = capture.filterCursor; position < n; ++position) {
                if (compiled.matchesAny(capture.store.at(position).frame) == showMatching)
                    capture.rows.append(position);
            }
        }
    }
    capture.filterCursor = n;
}
