// ReceiveTick.h: one tick of the receive timer: fetch what the adapter has
// received and append it to the store, oldest first.
#pragma once

#include <cstdint>

struct CaptureState;

struct ReceiveTickResult {
    uint32_t received = 0;  // records the adapter handed over
    uint32_t stored = 0;    // of those, appended to the store
    uint32_t calls = 0;     // RecvData calls made
};

// A full batch of 18 means more may be queued in the adapter: ask again
// within this tick, up to this many times, or the adapter's FIFO overflows at
// full bus load. 64 batches (1152 frames) drain any FIFO a real adapter has.
constexpr uint32_t kMaxReceiveCallsPerTick = 64;

// Does nothing while the capture is stopped. Runs on the receive thread. A
// failed RecvData ends the tick and is counted in the capture's failedReceiveCalls.
ReceiveTickResult runReceiveTick(CaptureState& capture);
