#include "filters/ClassifyPass.h"

#include "core/CaptureState.h"

void classifyPass(CaptureState& capture) {
    if (capture.clearing)
        return;
    const uint32_t n = capture.store.count();
    if (n == 0)
        return;
    for (uint32_t position = capture.filterCursor; position < n; ++position)
        capture.rows.append(position);
    capture.filterCursor = n;
}
