// SendCommand.h: `vorelin-cli send`: frames sent one by one with
// SendSingleData, as Manual Message sends them, and printed as they went out.
#pragma once

namespace cli {
struct Subcommand;
}

extern const cli::Subcommand kSendCommand;
