// CaptureState.h: the one capture of the process: the store, the rows shown
// of it and the flags the capture commands steer. Every part of the program
// that reads or changes the capture reaches this same instance.
#pragma once

#include "core/FrameStore.h"
#include "core/VisibleRows.h"

#include <atomic>
#include <cstdint>

struct CaptureState {
    CaptureState() = default;
    // A smaller store lets tests reach its limit.
    explicit CaptureState(uint32_t maxRecords) : store(maxRecords) {}

    FrameStore store;
    VisibleRows rows;           // window thread only
    uint32_t filterCursor = 0;  // store records already classified; window thread only

    // Read by the receive thread on every tick, written by the window thread.
    std::atomic<bool> capturing{false};
    // A record or setting changed since the last save; set by both threads.
    std::atomic<bool> dataChanged{false};
    // RecvData calls that failed while capturing: counted by the receive
    // thread, read from any thread, so that an adapter failing during a
    // capture is told rather than taken for a quiet bus.
    std::atomic<uint64_t> failedReceiveCalls{0};
    // The application's twin of the document's clearing flag: set only while
    // Clear All runs, so that no classification pass sees a half-cleared capture.
    bool clearing = false;

    // Empties the store and the shown rows together, so the cursor never
    // points past what the rows were built from.
    void clearEverything() {
        rows.clear();
        store.clear();
        filterCursor = 0;
    }
};
