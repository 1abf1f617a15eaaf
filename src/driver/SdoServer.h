// SdoServer.h: how the simulated CANopen nodes 1..5 answer an SDO request,
// whether the simulated master asks or the adapter itself sends the request.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>
#include <optional>

namespace vorelin::driver {

constexpr uint8_t kCanopenNodeCount = 5;

// The addressed node's response, or nothing when the frame is no SDO
// request to one of the simulated nodes.
std::optional<CanFrame> answerSdoRequest(const CanFrame& request);

}  // namespace vorelin::driver
