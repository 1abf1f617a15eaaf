#include "core/ReceiveTimer.h"

#include "core/ReceiveTick.h"
#include "core/ThreadPriority.h"

#include <chrono>
#include <cstdlib>
#include <pthread.h>
#include <string_view>

namespace {

bool keepsNormalPriority() {
    const char* wanted = std::getenv("VORELIN_RECEIVE_PRIORITY");
    return wanted && std::string_view(wanted) == "normal";
}

}  // namespace

ReceiveTimer::ReceiveTimer(CaptureState& capture)
    : thread_(
          std::chrono::milliseconds(1), [&capture] { runReceiveTick(capture); },
          [raise = !keepsNormalPriority()] {
              if (raise)
                  raiseThreadPriority(callingThreadPrioritySetters());
              // Named last: whoever finds the thread by its name sees its final priority.
              pthread_setname_np(pthread_self(), kReceiveThreadName);
          }) {}
