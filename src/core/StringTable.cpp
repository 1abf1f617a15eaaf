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

}  // namespace

std::string_view text(int number) {
    const Entry* entry = find(number);
    assert(entry && "no string with this number");
    return entry ? entry->text : std::string_view();
}

bool contains(int number) { return find(number) != nullptr; }

}  // namespace strings
