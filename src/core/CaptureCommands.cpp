#include "core/CaptureCommands.h"

#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "core/MessageSink.h"
#include "core/ShownRowsView.h"
#include "core/StringTable.h"
#include "driver/KeshApi.h"

namespace {

void runAdapter(MessageSink& messages) {
    if (RunKESH() == 0)
        messages.show(applicationMessage(strings::kCannotRunDevice, MessageIcon::None));
}

}  // namespace

void startCapture(CaptureState& capture, bool deviceConfigured, MessageSink& messages) {
    if (!deviceConfigured) {
        messages.show(applicationMessage(strings::kDeviceError, MessageIcon::Stop));
        return;
    }
    runAdapter(messages);
    capture.capturing.store(true, std::memory_order_release);
}

void resumeLoadedCapture(const CaptureState& capture, MessageSink& messages) {
    if (capture.capturing.load(std::memory_order_acquire))
        runAdapter(messages);
}

void stopCapture(CaptureState& capture) { capture.capturing.store(false, std::memory_order_release); }

void clearAll(CaptureState& capture, CDataDoc& document, ShownRowsView* view) {
    document.clearing = true;
    capture.clearing = true;
    // Keeping the receive timer away is not enough on its own: a tick may be
    // appending right now. The store's clear waits it out, and records the
    // tick fetched before the clear are discarded rather than shown afterwards.
    const bool wasCapturing = capture.capturing.exchange(false, std::memory_order_acq_rel);
    capture.rows.clear();
    if (view)
        view->resetShownRows();
    capture.store.clear();
    capture.filterCursor = 0;
    if (wasCapturing)
        capture.capturing.store(true, std::memory_order_release);
    capture.clearing = false;
    document.clearing = false;
}

bool isCaptureEnabled(const CaptureState& capture) { return !capture.capturing.load(std::memory_order_acquire); }
bool isStopEnabled(const CaptureState& capture) { return capture.capturing.load(std::memory_order_acquire); }
