// OptionValues.h: an option's value read as a number or as one of a few
// names, a bad one reported as every subcommand reports it:
// "vorelin-cli SUB: bad value 'x' for --option (expected ...)".
#pragma once

#include <optional>
#include <string_view>

enum class Protocol : int;
enum class ExportFormat;

namespace cli {

struct Arguments;

// Each reads the value `option` was given, or its fallback; the subcommand
// describes the option as required or with a fallback. nullopt after
// reporting a value that is not one of those expected.

std::optional<double> decimalValue(const Arguments& arguments, std::string_view option, double min, double max);

// --protocol: can, devicenet or canopen.
std::optional<Protocol> protocolValue(const Arguments& arguments);

// --format: text (the text log of File > Export) or candump.
std::optional<ExportFormat> exportFormatValue(const Arguments& arguments);

}  // namespace cli
