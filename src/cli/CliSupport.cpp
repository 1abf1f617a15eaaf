#include "cli/CliSupport.h"

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
    const std::string_view option = current_;
    auto text = value();
    if (!text)
        return std::nullopt;
    double number = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
    if (error != std::errc() || end != text->data() + text->size() || !(number >= min && number <= max)) {
        reportError(command_, "bad value '" + std::string(*text) + "' for " + std::string(option) + " (expected " +
                                  std::to_string(int64_t(min)) + " to " + std::to_string(int64_t(max)) + ")");
        return std::nullopt;
    }
    return number;
}

int OptionReader::rejectUnknown() const {
    reportError(command_, "unknown argument '" + std::string(current_) + "' (see --help)");
    return kExitUsage;
}

}  // namespace cli
