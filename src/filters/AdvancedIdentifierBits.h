// AdvancedIdentifierBits.h: the Advanced Identifier dialog's memory: one
// state per identifier bit, stepped X -> 0 -> 1 -> X by its button. One
// instance lives as long as the program, so the states outlast every dialog,
// a cancelled one included.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct FilterCondition;

// Which identifier bits a condition fixes and to what.
struct AdvancedPattern {
    uint32_t idMask = 0;  // bit i set: identifier bit i is fixed
    uint32_t idBits = 0;  // the value of each fixed bit

    bool operator==(const AdvancedPattern&) const = default;
};

constexpr int kAdvancedBitCount = 29;

// The bits the dialog shows: the 11 of a Standard identifier, or all 29.
int shownAdvancedBits(int32_t frameType);

class AdvancedIdentifierBits {
public:
    // '0', '1' or 'X' (free).
    char stateText(int bit) const;
    // One press of bit `bit`'s button.
    void step(int bit);
    // The pattern of the lowest `shownBits` bits; the others are free.
    AdvancedPattern pattern(int shownBits) const;
    // Every bit from a condition: fixed to its value, or free.
    void load(const FilterCondition& condition);

private:
    enum State : uint8_t { zero, one, free };
    std::array<State, kAdvancedBitCount> states_ = [] {
        std::array<State, kAdvancedBitCount> states{};
        states.fill(free);
        return states;
    }();
};

// The Identifier text of an Advanced condition: one character per bit from
// the highest down, '1' or '0' where the mask fixes it, 'X' where not; 29
// characters for an extended frame and 11 otherwise.
std::string advancedIdentifierText(const FilterCondition& condition);
