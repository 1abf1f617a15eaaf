// CaptureCommands.h: the Capture, Stop and Clear All commands, and when the
// first two are enabled. The window layer scrolls and repaints around them.
#pragma once

struct CaptureState;
class CDataDoc;
class MessageSink;
class ShownRowsView;

// Capture: refuses with message 5000 while the device is not configured;
// otherwise starts the adapter and captures, telling the user (message 5001)
// when the adapter did not start: capture is then on all the same, so that
// Stop and Capture retry it.
void startCapture(CaptureState& capture, bool deviceConfigured, MessageSink& messages);

// A capture file saved while capturing reopens capturing. The document that
// closed for it stopped the adapter, so it is started again and new frames
// follow the loaded ones; message 5001 when it does not start, with capture
// left on as the file says, so that Stop and Capture retry it.
void resumeLoadedCapture(const CaptureState& capture, MessageSink& messages);

// Stop: the adapter keeps running; the receive timer only stops fetching.
void stopCapture(CaptureState& capture);

// Clear All: empties the capture and the view's rows, whether capturing or
// not, and leaves the capture state as it was. Waits out an append in progress.
void clearAll(CaptureState& capture, CDataDoc& document, ShownRowsView* view);

bool isCaptureEnabled(const CaptureState& capture);
bool isStopEnabled(const CaptureState& capture);
