#include "core/ThreadPriority.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <pthread.h>
#include <sched.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

std::optional<ThreadPriority> priorityOfThread(pid_t threadId) {
    const int policy = sched_getscheduler(threadId);
    if (policy < 0)
        return std::nullopt;
    if (policy == SCHED_FIFO || policy == SCHED_RR) {
        sched_param param{};
        if (sched_getparam(threadId, &param) != 0)
            return std::nullopt;
        return ThreadPriority{policy, param.sched_priority};
    }
    // -1 is also a valid nice value: only errno tells a failure.
    errno = 0;
    const int niceValue = getpriority(PRIO_PROCESS, id_t(threadId));
    if (errno != 0)
        return std::nullopt;
    return ThreadPriority{policy, niceValue};
}

}  // namespace

PrioritySetters callingThreadPrioritySetters() {
    return {[](int policy, int priority) {
                sched_param param{};
                param.sched_priority = priority;
                return pthread_setschedparam(pthread_self(), policy, &param) == 0;
            },
            // On Linux a thread id stands for that one thread here.
            [](int niceValue) { return setpriority(PRIO_PROCESS, id_t(gettid()), niceValue) == 0; }};
}

void raiseThreadPriority(const PrioritySetters& setters) {
    if (setters.realTime(SCHED_RR, kRaisedRealTimePriority))
        return;
    setters.nice(kRaisedNiceValue);
}

std::string ThreadPriority::text() const {
    switch (policy) {
    case SCHED_FIFO:
        return "SCHED_FIFO " + std::to_string(level);
    case SCHED_RR:
        return "SCHED_RR " + std::to_string(level);
    default:
        return level == 0 ? "normal" : "nice " + std::to_string(level);
    }
}

std::optional<ThreadPriority> priorityOfThreadNamed(std::string_view name) {
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::ifstream comm(task.path() / "comm");
        std::string threadName;
        if (std::getline(comm, threadName) && threadName == name)
            return priorityOfThread(pid_t(std::stol(task.path().filename().string())));
    }
    return std::nullopt;
}
