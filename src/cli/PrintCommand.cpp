#include "cli/PrintCommand.h"

#include "cli/CaptureInput.h"
#include "cli/CliSupport.h"
#include "cli/OptionValues.h"
#include "cli/Subcommand.h"
#include "document/PrintedFile.h"

#include <string>

namespace {

constexpr std::string_view kPrintName = "vorelin-cli print";

constexpr std::string_view kPrintUsage =
    "Usage: vorelin-cli print --protocol can|devicenet|canopen [--pages A-B] [--font FAMILY,POINTS]\n"
    "                         [--format pdf|text] IN OUT\n"
    "\n"
    "Opens IN (a capture file .orx or a candump log) as the window does and\n"
    "writes the pages File > Print would produce for the rows the data list\n"
    "then shows, on A4 paper at 600 dots per inch: by default a PDF; with\n"
    "--format text each page's texts in drawing order (heading, column\n"
    "heading line, rows, footer), one per line, pages separated by a form feed.\n"
    "The PDF uses the standard face Courier for a fixed-pitch FAMILY (its name\n"
    "holds Mono, Courier or Fixed) and Helvetica for any other.\n"
    "\n"
    "Options:\n"
    "  --protocol NAME     (can, devicenet or canopen: the layout of the rows)\n"
    "  --pages A-B         (the pages to print, or one page A; all by default)\n"
    "  --font FAMILY,POINTS (the list's font; Verdana,12 by default)\n"
    "  --format NAME       (pdf, the default, or text)\n"
    "  -h, --help          (this text)\n"
    "  --                  (ends the options, for a file whose name starts with '-')\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or written, 2 for\n"
    "bad usage, a malformed IN or a first page beyond the printout. OUT is\n"
    "written whole or not at all.\n";

int runPrint(const cli::Arguments& arguments, cli::StandardOutput&) {
    const auto protocol = cli::protocolValue(arguments);
    if (!protocol)
        return cli::kExitUsage;
    const auto format = cli::printFormatValue(arguments);
    if (!format)
        return cli::kExitUsage;
    PrintFileSettings settings;
    if (!cli::readPrintSettings(arguments, settings))
        return cli::kExitUsage;
    const std::string in(arguments.positionals[0]), out(arguments.positionals[1]);
    CaptureInput input;
    if (const int status = loadCaptureInput(kPrintName, in, input); status != cli::kExitOk)
        return status;
    const CaptureState& capture = input.state->capture;
    const uint32_t pageCount = printFileLayout(settings, capture.rows.count()).pageCount;
    if (settings.firstPage > pageCount) {
        cli::reportFileError(kPrintName, in,
                             "no page " + std::to_string(settings.firstPage) + ": the printout has " +
                                 std::to_string(pageCount) + (pageCount == 1 ? " page" : " pages"));
        return cli::kExitUsage;
    }
    const auto printed = printShownRowsToFile(out, *format, *protocol, capture, settings);
    if (!printed) {
        cli::reportFileError(kPrintName, out, printed.error().text);
        return cli::kExitFailure;
    }
    return cli::kExitOk;
}

constexpr cli::Option kPrintOptions[] = {
    {"--protocol", cli::OptionKind::requiredValue},
    {"--pages", cli::OptionKind::value},
    {"--font", cli::OptionKind::value},
    {"--format", cli::OptionKind::value, "pdf"},
};

}  // namespace

const cli::Subcommand kPrintCommand = {
    .name = kPrintName,
    .summary = "write the pages File > Print would print for a file's shown rows, as PDF or text",
    .usage = kPrintUsage,
    .options = kPrintOptions,
    .positionals = {2, 2, "IN and OUT"},
    .run = runPrint,
};
