// AdaptersCommand.h: `vorelin-cli adapters`: the CAN adapters this machine
// has, one "SELECTOR description" line each, the selector as --adapter takes it.
#pragma once

namespace cli {
struct Subcommand;
}

extern const cli::Subcommand kAdaptersCommand;
