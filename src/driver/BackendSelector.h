// BackendSelector.h: a backend selector "NAME[:key=value,...]" split into the
// adapter's name and its options, before a backend interprets the options,
// and the wording that error texts about selectors share.
#pragma once

#include "base/Result.h"
#include "driver/DriverExport.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorelin::driver {

struct SelectorOption {
    std::string_view key;
    std::optional<std::string_view> value;  // none for a bare flag such as "absent"
};

// Views into the text it was made from, which must outlive it.
class KESH_EXPORT_CPP BackendSelector {
public:
    explicit BackendSelector(std::string_view text);

    std::string_view text() const { return text_; }
    std::string_view name() const { return name_; }

    // The options in order; the error names the adapter and the fault.
    Result<std::vector<SelectorOption>> options() const;

private:
    std::string_view text_;
    std::string_view name_;
    std::optional<std::string_view> optionsText_;
};

// A whole decimal number, or with `hexAllowed` also "0x" and hex digits, as
// option values give them; none for anything else, signs and spaces included.
std::optional<uint64_t> parseSelectorNumber(std::string_view text, bool hexAllowed = false);

// "a", "a or b", "a, b or c", each name between `quote`s.
std::string listAlternatives(std::span<const std::string_view> names, std::string_view quote = "");

}  // namespace vorelin::driver
