// CliSupport.h: what every vorelin-cli subcommand shares: exit statuses, the
// one-line error format and reading options with their values.
#pragma once

#include "base/Result.h"
#include "protocol/Protocol.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the adapter or a file failed
constexpr int kExitUsage = 2;    // bad usage or malformed input

// "vorelin-cli capture: message" on stderr.
void reportError(std::string_view command, std::string_view message);

// $VORELIN_ADAPTER, or "sim" when it is unset or empty.
std::string defaultAdapterSelector();

// Walks "--name value" options, reporting each fault on stderr.
class OptionReader {
public:
    OptionReader(std::string_view command, const std::vector<std::string_view>& args)
        : command_(command), args_(args) {}

    // Moves to the next argument; false at the end.
    bool next();
    bool is(std::string_view name) const { return current_ == name; }
    std::string_view current() const { return current_; }

    // The argument after the current option; reported when missing.
    std::optional<std::string_view> value();
    // That argument as a decimal number in [min, max]; reported when not one.
    std::optional<double> decimalValue(double min, double max);
    // Reports `value` of the current option as not one of `expected`.
    void reportBadValue(std::string_view value, std::string_view expected) const;
    // Reports the current argument as unknown and returns the usage status.
    int rejectUnknown() const;

private:
    std::string_view command_;
    const std::vector<std::string_view>& args_;
    std::size_t index_ = 0;
    std::string_view current_;
};

// "COMMAND: PATH: what is wrong" for a file a reader refused.
void reportCaptureFileError(std::string_view command, std::string_view path, const Error& error);
// 1 when the file could not be read or written, 2 when it is malformed.
int captureFileExitStatus(const Error& error);

// The value of a --protocol option: can, devicenet or canopen; reported when
// it is none of them.
std::optional<Protocol> protocolValue(OptionReader& reader);

}  // namespace cli
