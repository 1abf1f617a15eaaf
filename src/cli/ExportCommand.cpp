#include "cli/ExportCommand.h"

#include "cli/CaptureInput.h"
#include "cli/CliSupport.h"
#include "cli/OptionValues.h"
#include "cli/Subcommand.h"
#include "core/AtomicFileWriter.h"
#include "document/CandumpLogWriter.h"
#include "document/CaptureDocumentFile.h"
#include "document/ExportRows.h"
#include "document/FileNames.h"

#include <optional>
#include <string>

namespace {

constexpr std::string_view kExportName = "vorelin-cli export";
constexpr std::string_view kConvertName = "vorelin-cli convert";

constexpr std::string_view kExportUsage =
    "Usage: vorelin-cli export --protocol can|devicenet|canopen [--format text|candump] IN OUT\n"
    "\n"
    "Opens IN (a capture file .orx or a candump log) as the window does and\n"
    "writes the rows the data list then shows to OUT: by default the text log\n"
    "of File > Export in the layout of the protocol, with --format candump a\n"
    "candump log. Date/time in the text log honours SOURCE_DATE_EPOCH.\n"
    "\n"
    "Options:\n"
    "  --protocol NAME  (can, devicenet or canopen: the layout of the text log)\n"
    "  --format NAME    (text, the default, or candump)\n"
    "  -h, --help       (this text)\n"
    "  --               (ends the options, for a file whose name starts with '-')\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or written, 2 for\n"
    "bad usage or a malformed IN. OUT is written whole or not at all.\n";

constexpr std::string_view kConvertUsage =
    "Usage: vorelin-cli convert IN OUT\n"
    "\n"
    "Converts between capture files (.orx) and candump logs (.log), by the\n"
    "extension of OUT: every record, whatever the filter. A capture file\n"
    "written from a capture file is what File > Open then File > Save write.\n"
    "\n"
    "Options:\n"
    "  -h, --help  (this text)\n"
    "  --          (ends the options, for a file whose name starts with '-')\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or written, 2 for\n"
    "bad usage or a malformed IN. OUT is written whole or not at all.\n";

int reportIfFailed(std::string_view command, const std::string& path, const Result<std::monostate>& written) {
    if (written)
        return cli::kExitOk;
    cli::reportCaptureFileError(command, path, written.error());
    return cli::captureFileExitStatus(written.error());
}

int runExport(const cli::Arguments& arguments, cli::StandardOutput&) {
    const auto protocol = cli::protocolValue(arguments);
    if (!protocol)
        return cli::kExitUsage;
    const auto format = cli::exportFormatValue(arguments);
    if (!format)
        return cli::kExitUsage;
    const std::string in(arguments.positionals[0]), out(arguments.positionals[1]);
    CaptureInput input;
    if (const int status = loadCaptureInput(kExportName, in, input); status != cli::kExitOk)
        return status;
    return reportIfFailed(kExportName, out, exportShownRows(out, *format, *protocol, input.state->capture, {}));
}

int runConvert(const cli::Arguments& arguments, cli::StandardOutput&) {
    const std::string in(arguments.positionals[0]), out(arguments.positionals[1]);
    const bool toCapture = isCaptureFileName(out);
    if (!toCapture && !isCandumpLogName(out)) {
        cli::reportFileError(kConvertName, out, "expected a name ending in .orx or .log");
        return cli::kExitUsage;
    }
    CaptureInput input;
    if (const int status = loadCaptureInput(kConvertName, in, input); status != cli::kExitOk)
        return status;
    if (toCapture)
        return reportIfFailed(kConvertName, out, saveCaptureDocument(out, *input.state, input.document, {}));
    auto writer = AtomicFileWriter::create(out);
    if (!writer) {
        cli::reportFileError(kConvertName, out, writer.error().text);
        return cli::kExitFailure;
    }
    return reportIfFailed(kConvertName, out, writeCandumpLog(*writer, input.state->capture.store, {}));
}

constexpr cli::Option kExportOptions[] = {
    {"--protocol", cli::OptionKind::requiredValue},
    {"--format", cli::OptionKind::value, "text"},
};

constexpr cli::Positionals kInAndOut = {2, 2, "IN and OUT"};

}  // namespace

const cli::Subcommand kExportCommand = {
    .name = kExportName,
    .summary = "write a file's shown rows as a text log or candump log",
    .usage = kExportUsage,
    .options = kExportOptions,
    .positionals = kInAndOut,
    .run = runExport,
};

const cli::Subcommand kConvertCommand = {
    .name = kConvertName,
    .summary = "turn a capture file into a candump log and back",
    .usage = kConvertUsage,
    .options = {},
    .positionals = kInAndOut,
    .run = runConvert,
};
