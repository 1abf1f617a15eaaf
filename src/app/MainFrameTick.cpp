#include "app/MainFrameTick.h"

#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "filters/ClassifyPass.h"

void runMainFrameTick(CaptureState& capture, const FilterState& filter, CDataDoc* activeDocument) {
    classifyPass(capture, filter);
    if (activeDocument && capture.dataChanged.load(std::memory_order_relaxed))
        activeDocument->SetModifiedFlag(true);
}
