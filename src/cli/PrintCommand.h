// PrintCommand.h: `vorelin-cli print` writes the pages File > Print would
// produce for the rows the data list shows after opening a file.
#pragma once

namespace cli {
struct Subcommand;
}

extern const cli::Subcommand kPrintCommand;
