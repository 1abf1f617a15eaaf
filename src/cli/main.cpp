// vorelin-cli: Vorelin's Qt-free core for scripts. Subcommands, output and
// exit statuses are a stable interface; change them only on purpose.
#include "cli/AdaptersCommand.h"
#include "cli/CaptureCommand.h"
#include "cli/CellsCommand.h"
#include "cli/CliSupport.h"
#include "cli/CyclicCommand.h"
#include "cli/ExportCommand.h"
#include "cli/PrintCommand.h"
#include "cli/InfoCommand.h"
#include "cli/SendCommand.h"
#include "cli/StandardOutput.h"
#include "cli/Subcommand.h"
#include "document/ReplayAdapter.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

// In the order the usage lists them.
constexpr const cli::Subcommand* kSubcommands[] = {
    &kCaptureCommand, &kCellsCommand, &kExportCommand, &kPrintCommand,
    &kConvertCommand, &kInfoCommand,  &kSendCommand,   &kCyclicCommand, &kAdaptersCommand,
};

// "export" of "vorelin-cli export".
std::string_view wordOf(const cli::Subcommand& subcommand) {
    return subcommand.name.substr(subcommand.name.rfind(' ') + 1);
}

std::string usage() {
    std::string text = "Usage: vorelin-cli SUBCOMMAND [options]\n\nSubcommands:\n";
    for (const cli::Subcommand* subcommand : kSubcommands) {
        std::string word(wordOf(*subcommand));
        word.resize(std::max<std::size_t>(word.size(), 10), ' ');  // a column ten wide
        text += "  " + word + "(" + std::string(subcommand->summary) + ")\n";
    }
    return text + "\nRun 'vorelin-cli SUBCOMMAND --help' for a subcommand's options.\n";
}

}  // namespace

int main(int argc, char** argv) {
    registerReplayAdapter();
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(usage().c_str(), stderr);
        return cli::kExitUsage;
    }
    const std::string_view word = args.front();
    args.erase(args.begin());
    if (word == "--help" || word == "-h") {
        cli::StandardOutput output;
        output.print(usage());
        return output.finish("vorelin-cli", cli::kExitOk);
    }
    for (const cli::Subcommand* subcommand : kSubcommands) {
        if (wordOf(*subcommand) == word)
            return cli::runSubcommand(*subcommand, args);
    }
    cli::reportError("vorelin-cli", "unknown subcommand '" + std::string(word) + "' (see --help)");
    return cli::kExitUsage;
}
