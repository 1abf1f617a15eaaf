// The receive thread lifts its own priority as far as the system allows, in
// a fixed order, and never fails when refused.
#include "core/CaptureState.h"
#include "core/ReceiveTimer.h"
#include "core/ThreadPriority.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <sched.h>
#include <string>
#include <thread>
#include <vector>

namespace {

// What a new thread of this process runs at, after `prepare`.
std::optional<ThreadPriority> priorityOfNewThread(void (*prepare)()) {
    std::optional<ThreadPriority> priority;
    std::thread probe([&] {
        pthread_setname_np(pthread_self(), "priority-probe");
        prepare();
        priority = priorityOfThreadNamed("priority-probe");
    });
    probe.join();
    return priority;
}

std::optional<ThreadPriority> priorityOfRunningReceiveTimer() {
    CaptureState capture;
    ReceiveTimer timer(capture);
    timer.start();
    // The thread names itself and sets its priority before its first tick.
    while (timer.thread().tickCount() == 0)
        std::this_thread::yield();
    return priorityOfThreadNamed(kReceiveThreadName);
}

}  // namespace

TEST(ThreadPriority, RaisingTriesRealTimeThenNiceAndStopsAtTheFirstAllowed) {
    const struct {
        const char* name;
        bool realTimeAllowed;
        bool niceAllowed;
        std::vector<std::string> tried;
    } rows[] = {
        {"real_time_allowed", true, true, {"SCHED_RR 5"}},
        {"real_time_refused", false, true, {"SCHED_RR 5", "nice -10"}},
        {"both_refused", false, false, {"SCHED_RR 5", "nice -10"}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> tried;
        raiseThreadPriority({[&](int policy, int priority) {
                                 tried.push_back((policy == SCHED_RR ? "SCHED_RR " : "policy ") +
                                                 std::to_string(priority));
                                 return row.realTimeAllowed;
                             },
                             [&](int niceValue) {
                                 tried.push_back("nice " + std::to_string(niceValue));
                                 return row.niceAllowed;
                             }});
        EXPECT_EQ(tried, row.tried) << row.name;
    }
}

TEST(ReceiveTimer, ItsThreadRunsRaisedUnlessToldToStayNormal) {
    const auto inherited = priorityOfNewThread([] {});
    const auto raised = priorityOfNewThread([] { raiseThreadPriority(callingThreadPrioritySetters()); });
    ASSERT_TRUE(inherited && raised) << "the system does not tell a thread's priority";
    {
        ScopedEnvironment normal("VORELIN_RECEIVE_PRIORITY", "normal");
        EXPECT_EQ(priorityOfRunningReceiveTimer(), inherited);
    }
    if (raised == inherited)
        GTEST_SKIP() << "this system refuses both a real-time priority and a negative nice value";
    ScopedEnvironment unset("VORELIN_RECEIVE_PRIORITY", nullptr);
    EXPECT_EQ(priorityOfRunningReceiveTimer(), raised) << raised->text();
}
