#include "cli/CliSupport.h"

#include "core/StringTable.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace cli {

void reportError(std::string_view command, std::string_view message) {
    std::fprintf(stderr, "%.*s: %.*s\n", int(command.size()), command.data(), int(message.size()), message.data());
}

std::string defaultAdapterSelector() {
    const char* fromEnvironment = std::getenv("VORELIN_ADAPTER");
    return fromEnvironment && *fromEnvironment ? fromEnvironment : "sim";
}

bool OptionReader::next() {
    if (index_ >= args_.size())
        return false;
    current_ = args_[index_++];
    return true;
}

std::optional<std::string_view> OptionReader::value() {
    if (index_ >= args_.size()) {
        reportError(command_, std::string(current_) + " needs a value");
        return std::nullopt;
    }
    return args_[index_++];
}

std::optional<double> OptionReader::decimalValue(double min, double max) {
    auto text = value();
    if (!text)
        return std::nullopt;
    double number = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
    if (error != std::errc() || end != text->data() + text->size() || !(number >= min && number <= max)) {
        reportBadValue(*text, std::to_string(int64_t(min)) + " to " + std::to_string(int64_t(max)));
        return std::nullopt;
    }
    return number;
}

void OptionReader::reportBadValue(std::string_view value, std::string_view expected) const {
    reportError(command_, "bad value '" + std::string(value) + "' for " + std::string(current_) + " (expected " +
                              std::string(expected) + ")");
}

int OptionReader::rejectUnknown() const {
    reportError(command_, "unknown argument '" + std::string(current_) + "' (see --help)");
    return kExitUsage;
}

void reportCaptureFileError(std::string_view command, std::string_view path, const Error& error) {
    std::string problem = error.text;
    if (error.number == strings::kNotACaptureFile)
        problem = "not a capture file of Vorelin, or written by a newer version (" + error.text + ")";
    else if (error.number == strings::kOpenFileError)
        problem = "cannot create the file: " + error.text;
    reportError(command, std::string(path) + ": " + problem);
}

int captureFileExitStatus(const Error& error) {
    const bool malformed = error.number == strings::kNotACaptureFile || error.number == strings::kDamagedFile;
    return malformed ? kExitUsage : kExitFailure;
}

std::optional<Protocol> protocolValue(OptionReader& reader) {
    auto name = reader.value();
    if (!name)
        return std::nullopt;
    if (*name == "can")
        return Protocol::can;
    if (*name == "devicenet")
        return Protocol::deviceNet;
    if (*name == "canopen")
        return Protocol::canopen;
    reader.reportBadValue(*name, "can, devicenet or canopen");
    return std::nullopt;
}

}  // namespace cli
