// InfoCommand.h: `vorelin-cli info FILE.orx`: a capture file's header fields
// and counts, one "name value" line each, without reading its records.
#pragma once

namespace cli {
struct Subcommand;
}

extern const cli::Subcommand kInfoCommand;
