#include "cli/OptionValues.h"

#include "cli/CliSupport.h"
#include "cli/Subcommand.h"
#include "document/ExportRows.h"
#include "document/PrintedFile.h"
#include "driver/Backend.h"
#include "protocol/FrameSyntax.h"
#include "protocol/Protocol.h"

#include <cassert>
#include <charconv>
#include <cstdint>
#include <string>

namespace cli {

namespace {

template <class T>
struct Choice {
    std::string_view name;
    T value;
};

constexpr Choice<Protocol> kProtocols[] = {
    {"can", Protocol::can},
    {"devicenet", Protocol::deviceNet},
    {"canopen", Protocol::canopen},
};

constexpr Choice<ExportFormat> kExportFormats[] = {
    {"text", ExportFormat::textLog},
    {"candump", ExportFormat::candumpLog},
};

constexpr Choice<PrintFileFormat> kPrintFormats[] = {
    {"pdf", PrintFileFormat::pdf},
    {"text", PrintFileFormat::text},
};

constexpr uint32_t kMaxFontPoints = 200;
// The list's font height is in screen pixels.
constexpr uint32_t kScreenDotsPerInch = 96;
constexpr uint32_t kPointsPerInch = 72;

std::optional<uint32_t> wholeNumberIn(std::string_view text) {
    uint32_t number = 0;
    // Unsigned from_chars takes neither a sign nor a blank.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

std::string_view presentValue(const Arguments& arguments, std::string_view option) {
    const auto value = arguments.value(option);
    assert(value && "an option read without a value must be required or have a fallback");
    return *value;
}

void reportBadValue(const Arguments& arguments, std::string_view option, std::string_view value,
                    std::string_view expected) {
    reportError(arguments.command(), "bad value '" + std::string(value) + "' for " + std::string(option) +
                                         " (expected " + std::string(expected) + ")");
}

// "a, b or c"
template <class T, std::size_t N>
std::string namesOf(const Choice<T> (&choices)[N]) {
    std::string names;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0)
            names += i + 1 == N ? " or " : ", ";
        names += choices[i].name;
    }
    return names;
}

template <class T, std::size_t N>
std::optional<T> choiceValue(const Arguments& arguments, std::string_view option, const Choice<T> (&choices)[N]) {
    const std::string_view given = presentValue(arguments, option);
    for (const Choice<T>& choice : choices) {
        if (choice.name == given)
            return choice.value;
    }
    reportBadValue(arguments, option, given, namesOf(choices));
    return std::nullopt;
}

}  // namespace

std::optional<double> decimalValue(const Arguments& arguments, std::string_view option, double min, double max) {
    const std::string_view text = presentValue(arguments, option);
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    // Written so that NaN fails it too.
    const bool inRange = number >= min && number <= max;
    if (error != std::errc() || end != text.data() + text.size() || !inRange) {
        reportBadValue(arguments, option, text, std::to_string(int64_t(min)) + " to " + std::to_string(int64_t(max)));
        return std::nullopt;
    }
    return number;
}

bool baudRateValue(const Arguments& arguments, std::optional<uint32_t>& baudRateKbps) {
    baudRateKbps.reset();
    if (!arguments.value("--baud"))
        return true;
    const auto baud = decimalValue(arguments, "--baud", 1.0, 1000.0);
    if (baud)
        baudRateKbps = uint32_t(*baud);
    return baud.has_value();
}

std::optional<uint32_t> wholeNumberValue(const Arguments& arguments, std::string_view option, uint32_t min,
                                         uint32_t max) {
    const std::string_view text = presentValue(arguments, option);
    const auto number = wholeNumberIn(text);
    if (!number || *number < min || *number > max) {
        reportBadValue(arguments, option, text, std::to_string(min) + " to " + std::to_string(max));
        return std::nullopt;
    }
    return number;
}

std::shared_ptr<vorelin::driver::Backend> adapterValue(const Arguments& arguments) {
    const auto given = arguments.value("--adapter");
    auto adapter = vorelin::driver::makeBackend(given ? std::string(*given) : defaultAdapterSelector());
    if (!adapter) {
        reportUsageError(arguments, adapter.error().text);
        return nullptr;
    }
    return std::move(*adapter);
}

std::optional<std::vector<CanFrame>> frameValues(const Arguments& arguments) {
    std::vector<CanFrame> frames;
    for (const std::string_view text : arguments.positionals) {
        auto frame = parseFrameSyntax(text);
        if (!frame) {
            reportUsageError(arguments, frame.error().text);
            return std::nullopt;
        }
        frames.push_back(*frame);
    }
    return frames;
}

std::optional<Protocol> protocolValue(const Arguments& arguments) {
    return choiceValue(arguments, "--protocol", kProtocols);
}

std::optional<ExportFormat> exportFormatValue(const Arguments& arguments) {
    return choiceValue(arguments, "--format", kExportFormats);
}

std::optional<PrintFileFormat> printFormatValue(const Arguments& arguments) {
    return choiceValue(arguments, "--format", kPrintFormats);
}

bool readPrintSettings(const Arguments& arguments, PrintFileSettings& settings) {
    if (const auto pages = arguments.value("--pages")) {
        const std::size_t dash = pages->find('-');
        const auto first = wholeNumberIn(pages->substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : wholeNumberIn(pages->substr(dash + 1));
        if (!first || !last || *first < 1 || *last < *first) {
            reportBadValue(arguments, "--pages", *pages, "FIRST-LAST, 1 <= FIRST <= LAST");
            return false;
        }
        settings.firstPage = *first;
        settings.lastPage = *last;
    }
    if (const auto font = arguments.value("--font")) {
        const std::size_t comma = font->rfind(',');
        const auto points = comma == std::string_view::npos ? std::nullopt : wholeNumberIn(font->substr(comma + 1));
        if (comma == 0 || !points || *points < 1 || *points > kMaxFontPoints) {
            reportBadValue(arguments, "--font", *font,
                           "FAMILY,POINTS with 1 to " + std::to_string(kMaxFontPoints) + " points");
            return false;
        }
        settings.fontFamily = std::string(font->substr(0, comma));
        settings.fontPixels = int(*points * kScreenDotsPerInch / kPointsPerInch);
    }
    return true;
}

}  // namespace cli
