#include "cli/CaptureCommand.h"

#include "cli/CliSupport.h"
#include "cli/OptionValues.h"
#include "cli/StandardOutput.h"
#include "cli/Subcommand.h"
#include "cli/TimedCapture.h"
#include "driver/Backend.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace {

constexpr std::string_view kName = "vorelin-cli capture";

constexpr std::string_view kUsage =
    "Usage: vorelin-cli capture --seconds N [--adapter SELECTOR] [--baud KBPS]\n"
    "\n"
    "Captures from the adapter for N seconds through the receive timer and the\n"
    "frame store, then prints three lines:\n"
    "  generated N  (frames other nodes put on the bus while capturing)\n"
    "  stored N     (frames in the store)\n"
    "  lost N       (frames dropped by the adapter, refused by the store or left\n"
    "                in the adapter when receiving from it failed)\n"
    "\n"
    "Options:\n"
    "  --seconds N         (capture time, up to 86400; fractions allowed)\n"
    "  --adapter SELECTOR  (backend, default $VORELIN_ADAPTER or 'sim'; e.g. sim:rate=21000,mix=short,\n"
    "                      slcan:/dev/ttyACM0, or replay:FILE[,speed=N] to play a candump log (.log,\n"
    "                      .txt) or capture file (.orx) as received traffic, N times as fast, 0 at once)\n"
    "  --baud KBPS         (bus baud rate in kbit/s, 1 to 1000; default: a kernel CAN interface that is\n"
    "                      up keeps its own, any other adapter is set to 500)\n"
    "  -h, --help          (this text)\n"
    "\n"
    "Exit status: 0 on success, 1 when the adapter fails, 2 for bad usage.\n";

class StderrMessages : public MessageSink {
public:
    MessageReply show(const Message& message) override {
        cli::reportError(kName, message.text);
        ++count_;
        return MessageReply::Ok;
    }
    int count() const { return count_; }

private:
    int count_ = 0;
};

int runCapture(const cli::Arguments& arguments, cli::StandardOutput& output) {
    const auto seconds = cli::decimalValue(arguments, "--seconds", 0.0, 86400.0);
    if (!seconds)
        return cli::kExitUsage;
    TimedCaptureOptions options;
    if (!cli::baudRateValue(arguments, options.baudRateKbps))
        return cli::kExitUsage;
    options.duration = std::chrono::milliseconds(int64_t(*seconds * 1000.0 + 0.5));

    options.adapter = cli::adapterValue(arguments);
    if (!options.adapter)
        return cli::kExitUsage;

    StderrMessages messages;
    auto report = runTimedCapture(options, messages);
    if (!report) {
        cli::reportError(kName, report.error().text);
        return cli::kExitFailure;
    }
    output.print("generated " + std::to_string(report->framesOnBus) + "\nstored " +
                 std::to_string(report->framesStored) + "\nlost " + std::to_string(report->framesLost) + "\n");
    if (messages.count() > 0)
        return cli::kExitFailure;
    // After a failed start every RecvData fails too; the start is the cause told.
    if (report->failedReceiveCalls > 0) {
        cli::reportError(kName, "receiving from the adapter failed " + std::to_string(report->failedReceiveCalls) +
                                    " times");
        return cli::kExitFailure;
    }
    return cli::kExitOk;
}

constexpr cli::Option kOptions[] = {
    {"--seconds", cli::OptionKind::requiredValue},
    {"--adapter"},
    {"--baud", cli::OptionKind::value},
};

}  // namespace

const cli::Subcommand kCaptureCommand = {
    .name = kName,
    .summary = "capture live for a while and count generated, stored and lost frames",
    .usage = kUsage,
    .options = kOptions,
    .positionals = {},
    .run = runCapture,
};

