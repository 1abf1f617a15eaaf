#include "filters/FilterState.h"

#include "core/CaptureState.h"

void resetCaptureForNewDocument(FilterState& filter, CaptureState& capture) {
    filter.conditions.clear();
    filter.filterActiveWord = 0;
    capture.clearEverything();
    // A new document starts unmodified, whatever the previous capture left.
    capture.dataChanged = false;
}
