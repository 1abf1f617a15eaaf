// CyclicCommand.h: `vorelin-cli cyclic`: frames the adapter sends on its own
// for a while, as the automation messages have it do, printed as they went out.
#pragma once

namespace cli {
struct Subcommand;
}

extern const cli::Subcommand kCyclicCommand;
