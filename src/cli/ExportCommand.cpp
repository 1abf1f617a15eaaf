#include "cli/ExportCommand.h"

#include "cli/CaptureInput.h"
#include "cli/CliSupport.h"
#include "core/AtomicFileWriter.h"
#include "document/CandumpLogWriter.h"
#include "document/CaptureDocumentFile.h"
#include "document/ExportRows.h"
#include "document/FileNames.h"

#include <cstdio>
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
    "Exit status: 0 on success, 1 when a file cannot be read or written, 2 for\n"
    "bad usage or a malformed IN. OUT is written whole or not at all.\n";

constexpr std::string_view kConvertUsage =
    "Usage: vorelin-cli convert IN OUT\n"
    "\n"
    "Converts between capture files (.orx) and candump logs (.log), by the\n"
    "extension of OUT: every record, whatever the filter. A capture file\n"
    "written from a capture file is what File > Open then File > Save write.\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or written, 2 for\n"
    "bad usage or a malformed IN. OUT is written whole or not at all.\n";

// IN and OUT, the two arguments that are not options.
bool takePaths(std::string_view command, const std::vector<std::string_view>& paths, std::string& in,
               std::string& out) {
    if (paths.size() != 2) {
        cli::reportError(command, "expected IN and OUT (see --help)");
        return false;
    }
    in = paths[0];
    out = paths[1];
    return true;
}

int reportIfFailed(std::string_view command, const std::string& path, const Result<std::monostate>& written) {
    if (written)
        return cli::kExitOk;
    cli::reportCaptureFileError(command, path, written.error());
    return cli::captureFileExitStatus(written.error());
}

}  // namespace

int runExportCommand(const std::vector<std::string_view>& args) {
    std::optional<Protocol> protocol;
    ExportFormat format = ExportFormat::textLog;
    std::vector<std::string_view> paths;
    cli::OptionReader reader(kExportName, args);
    while (reader.next()) {
        if (reader.is("--help")) {
            std::fputs(kExportUsage.data(), stdout);
            return cli::kExitOk;
        }
        if (reader.is("--protocol")) {
            protocol = cli::protocolValue(reader);
            if (!protocol)
                return cli::kExitUsage;
        } else if (reader.is("--format")) {
            auto name = reader.value();
            if (!name)
                return cli::kExitUsage;
            if (*name != "text" && *name != "candump") {
                reader.reportBadValue(*name, "text or candump");
                return cli::kExitUsage;
            }
            format = *name == "text" ? ExportFormat::textLog : ExportFormat::candumpLog;
        } else if (!reader.current().starts_with('-')) {
            paths.push_back(reader.current());
        } else {
            return reader.rejectUnknown();
        }
    }
    if (!protocol) {
        cli::reportError(kExportName, "missing --protocol (see --help)");
        return cli::kExitUsage;
    }
    std::string in, out;
    if (!takePaths(kExportName, paths, in, out))
        return cli::kExitUsage;
    CaptureInput input;
    if (const int status = loadCaptureInput(kExportName, in, input); status != cli::kExitOk)
        return status;
    return reportIfFailed(kExportName, out, exportShownRows(out, format, *protocol, input.state->capture, {}));
}

int runConvertCommand(const std::vector<std::string_view>& args) {
    std::vector<std::string_view> paths;
    for (std::string_view arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(kConvertUsage.data(), stdout);
            return cli::kExitOk;
        }
        if (arg.starts_with('-')) {
            cli::reportError(kConvertName, "unknown argument '" + std::string(arg) + "' (see --help)");
            return cli::kExitUsage;
        }
        paths.push_back(arg);
    }
    std::string in, out;
    if (!takePaths(kConvertName, paths, in, out))
        return cli::kExitUsage;
    const bool toCapture = isCaptureFileName(out);
    if (!toCapture && !isCandumpLogName(out)) {
        cli::reportError(kConvertName, out + ": expected a name ending in .orx or .log");
        return cli::kExitUsage;
    }
    CaptureInput input;
    if (const int status = loadCaptureInput(kConvertName, in, input); status != cli::kExitOk)
        return status;
    if (toCapture)
        return reportIfFailed(kConvertName, out, saveCaptureDocument(out, *input.state, input.document, {}));
    auto writer = AtomicFileWriter::create(out);
    if (!writer) {
        cli::reportError(kConvertName, out + ": " + writer.error().text);
        return cli::kExitFailure;
    }
    return reportIfFailed(kConvertName, out, writeCandumpLog(*writer, input.state->capture.store, {}));
}
