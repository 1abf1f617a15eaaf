// ReceiveTimer.h: the 1 ms receive timer. A thread of its own runs the
// receive tick at absolute 1 ms deadlines from the first document on, for the
// rest of the process; it touches only the capture, never a document.
#pragma once

#include "core/PeriodicThread.h"

struct CaptureState;

class ReceiveTimer {
public:
    explicit ReceiveTimer(CaptureState& capture);

    // Starts the timer; later calls (further documents) change nothing.
    void start() { thread_.start(); }
    void stop() { thread_.stop(); }
    bool isRunning() const { return thread_.isRunning(); }
    const PeriodicThread& thread() const { return thread_; }

private:
    PeriodicThread thread_;
};
