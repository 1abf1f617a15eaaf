// ExportCommand.h: `vorelin-cli export` writes the rows the data list shows
// after opening a file as a text log (or candump log), and `vorelin-cli
// convert` turns a capture file into a candump log and back.
#pragma once

namespace cli {
struct Subcommand;
}

extern const cli::Subcommand kExportCommand;
extern const cli::Subcommand kConvertCommand;
