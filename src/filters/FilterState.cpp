#include "filters/FilterState.h"

#include "core/CaptureState.h"

void resetFilterForNewDocument(FilterState& filter, CaptureState& capture) {
    filter.conditions.clear();
    filter.filterActiveWord = 0;
    capture.rows.clear();
    capture.filterCursor = 0;
}
