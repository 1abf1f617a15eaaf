// CaptureCommand.h: `vorelin-cli capture`: a short live capture whose three
// counts tell whether the capture path keeps up with the bus.
#pragma once

#include <string_view>
#include <vector>

int runCaptureCommand(const std::vector<std::string_view>& args);
