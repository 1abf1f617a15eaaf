// ReceiveTimer.h: the 1 ms receive timer. A thread of its own runs the
// receive tick at absolute 1 ms deadlines from the first document on, for the
// rest of the process; it touches only the capture, never a document.
#pragma once

#include "core/PeriodicThread.h"

struct CaptureState;

// The receive thread's name, as `ps -L` and priorityOfThreadNamed see it.
constexpr const char* kReceiveThreadName = "vorelin-receive";

// The thread raises its own priority (see ThreadPriority.h) where the system
// allows it: an adapter's FIFO holds a few dozen milliseconds of a busy bus,
// and ordinary busy programs can keep an ordinary thread off the CPU longer.
// A real-time priority is safe only because a tick is short and bounded (at
// most kMaxReceiveCallsPerTick driver calls), so the thread sleeps for most
// of every millisecond. VORELIN_RECEIVE_PRIORITY=normal, read when the timer
// is made, keeps the thread at the priority of the others.
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
