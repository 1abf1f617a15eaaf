#include "cli/CellsCommand.h"

#include "cli/CaptureInput.h"
#include "cli/CliSupport.h"
#include "protocol/FrameSyntax.h"
#include "views/DataListCells.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr std::string_view kName = "vorelin-cli cells";
constexpr std::size_t kFlushBytes = 1 << 20;

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
    "  --help           (this text)\n"
    "\n"
    "Exit status: 0 on success, 1 when FILE cannot be read, 2 for bad usage,\n"
    "a malformed FRAME or a malformed FILE (then nothing is printed on stdout).\n";

int printFileRows(Protocol protocol, const std::string& path) {
    CaptureInput input;
    if (const int status = loadCaptureInput(kName, path, input); status != cli::kExitOk)
        return status;
    const CaptureState& capture = input.state->capture;
    std::string text;
    for (uint32_t row = 0; row < capture.rows.count(); ++row) {
        appendDataListRow(protocol, row, capture.store.at(capture.rows.at(row)), text);
        text += '\n';
        if (text.size() >= kFlushBytes) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            text.clear();
        }
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return cli::kExitOk;
}

struct SplitArguments {
    std::vector<std::string_view> options;  // with their values
    std::vector<std::string_view> frames;
};

// A FRAME never starts with '-', so frames can stand anywhere among the options.
SplitArguments splitArguments(const std::vector<std::string_view>& args) {
    SplitArguments split;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!args[i].starts_with('-')) {
            split.frames.push_back(args[i]);
            continue;
        }
        split.options.push_back(args[i]);
        if ((args[i] == "--protocol" || args[i] == "--in") && i + 1 < args.size())
            split.options.push_back(args[++i]);
    }
    return split;
}

}  // namespace

int runCellsCommand(const std::vector<std::string_view>& args) {
    const SplitArguments split = splitArguments(args);
    std::optional<Protocol> protocol;
    std::optional<std::string_view> inputPath;

    cli::OptionReader reader(kName, split.options);
    while (reader.next()) {
        if (reader.is("--help")) {
            std::fputs(kUsage.data(), stdout);
            return cli::kExitOk;
        }
        if (reader.is("--protocol")) {
            protocol = cli::protocolValue(reader);
            if (!protocol)
                return cli::kExitUsage;
        } else if (reader.is("--in")) {
            inputPath = reader.value();
            if (!inputPath)
                return cli::kExitUsage;
        } else {
            return reader.rejectUnknown();
        }
    }
    if (!protocol) {
        cli::reportError(kName, "missing --protocol (see --help)");
        return cli::kExitUsage;
    }
    if (inputPath && !split.frames.empty()) {
        cli::reportError(kName, "give FRAMEs or --in FILE, not both");
        return cli::kExitUsage;
    }
    if (inputPath)
        return printFileRows(*protocol, std::string(*inputPath));
    if (split.frames.empty()) {
        cli::reportError(kName, "missing FRAME (see --help)");
        return cli::kExitUsage;
    }

    // Every frame is read before the first row is printed: a script gets all
    // rows or none.
    std::vector<FrameRecord> records(split.frames.size());
    for (std::size_t i = 0; i < split.frames.size(); ++i) {
        auto frame = parseFrameSyntax(split.frames[i]);
        if (!frame) {
            cli::reportError(kName, frame.error().text);
            return cli::kExitUsage;
        }
        records[i].frame = *frame;
    }

    std::string text;
    for (std::size_t row = 0; row < records.size(); ++row) {
        appendDataListRow(*protocol, uint32_t(row), records[row], text);
        text += '\n';
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return cli::kExitOk;
}
