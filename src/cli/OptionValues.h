// OptionValues.h: an option's value read as a number, as one of a few names
// or as the adapter it names, a bad one reported as every subcommand reports
// it: "vorelin-cli SUB: bad value 'x' for --option (expected ...)"; and the
// FRAME arguments read as frames.
#pragma once

#include "base/FrameRecord.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

enum class Protocol : int;
enum class ExportFormat;
enum class PrintFileFormat;
struct PrintFileSettings;

namespace vorelin::driver {
class Backend;
}

namespace cli {

struct Arguments;

// Each reads the value `option` was given, or its fallback; the subcommand
// describes the option as required or with a fallback. nullopt after
// reporting a value that is not one of those expected.

std::optional<double> decimalValue(const Arguments& arguments, std::string_view option, double min, double max);

// Decimal digits only: no sign, no fraction.
// --baud: none when left out; false, after reporting it, for a bad value.
bool baudRateValue(const Arguments& arguments, std::optional<uint32_t>& baudRateKbps);

std::optional<uint32_t> wholeNumberValue(const Arguments& arguments, std::string_view option, uint32_t min,
                                         uint32_t max);

// --adapter, else $VORELIN_ADAPTER, else "sim", made into its backend; null
// after reporting a selector that names no adapter (a fault of usage).
std::shared_ptr<vorelin::driver::Backend> adapterValue(const Arguments& arguments);

// Every positional argument in the 123#1122 frame syntax (protocol/FrameSyntax.h);
// nullopt after reporting the first malformed one as a fault of usage.
std::optional<std::vector<CanFrame>> frameValues(const Arguments& arguments);

// --protocol: can, devicenet or canopen.
std::optional<Protocol> protocolValue(const Arguments& arguments);

// --format: text (the text log of File > Export) or candump.
std::optional<ExportFormat> exportFormatValue(const Arguments& arguments);

// print's --format: pdf or text.
std::optional<PrintFileFormat> printFormatValue(const Arguments& arguments);

// print's --pages A-B (or one page A) and --font FAMILY,POINTS into
// `settings`, which keeps what an absent option leaves; false after
// reporting a bad value.
bool readPrintSettings(const Arguments& arguments, PrintFileSettings& settings);

}  // namespace cli
