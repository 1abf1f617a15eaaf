#include "driver/SimOptionsParser.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace vorelin::driver {

namespace {

enum class Kind { number, mix, flag, calls };

struct Key {
    std::string_view name;
    Kind kind;
    uint64_t min = 0;
    uint64_t max = 0;
    bool hexAllowed = false;
    // Stores a checked number, mix index, flag or call index.
    void (*store)(SimOptions& options, uint64_t value) = nullptr;
};

constexpr uint64_t kMaxUint32 = std::numeric_limits<uint32_t>::max();
constexpr uint64_t kMaxUint64 = std::numeric_limits<uint64_t>::max();

constexpr std::array<Key, 9> kKeys = {{
    {"rate", Kind::number, 0, SimOptions::kMaxFramesPerSecond, false,
     [](SimOptions& o, uint64_t v) { o.framesPerSecond = uint32_t(v); }},
    {"mix", Kind::mix, 0, 0, false, [](SimOptions& o, uint64_t v) { o.mix = TrafficMix(v); }},
    {"fifo", Kind::number, SimOptions::kMinFifoFrames, SimOptions::kMaxFifoFrames, false,
     [](SimOptions& o, uint64_t v) { o.fifoFrames = uint32_t(v); }},
    {"seed", Kind::number, 0, kMaxUint64, false, [](SimOptions& o, uint64_t v) { o.seed = v; }},
    {"absent", Kind::flag, 0, 1, false, [](SimOptions& o, uint64_t v) { o.absent = v != 0; }},
    {"fail", Kind::calls, 0, 0, false, [](SimOptions& o, uint64_t v) { o.failingCalls.set(std::size_t(v)); }},
    {"status", Kind::number, 0, kMaxUint32, false,
     [](SimOptions& o, uint64_t v) { o.infoOverride.status = uint32_t(v); }},
    {"baud", Kind::number, 0, kMaxUint32, false,
     [](SimOptions& o, uint64_t v) { o.infoOverride.baudRateKbps = uint32_t(v); }},
    {"firmware", Kind::number, 0, 0xFFFF, true,
     [](SimOptions& o, uint64_t v) { o.infoOverride.firmware = uint32_t(v); }},
}};

// In the order of TrafficMix.
constexpr std::array<std::string_view, 5> kMixNames = {"mixed", "canopen", "devicenet", "can", "short"};

std::string hexText(uint64_t value) {
    std::array<char, 17> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return "0x" + std::string(digits.data(), result.ptr);
}

std::string expectedText(const Key& key) {
    if (key.kind == Kind::mix)
        return listAlternatives(kMixNames);
    if (key.kind == Kind::flag)
        return "0 or 1";
    if (key.kind == Kind::calls) {
        std::array<std::string_view, kKeshCallCount> names;
        for (std::size_t i = 0; i < names.size(); ++i)
            names[i] = keshCallName(KeshCall(i));
        return "calls joined by '+': " + listAlternatives(names);
    }
    return key.hexAllowed ? hexText(key.min) + " to " + hexText(key.max)
                          : std::to_string(key.min) + " to " + std::to_string(key.max);
}

// What a number, flag or mix value stores, or nothing when the key does not take it.
std::optional<uint64_t> parseValue(const Key& key, std::string_view value) {
    if (key.kind == Kind::mix) {
        const auto found = std::find(kMixNames.begin(), kMixNames.end(), value);
        if (found == kMixNames.end())
            return std::nullopt;
        return uint64_t(found - kMixNames.begin());
    }
    const auto number = parseSelectorNumber(value, key.hexAllowed);
    if (!number || *number < key.min || *number > key.max)
        return std::nullopt;
    return number;
}

// The fault in a list of calls joined by '+', or nothing when all were stored.
std::optional<std::string> applyCalls(const Key& key, std::string_view value, SimOptions& options) {
    while (true) {
        const std::size_t plus = value.find('+');
        const std::string_view name = value.substr(0, plus);
        const auto call = keshCallNamed(name);
        if (!call)
            return "unknown call '" + std::string(name) + "' in fail (expected " + expectedText(key) + ")";
        key.store(options, uint64_t(*call));
        if (plus == std::string_view::npos)
            return std::nullopt;
        value = value.substr(plus + 1);
    }
}

// The fault in one option, or nothing when it was stored.
std::optional<std::string> apply(const Key& key, std::optional<std::string_view> value, SimOptions& options) {
    if (!value && key.kind != Kind::flag)
        return "missing value for " + std::string(key.name) + " (expected " + expectedText(key) + ")";
    if (key.kind == Kind::calls)
        return applyCalls(key, *value, options);
    // A bare flag means it is set.
    const std::string_view text = value.value_or("1");
    const auto parsed = parseValue(key, text);
    if (!parsed)
        return "bad value '" + std::string(text) + "' for " + std::string(key.name) + " (expected " +
               expectedText(key) + ")";
    key.store(options, *parsed);
    return std::nullopt;
}

}  // namespace

Result<SimOptions> parseSimOptions(const BackendSelector& selector) {
    auto selectorOptions = selector.options();
    if (!selectorOptions)
        return selectorOptions.error();
    SimOptions options;
    options.selector = std::string(selector.text());
    for (const SelectorOption& option : *selectorOptions) {
        const Key* key = nullptr;
        for (const Key& candidate : kKeys) {
            if (candidate.name == option.key)
                key = &candidate;
        }
        if (!key) {
            std::array<std::string_view, kKeys.size()> names;
            for (std::size_t i = 0; i < names.size(); ++i)
                names[i] = kKeys[i].name;
            return makeError("sim: unknown key '" + std::string(option.key) + "' (expected " +
                             listAlternatives(names) + ")");
        }
        if (auto fault = apply(*key, option.value, options))
            return makeError("sim: " + *fault);
    }
    return options;
}

}  // namespace vorelin::driver
