#include "cli/SendCommand.h"

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

constexpr std::string_view kName = "vorelin-cli send";

constexpr std::string_view kUsage =
    "Usage: vorelin-cli send [--adapter SELECTOR] [--baud KBPS] [--count N] [--gap MS] FRAME...\n"
    "\n"
    "Sends the FRAMEs through the adapter one by one with SendSingleData, in\n"
    "the order given, N times over, MS milliseconds from one send to the next.\n"
    "When the adapter tells what it put on the bus (the simulated adapter\n"
    "does), prints each frame as it went out: one candump log line, its time\n"
    "the bus time in seconds since the adapter was opened.\n"
    "\n"
    "FRAME is written as for 'vorelin-cli cells' (see its --help): 123#11223344,\n"
    "12345678#AA, 123#11.22.33, 123#R4.\n"
    "\n"
    "Options:\n"
    "  --adapter SELECTOR  (backend, default $VORELIN_ADAPTER or 'sim'; e.g. sim:fail=SendSingleData)\n"
    "  --baud KBPS         (bus baud rate in kbit/s, 1 to 1000; default: a kernel CAN interface that is\n"
    "                      up keeps its own, any other adapter is set to 500)\n"
    "  --count N           (times to send the FRAMEs, 1 to 1000000, default 1)\n"
    "  --gap MS            (milliseconds between two sends, 0 to 60000, default 0; fractions allowed)\n"
    "  -h, --help          (this text)\n"
    "\n"
    "Exit status: 0 on success, 1 when the adapter fails (sending stops at the\n"
    "frame it refused, which is named), 2 for bad usage or a malformed FRAME\n"
    "(then nothing is sent).\n";

// A classic frame with a 29-bit identifier, 8 bytes and every stuff bit
// lasts under 170 bit times. A frame waiting in the adapter goes out once the
// bus has carried at most the frame on it, one that asked first and itself.
constexpr uint64_t kLongestFrameBitTimes = 170;

// A virtual bus (bit rate 0) carries frames at once.
Clock::duration drainTime(uint64_t framesWaiting, uint32_t baudRateKbps) {
    const uint64_t bitTimes = framesWaiting * 3 * kLongestFrameBitTimes;
    return std::chrono::seconds(1) + std::chrono::milliseconds(baudRateKbps ? bitTimes / baudRateKbps + 1 : 0);
}

int runSend(const cli::Arguments& arguments, cli::StandardOutput& output) {
    std::optional<uint32_t> baud;
    if (!cli::baudRateValue(arguments, baud))
        return cli::kExitUsage;
    const auto count = cli::wholeNumberValue(arguments, "--count", 1, 1'000'000);
    if (!count)
        return cli::kExitUsage;
    const auto gapMs = cli::decimalValue(arguments, "--gap", 0.0, 60'000.0);
    if (!gapMs)
        return cli::kExitUsage;
    // Every frame is read before the first is sent: a malformed one sends none.
    const auto frames = cli::frameValues(arguments);
    if (!frames)
        return cli::kExitUsage;
    const auto adapter = cli::adapterValue(arguments);
    if (!adapter)
        return cli::kExitUsage;
    const auto baudRateKbps = setUpAdapter(adapter, baud);
    if (!baudRateKbps) {
        cli::reportError(kName, baudRateKbps.error().text);
        return cli::kExitFailure;
    }

    cli::TransmittedLines lines(*adapter, output);
    const uint64_t sends = uint64_t(*count) * frames->size();
    const auto gap = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(*gapMs));
    // Each send keeps to its own time from the first, so late wake-ups do not add up.
    Clock::time_point sendAt = Clock::now();
    uint64_t sent = 0;
    for (; sent < sends; ++sent, sendAt += gap) {
        lines.printUntil(sendAt);
        if (SendSingleData((*frames)[sent % frames->size()]) == 0)
            break;
    }
    // What was sent before a refusal still goes out and is printed.
    lines.printNew();
    const bool allOut = lines.awaitTotal(sent, Clock::now() + drainTime(sent - lines.total(), *baudRateKbps));

    if (sent < sends) {
        const std::string_view refused = arguments.positionals[sent % frames->size()];
        cli::reportError(kName, std::string(refused) + ": the adapter refused it (SendSingleData, send " +
                                    std::to_string(sent + 1) + " of " + std::to_string(sends) + ")");
        return cli::kExitFailure;
    }
    if (!allOut) {
        cli::reportError(kName, std::to_string(sent - lines.total()) + " of the frames sent never went out on the bus");
        return cli::kExitFailure;
    }
    if (auto told = lines.fault(); !told) {
        cli::reportError(kName, told.error().text);
        return cli::kExitFailure;
    }
    return cli::kExitOk;
}

constexpr cli::Option kOptions[] = {
    {"--adapter"},
    {"--baud", cli::OptionKind::value},
    {"--count", cli::OptionKind::value, "1"},
    {"--gap", cli::OptionKind::value, "0"},
};

}  // namespace

const cli::Subcommand kSendCommand = {
    .name = kName,
    .summary = "send frames given as 123#11223344 and print them as they went out",
    .usage = kUsage,
    .options = kOptions,
    .positionals = {1, cli::kAnyNumber, "FRAME"},
    .run = runSend,
};
