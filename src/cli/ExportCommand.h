// ExportCommand.h: `vorelin-cli export` writes the rows the data list shows
// after opening a file as a text log (or candump log), and `vorelin-cli
// convert` turns a capture file into a candump log and back.
#pragma once

#include <string_view>
#include <vector>

int runExportCommand(const std::vector<std::string_view>& args);
int runConvertCommand(const std::vector<std::string_view>& args);
