#include "core/StringTable.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace strings {
namespace {

struct Entry {
    int number;
    std::string_view text;
};

constexpr Entry kEntries[] = {
#define STRING(number, text) {number, text},
#include "strings.def"
#undef STRING
};

constexpr bool isAscending() {
    for (std::size_t i = 1; i < std::size(kEntries); ++i) {
        if (kEntries[i - 1].number >= kEntries[i].number)
            return false;
    }
    return true;
}
static_assert(isAscending(), "string numbers must ascend without repeats: lookups are binary searches");

const Entry* find(int number) {
    auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), number,
                               [](const Entry& entry, int wanted) { return entry.number < wanted; });
    return it != std::end(kEntries) && it->number == number ? it : nullptr;
}

// Sorted by number; written only by useTranslations.
std::vector<std::pair<int, std::string>>& translatedTexts() {
    static std::vector<std::pair<int, std::string>> texts;
    return texts;
}

}  // namespace

std::string_view text(int number) {
    const auto& translated = translatedTexts();
    const auto it = std::lower_bound(translated.begin(), translated.end(), number,
                                     [](const auto& entry, int wanted) { return entry.first < wanted; });
    if (it != translated.end() && it->first == number)
        return it->second;
    return baseText(number);
}

std::string_view baseText(int number) {
    const Entry* entry = find(number);
    assert(entry && "no string with this number");
    return entry ? entry->text : std::string_view();
}

std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t argument = std::size_t(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && argument < arguments.size()) {
            result += *(arguments.begin() + argument);
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

std::string format(int number, std::initializer_list<std::string_view> arguments) {
    return formatText(text(number), arguments);
}

bool contains(int number) { return find(number) != nullptr; }

std::vector<int> numbers() {
    std::vector<int> all;
    all.reserve(std::size(kEntries));
    for (const Entry& entry : kEntries)
        all.push_back(entry.number);
    return all;
}

void useTranslations(std::vector<std::pair<int, std::string>> texts) {
    std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    translatedTexts() = std::move(texts);
}

}  // namespace strings
