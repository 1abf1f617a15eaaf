// InfoCommand.h: `vorelin-cli info FILE.orx`: a capture file's header fields
// and counts, one "name value" line each, without reading its records.
#pragma once

#include <string_view>
#include <vector>

int runInfoCommand(const std::vector<std::string_view>& args);
