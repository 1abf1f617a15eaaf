// vorelin-cli: Vorelin's Qt-free core for scripts. Subcommands, output and
// exit statuses are a stable interface; change them only on purpose.
#include "cli/CaptureCommand.h"
#include "cli/CellsCommand.h"
#include "cli/CliSupport.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "Usage: vorelin-cli SUBCOMMAND [options]\n"
    "\n"
    "Subcommands:\n"
    "  capture   (capture live for a while and count generated, stored and lost frames)\n"
    "  cells     (print the data list's cells for frames given as 123#11223344, or of a file)\n"
    "  export    (write a file's shown rows as a text log or candump log)\n"
    "  convert   (turn a capture file into a candump log and back)\n"
    "  info      (print a capture file's header)\n"
    "\n"
    "Run 'vorelin-cli SUBCOMMAND --help' for a subcommand's options.\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(kUsage.data(), stderr);
        return cli::kExitUsage;
    }
    const std::string_view subcommand = args.front();
    args.erase(args.begin());
    if (subcommand == "--help" || subcommand == "-h") {
        std::fputs(kUsage.data(), stdout);
        return cli::kExitOk;
    }
    if (subcommand == "capture")
        return runCaptureCommand(args);
    if (subcommand == "cells")
        return runCellsCommand(args);
    if (subcommand == "export")
        return runExportCommand(args);
    if (subcommand == "convert")
        return runConvertCommand(args);
    if (subcommand == "info")
        return runInfoCommand(args);
    cli::reportError("vorelin-cli", "unknown subcommand '" + std::string(subcommand) + "' (see --help)");
    return cli::kExitUsage;
}
