// ThreadPriority.h: lifts the calling thread above ordinary programs as far
// as the system allows, and reads back what a thread of this process runs
// at, so that a busy machine cannot hold the receive thread back unnoticed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The two ways up, each answering whether the system allowed it.
struct PrioritySetters {
    std::function<bool(int policy, int priority)> realTime;
    std::function<bool(int niceValue)> nice;
};

// Setters that act on the thread that calls them.
PrioritySetters callingThreadPrioritySetters();

// The round-robin real-time class at a low priority: above every ordinary
// thread, below the kernel's interrupt threads (50) and the real-time threads
// of audio servers. Round robin rather than FIFO, so that a thread of ours
// that ran away would still share its CPU with an equal real-time thread.
constexpr int kRaisedRealTimePriority = 5;
// Where real time is refused (no CAP_SYS_NICE, no RLIMIT_RTPRIO, a container):
// a larger share of the CPU among ordinary threads.
constexpr int kRaisedNiceValue = -10;

// Tries real time, then the nice value, and stays as it is when both are
// refused; never fails.
void raiseThreadPriority(const PrioritySetters& setters);

// A thread's scheduling as the system reports it.
struct ThreadPriority {
    int policy = 0;  // SCHED_OTHER, SCHED_RR, ...
    int level = 0;   // the real-time priority, or else the nice value
    bool operator==(const ThreadPriority&) const = default;

    // "SCHED_RR 5", "SCHED_FIFO 1", "nice -10" or "normal".
    std::string text() const;
};

// The thread of this process that carries `name`, none when there is no such
// thread or the system does not say.
std::optional<ThreadPriority> priorityOfThreadNamed(std::string_view name);
