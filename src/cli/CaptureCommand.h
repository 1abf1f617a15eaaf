// CaptureCommand.h: `vorelin-cli capture`: a short live capture whose three
// counts tell whether the capture path keeps up with the bus.
#pragma once

namespace cli {
struct Subcommand;
}

extern const cli::Subcommand kCaptureCommand;
