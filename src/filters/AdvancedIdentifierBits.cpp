#include "filters/AdvancedIdentifierBits.h"

#include "fields/FieldRules.h"
#include "filters/FilterCondition.h"

#include <string>

namespace {

constexpr int kStandardIdentifierBits = 11;

}  // namespace

int shownAdvancedBits(int32_t frameType) {
    return identifierWidthOf(frameType) == IdentifierWidth::standard ? kStandardIdentifierBits : kAdvancedBitCount;
}

char AdvancedIdentifierBits::stateText(int bit) const {
    switch (states_[std::size_t(bit)]) {
    case zero:
        return '0';
    case one:
        return '1';
    case free:
        break;
    }
    return 'X';
}

void AdvancedIdentifierBits::step(int bit) {
    State& state = states_[std::size_t(bit)];
    // Kept modulo 3, so that no number of presses overflows.
    state = state == free ? zero : State(state + 1);
}

AdvancedPattern AdvancedIdentifierBits::pattern(int shownBits) const {
    AdvancedPattern pattern;
    for (int bit = 0; bit < shownBits && bit < kAdvancedBitCount; ++bit) {
        const State state = states_[std::size_t(bit)];
        if (state == free)
            continue;
        pattern.idMask |= 1u << bit;
        if (state == one)
            pattern.idBits |= 1u << bit;
    }
    return pattern;
}

void AdvancedIdentifierBits::load(const FilterCondition& condition) {
    for (int bit = 0; bit < kAdvancedBitCount; ++bit) {
        const uint32_t mask = 1u << bit;
        if (!(condition.idMask & mask))
            states_[std::size_t(bit)] = free;
        else
            states_[std::size_t(bit)] = (condition.idBits & mask) ? one : zero;
    }
}

std::string advancedIdentifierText(const FilterCondition& condition) {
    const int bits = condition.frame.extended == 1 ? kAdvancedBitCount : kStandardIdentifierBits;
    std::string text;
    for (int bit = bits - 1; bit >= 0; --bit) {
        const uint32_t mask = 1u << bit;
        text += !(condition.idMask & mask) ? 'X' : (condition.idBits & mask) ? '1' : '0';
    }
    return text;
}
