#include "filters/ApplyFilter.h"

#include "core/CaptureState.h"
#include "core/ShownRowsView.h"
#include "filters/ClassifyPass.h"
#include "filters/FilterFlags.h"
#include "filters/FilterState.h"

#include <cstring>

namespace {

// FilterCondition has no padding of the compiler's (its layout is asserted
// field by field), so comparing bytes compares every field.
bool sameConditions(const std::vector<FilterCondition>& a, const std::vector<FilterCondition>& b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(a[0])) == 0);
}

}  // namespace

void applyFilter(CaptureState& capture, FilterState& filter, std::vector<FilterCondition> workingConditions,
                 bool showSelected, std::span<const bool> rowTicks, ShownRowsView* view) {
    const uint32_t mode = showSelected ? FILTER_SHOW : FILTER_HIDE;
    // Counting only ticks that enabled a condition: a stray tick must not
    // make an active filter of no conditions, which in Show mode hides everything.
    bool anyEnabled = false;
    for (std::size_t i = 0; i < workingConditions.size(); ++i) {
        const bool ticked = i < rowTicks.size() && rowTicks[i];
        if (ticked)
            workingConditions[i].flags |= FC_ENABLED;
        else
            workingConditions[i].flags &= ~FC_ENABLED;
        anyEnabled = anyEnabled || ticked;
    }

    const bool changed = mode != filter.filterMode || anyEnabled != filter.filterActive() ||
                         !sameConditions(workingConditions, filter.conditions);
    filter.filterMode = mode;
    filter.setFilterActive(anyEnabled);
    filter.conditions = std::move(workingConditions);
    // The saved capture holds the conditions, their ticks and the mode.
    if (changed)
        capture.dataChanged.store(true, std::memory_order_relaxed);

    capture.rows.clear();
    capture.filterCursor = 0;
    if (view)
        view->resetShownRows();
    classifyPass(capture, filter);
    if (view)
        view->showRowCount(capture.rows.count());
}
