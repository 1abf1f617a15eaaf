#include "cli/InfoCommand.h"

#include "cli/CliSupport.h"
#include "cli/StandardOutput.h"
#include "cli/Subcommand.h"
#include "document/CaptureFileReader.h"

#include <charconv>
#include <string>

namespace {

constexpr std::string_view kName = "vorelin-cli info";

constexpr std::string_view kUsage =
    "Usage: vorelin-cli info FILE.orx\n"
    "\n"
    "Prints the header of a capture file, one 'name value' line per field in\n"
    "the order of the file, the three counts included:\n"
    "  format_version, auto_cycle_ms, auto_interval_ms, capturing, configured,\n"
    "  baud_rate_kbps, work_mode, filter_identifier_seed, protocol,\n"
    "  data_list_open, chart_open, chart_mode, hex_format, records, conditions,\n"
    "  filter_active_word, filter_mode, frame_type, auto_items\n"
    "\n"
    "Options:\n"
    "  -h, --help  (this text)\n"
    "  --          (ends the options, for a file whose name starts with '-')\n"
    "\n"
    "Exit status: 0 on success, 1 when FILE cannot be read, 2 for bad usage\n"
    "or a file that is not a whole capture file.\n";

std::string shortestFloat(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

int runInfo(const cli::Arguments& arguments, cli::StandardOutput& output) {
    const std::string_view path = arguments.positionals.front();
    const auto file = CaptureFileReader::open(std::string(path));
    if (!file) {
        cli::reportCaptureFileError(kName, path, file.error());
        return cli::captureFileExitStatus(file.error());
    }
    const CaptureFileSettings& header = file->settings();
    const std::pair<const char*, std::string> fields[] = {
        {"format_version", shortestFloat(header.formatVersion)},
        {"auto_cycle_ms", std::to_string(header.autoCycleMs)},
        {"auto_interval_ms", std::to_string(header.autoIntervalMs)},
        {"capturing", std::to_string(header.capturing)},
        {"configured", std::to_string(header.configured)},
        {"baud_rate_kbps", std::to_string(header.baudRateKbps)},
        {"work_mode", std::to_string(header.workMode)},
        {"filter_identifier_seed", std::to_string(header.filterIdentifierSeed)},
        {"protocol", std::to_string(header.protocol)},
        {"data_list_open", std::to_string(header.dataListOpen)},
        {"chart_open", std::to_string(header.chartOpen)},
        {"chart_mode", std::to_string(header.chartMode)},
        {"hex_format", std::to_string(header.hexFormat)},
        {"records", std::to_string(file->recordCount())},
        {"conditions", std::to_string(file->conditionCount())},
        {"filter_active_word", std::to_string(header.filterActiveWord)},
        {"filter_mode", std::to_string(header.filterMode)},
        {"frame_type", std::to_string(header.frameType)},
        {"auto_items", std::to_string(file->autoItemCount())},
    };
    for (const auto& [name, value] : fields)
        output.print(std::string(name) + ' ' + value + '\n');
    return cli::kExitOk;
}

}  // namespace

const cli::Subcommand kInfoCommand = {
    .name = kName,
    .summary = "print a capture file's header",
    .usage = kUsage,
    .options = {},
    .positionals = {1, 1, "FILE"},
    .run = runInfo,
};
