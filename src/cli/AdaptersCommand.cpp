#include "cli/AdaptersCommand.h"

#include "cli/CliSupport.h"
#include "cli/StandardOutput.h"
#include "cli/Subcommand.h"
#include "driver/CanInterfaces.h"

#include <string>

namespace {

constexpr std::string_view kName = "vorelin-cli adapters";

constexpr std::string_view kUsage =
    "Usage: vorelin-cli adapters\n"
    "\n"
    "Lists the CAN adapters this machine has, one line each: the selector that\n"
    "--adapter takes, a space, and what it is. First the kernel's CAN\n"
    "interfaces with their state, for example\n"
    "  socketcan:can0 CAN interface, up, 500 kbit/s\n"
    "  socketcan:vcan0 vcan interface, up\n"
    "then the USB serial lines an slcan adapter may be on, for example\n"
    "  slcan:/dev/ttyACM0 USB serial line\n"
    "Nothing is printed when there is none. The simulated adapter, 'sim', is\n"
    "always there and not listed.\n"
    "\n"
    "Options:\n"
    "  -h, --help  (this text)\n"
    "\n"
    "Exit status: 0, 2 for bad usage.\n";

int runAdapters(const cli::Arguments&, cli::StandardOutput& output) {
    std::string text;
    for (const vorelin::driver::FoundAdapter& adapter : vorelin::driver::findAdapters())
        text += adapter.selector + ' ' + adapter.description + '\n';
    output.print(text);
    return cli::kExitOk;
}

}  // namespace

const cli::Subcommand kAdaptersCommand = {
    .name = kName,
    .summary = "list the CAN adapters this machine has",
    .usage = kUsage,
    .options = {},
    .positionals = {0, 0, ""},
    .run = runAdapters,
};
