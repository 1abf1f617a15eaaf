#include "cli/CyclicCommand.h"

#include "cli/AdapterSetup.h"
#include "cli/CliSupport.h"
#include "cli/OptionValues.h"
#include "cli/StandardOutput.h"
#include "cli/Subcommand.h"
#include "cli/TransmittedLines.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kName = "vorelin-cli cyclic";

constexpr std::string_view kUsage =
    "Usage: vorelin-cli cyclic [--adapter SELECTOR] [--baud KBPS] --interval MS --cycle MS --seconds S FRAME...\n"
    "\n"
    "Hands up to 8 FRAMEs to the adapter with SetMultiData, has it send them on\n"
    "its own with RunMultiData for S seconds, then stops it with StopMultiData.\n"
    "The adapter goes over the FRAMEs in passes: MS of --interval from one\n"
    "frame to the next, MS of --cycle from the start of one pass to the start\n"
    "of the next. When the adapter tells what it put on the bus (the simulated\n"
    "adapter does), prints each frame as it went out: one candump log line, its\n"
    "time the bus time in seconds since the adapter was opened.\n"
    "\n"
    "FRAME is written as for 'vorelin-cli cells' (see its --help): 123#11223344,\n"
    "12345678#AA, 123#11.22.33, 123#R4.\n"
    "\n"
    "Options:\n"
    "  --interval MS       (milliseconds between the frames of a pass, 0 to 255)\n"
    "  --cycle MS          (milliseconds between the starts of two passes, 0 to 255)\n"
    "  --seconds S         (sending time, up to 86400; fractions allowed)\n"
    "  --adapter SELECTOR  (backend, default $VORELIN_ADAPTER or 'sim'; e.g. sim:fail=RunMultiData)\n"
    "  --baud KBPS         (bus baud rate in kbit/s, 1 to 1000; default: a kernel CAN interface that is\n"
    "                      up keeps its own, any other adapter is set to 500)\n"
    "  -h, --help          (this text)\n"
    "\n"
    "Exit status: 0 on success, 1 when the adapter fails (the call that failed\n"
    "is named), 2 for bad usage or a malformed FRAME (then nothing is sent).\n";

int runCyclic(const cli::Arguments& arguments, cli::StandardOutput& output) {
    std::optional<uint32_t> baud;
    if (!cli::baudRateValue(arguments, baud))
        return cli::kExitUsage;
    // The range of the automation dialog's Interval and Cycle fields.
    const auto intervalMs = cli::wholeNumberValue(arguments, "--interval", 0, 255);
    if (!intervalMs)
        return cli::kExitUsage;
    const auto cycleMs = cli::wholeNumberValue(arguments, "--cycle", 0, 255);
    if (!cycleMs)
        return cli::kExitUsage;
    const auto seconds = cli::decimalValue(arguments, "--seconds", 0.0, 86400.0);
    if (!seconds)
        return cli::kExitUsage;
    const auto frames = cli::frameValues(arguments);
    if (!frames)
        return cli::kExitUsage;
    const auto adapter = cli::adapterValue(arguments);
    if (!adapter)
        return cli::kExitUsage;
    if (auto setUp = setUpAdapter(adapter, baud); !setUp) {
        cli::reportError(kName, setUp.error().text);
        return cli::kExitFailure;
    }

    if (SetMultiData(frames->data(), uint32_t(frames->size()), *intervalMs, *cycleMs) == 0) {
        cli::reportError(kName, "the adapter refused the frames (SetMultiData)");
        return cli::kExitFailure;
    }
    cli::TransmittedLines lines(*adapter, output);
    if (RunMultiData() == 0) {
        // As Auto Message Start does: whatever the adapter began, it stops.
        StopMultiData();
        lines.printNew();
        cli::reportError(kName, "the adapter did not start sending the frames (RunMultiData)");
        return cli::kExitFailure;
    }
    // Counted from after the start, so that the adapter sends for S seconds at least.
    const Clock::time_point started = Clock::now();
    lines.printUntil(started + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(*seconds)));
    const bool stopped = StopMultiData() != 0;
    lines.printNew();
    if (!stopped) {
        cli::reportError(kName, "the adapter did not stop sending the frames (StopMultiData)");
        return cli::kExitFailure;
    }
    if (auto told = lines.fault(); !told) {
        cli::reportError(kName, told.error().text);
        return cli::kExitFailure;
    }
    return cli::kExitOk;
}

constexpr cli::Option kOptions[] = {
    {"--interval", cli::OptionKind::requiredValue},
    {"--cycle", cli::OptionKind::requiredValue},
    {"--seconds", cli::OptionKind::requiredValue},
    {"--adapter"},
    {"--baud", cli::OptionKind::value},
};

}  // namespace

const cli::Subcommand kCyclicCommand = {
    .name = kName,
    .summary = "send up to 8 frames cyclically for a while and print them as they went out",
    .usage = kUsage,
    .options = kOptions,
    .positionals = {1, kMultiDataFrames, "1 to 8 FRAMEs"},
    .run = runCyclic,
};
