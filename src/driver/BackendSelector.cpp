#include "driver/BackendSelector.h"

#include <charconv>

namespace vorelin::driver {

BackendSelector::BackendSelector(std::string_view text) : text_(text) {
    const std::size_t colon = text.find(':');
    name_ = text.substr(0, colon);
    if (colon != std::string_view::npos)
        optionsText_ = text.substr(colon + 1);
}

Result<std::vector<SelectorOption>> BackendSelector::options() const {
    std::vector<SelectorOption> options;
    if (!optionsText_)
        return options;
    const std::string prefix = std::string(name_) + ": ";
    std::string_view rest = *optionsText_;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        const std::size_t equals = item.find('=');
        SelectorOption option{item.substr(0, equals), std::nullopt};
        if (equals != std::string_view::npos)
            option.value = item.substr(equals + 1);
        if (item.empty())
            return makeError(prefix + "empty option (expected key=value)");
        if (option.key.empty())
            return makeError(prefix + "missing key in '" + std::string(item) + "'");
        for (const SelectorOption& earlier : options) {
            if (earlier.key == option.key)
                return makeError(prefix + "duplicate key '" + std::string(option.key) + "'");
        }
        options.push_back(option);
        if (comma == std::string_view::npos)
            return options;
        rest = rest.substr(comma + 1);
    }
}

std::string listAlternatives(std::span<const std::string_view> names, std::string_view quote) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            list += i + 1 == names.size() ? " or " : ", ";
        list.append(quote).append(names[i]).append(quote);
    }
    return list;
}

std::optional<uint64_t> parseSelectorNumber(std::string_view text, bool hexAllowed) {
    int base = 10;
    if (hexAllowed && (text.starts_with("0x") || text.starts_with("0X"))) {
        text.remove_prefix(2);
        base = 16;
    }
    uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || fault != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

}  // namespace vorelin::driver
