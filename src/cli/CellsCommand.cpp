#include "cli/CellsCommand.h"

#include "cli/CaptureInput.h"
#include "cli/CliSupport.h"
#include "cli/OptionValues.h"
#include "cli/StandardOutput.h"
#include "cli/Subcommand.h"
#include "views/DataListCells.h"

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::string_view kName = "vorelin-cli cells";

constexpr std::string_view kUsage =
    "Usage: vorelin-cli cells --protocol can|devicenet|canopen FRAME...\n"
    "       vorelin-cli cells --protocol can|devicenet|canopen --in FILE\n"
    "\n"
    "Prints the data list's cells for each FRAME as the list shows them under\n"
    "that protocol: one row per line, cells separated by a TAB, no heading,\n"
    "rows numbered from 0, time and bus load 0. With --in, the rows the data\n"
    "list shows after opening FILE (a capture file .orx or a candump log),\n"
    "through the file's own filter conditions.\n"
    "\n"
    "FRAME is <id>#<data> or <id>#R[len]:\n"
    "  123#11223344    (3 hex digits: standard identifier, up to 7FF)\n"
    "  12345678#AA     (8 hex digits: extended identifier, up to 1FFFFFFF)\n"
    "  123#11.22.33    (0 to 8 data bytes as hex pairs, '.' between bytes allowed)\n"
    "  123#R, 123#R4   (remote frame, optional length 0 to 8)\n"
    "\n"
    "Options:\n"
    "  --protocol NAME  (can, devicenet or canopen: the columns to print)\n"
    "  --in FILE        (print the rows of FILE instead of FRAMEs)\n"
    "  -h, --help       (this text)\n"
    "\n"
    "Exit status: 0 on success, 1 when FILE cannot be read, 2 for bad usage,\n"
    "a malformed FRAME or a malformed FILE (then nothing is printed on stdout).\n";

int printFileRows(Protocol protocol, const std::string& path, cli::StandardOutput& output) {
    CaptureInput input;
    if (const int status = loadCaptureInput(kName, path, input); status != cli::kExitOk)
        return status;
    const CaptureState& capture = input.state->capture;
    std::string text;
    // Once the output has failed, the rest of a million rows would reach no one.
    for (uint32_t row = 0; row < capture.rows.count() && !output.hasFailed(); ++row) {
        text.clear();
        appendDataListRow(protocol, row, capture.store.at(capture.rows.at(row)), text);
        text += '\n';
        output.print(text);
    }
    return cli::kExitOk;
}

int runCells(const cli::Arguments& arguments, cli::StandardOutput& output) {
    const auto protocol = cli::protocolValue(arguments);
    if (!protocol)
        return cli::kExitUsage;
    const auto inputPath = arguments.value("--in");
    const std::vector<std::string_view>& frames = arguments.positionals;
    if (inputPath && !frames.empty())
        return cli::reportUsageError(arguments, "give FRAMEs or --in FILE, not both");
    if (inputPath)
        return printFileRows(*protocol, std::string(*inputPath), output);
    if (frames.empty())
        return cli::reportUsageError(arguments, "missing FRAME (see --help)");

    // Every frame is read before the first row is printed: a script gets all
    // rows or none.
    const auto parsed = cli::frameValues(arguments);
    if (!parsed)
        return cli::kExitUsage;

    std::string text;
    for (std::size_t row = 0; row < parsed->size(); ++row) {
        FrameRecord record;
        record.frame = (*parsed)[row];
        appendDataListRow(*protocol, uint32_t(row), record, text);
        text += '\n';
    }
    output.print(text);
    return cli::kExitOk;
}

constexpr cli::Option kOptions[] = {
    {"--protocol", cli::OptionKind::requiredValue},
    {"--in"},
};

}  // namespace

const cli::Subcommand kCellsCommand = {
    .name = kName,
    .summary = "print the data list's cells for frames given as 123#11223344, or of a file",
    .usage = kUsage,
    .options = kOptions,
    // How many FRAMEs are needed depends on --in, so runCells counts them.
    .positionals = {0, cli::kAnyNumber, "FRAME"},
    .run = runCells,
};
