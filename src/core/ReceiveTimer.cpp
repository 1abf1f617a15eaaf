#include "core/ReceiveTimer.h"

#include "core/ReceiveTick.h"

#include <chrono>

ReceiveTimer::ReceiveTimer(CaptureState& capture)
    : thread_(std::chrono::milliseconds(1), [&capture] { runReceiveTick(capture); }) {}
