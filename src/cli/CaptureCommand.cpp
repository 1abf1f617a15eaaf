#include "cli/CaptureCommand.h"

#include "cli/CliSupport.h"
#include "cli/TimedCapture.h"
#include "driver/Backend.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr std::string_view kName = "vorelin-cli capture";

constexpr std::string_view kUsage =
    "Usage: vorelin-cli capture --seconds N [--adapter SPEC] [--baud KBPS]\n"
    "\n"
    "Captures from the adapter for N seconds through the receive timer and the\n"
    "frame store, then prints three lines:\n"
    "  generated N  (frames other nodes put on the bus while capturing)\n"
    "  stored N     (frames in the store)\n"
    "  lost N       (frames dropped by the adapter or refused by the store)\n"
    "\n"
    "Options:\n"
    "  --seconds N     (capture time, up to 86400; fractions allowed)\n"
    "  --adapter SPEC  (backend, default $VORELIN_ADAPTER or 'sim'; e.g. sim:rate=21000,mix=short)\n"
    "  --baud KBPS     (bus baud rate in kbit/s, default 500)\n"
    "  --help          (this text)\n"
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

}  // namespace

int runCaptureCommand(const std::vector<std::string_view>& args) {
    TimedCaptureOptions options;
    std::string adapterSelector = cli::defaultAdapterSelector();
    bool haveSeconds = false;

    cli::OptionReader reader(kName, args);
    while (reader.next()) {
        if (reader.is("--help")) {
            std::fputs(kUsage.data(), stdout);
            return cli::kExitOk;
        }
        if (reader.is("--seconds")) {
            auto seconds = reader.decimalValue(0.0, 86400.0);
            if (!seconds)
                return cli::kExitUsage;
            options.duration = std::chrono::milliseconds(int64_t(*seconds * 1000.0 + 0.5));
            haveSeconds = true;
        } else if (reader.is("--adapter")) {
            auto selector = reader.value();
            if (!selector)
                return cli::kExitUsage;
            adapterSelector = std::string(*selector);
        } else if (reader.is("--baud")) {
            auto baud = reader.decimalValue(1.0, 1000.0);
            if (!baud)
                return cli::kExitUsage;
            options.baudRateKbps = uint32_t(*baud);
        } else {
            return reader.rejectUnknown();
        }
    }
    if (!haveSeconds) {
        cli::reportError(kName, "missing --seconds (see --help)");
        return cli::kExitUsage;
    }

    auto adapter = vorelin::driver::makeBackend(adapterSelector);
    if (!adapter) {
        cli::reportError(kName, adapter.error().text);
        return cli::kExitUsage;
    }
    options.adapter = std::move(*adapter);

    StderrMessages messages;
    auto report = runTimedCapture(options, messages);
    if (!report) {
        cli::reportError(kName, report.error().text);
        return cli::kExitFailure;
    }
    std::printf("generated %llu\nstored %llu\nlost %llu\n", (unsigned long long)report->framesOnBus,
                (unsigned long long)report->framesStored, (unsigned long long)report->framesLost);
    return messages.count() == 0 ? cli::kExitOk : cli::kExitFailure;
}
