// CellsCommand.h: `vorelin-cli cells`: the data list's cell texts for frames
// given on the command line, so scripts and tests see what the list shows.
#pragma once

#include <string_view>
#include <vector>

int runCellsCommand(const std::vector<std::string_view>& args);
