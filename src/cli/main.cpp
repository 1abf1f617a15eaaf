// vorelin-cli: Vorelin's Qt-free core for scripts. Subcommands, output and
// exit statuses are a stable interface; change them only on purpose.
#include "cli/CaptureCommand.h"
#include "cli/CellsCommand.h"
#include "cli/CliSupport.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/Subcommand.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

// In the order the usage lists them.
constexpr const cli::Subcommand* kSubcommands[] = {
    &kCaptureCommand, &kCellsCommand, &kExportCommand, &kConvertCommand, &kInfoCommand,
};

// "export" of "vorelin-cli export".
std::string_view wordOf(const cli::Subcommand& subcommand) {
    return subcommand.name.substr(subcommand.name.rfind(' ') + 1);
}

void printUsage(std::FILE* stream) {
    std::fputs("Usage: vorelin-cli SUBCOMMAND [options]\n\nSubcommands:\n", stream);
    for (const cli::Subcommand* subcommand : kSubcommands) {
        const std::string_view word = wordOf(*subcommand);
        std::fprintf(stream, "  %-10.*s(%.*s)\n", int(word.size()), word.data(), int(subcommand->summary.size()),
                     subcommand->summary.data());
    }
    std::fputs("\nRun 'vorelin-cli SUBCOMMAND --help' for a subcommand's options.\n", stream);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        printUsage(stderr);
        return cli::kExitUsage;
    }
    const std::string_view word = args.front();
    args.erase(args.begin());
    if (word == "--help" || word == "-h") {
        printUsage(stdout);
        return cli::kExitOk;
    }
    for (const cli::Subcommand* subcommand : kSubcommands) {
        if (wordOf(*subcommand) == word)
            return cli::runSubcommand(*subcommand, args);
    }
    cli::reportError("vorelin-cli", "unknown subcommand '" + std::string(word) + "' (see --help)");
    return cli::kExitUsage;
}
