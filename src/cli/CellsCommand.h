// CellsCommand.h: `vorelin-cli cells`: the data list's cell texts for frames
// given on the command line, so scripts and tests see what the list shows.
#pragma once

namespace cli {
struct Subcommand;
}

extern const cli::Subcommand kCellsCommand;
