// CanFilterRules.h: what the CAN filter dialog's controls make of a
// condition, and what a condition puts back into them, apart from the
// dialog.
#pragma once

#include "filters/AdvancedIdentifierBits.h"
#include "filters/ConditionBuilding.h"
#include "filters/FilterCondition.h"

#include <cstdint>
#include <optional>

// The "Identifier:" selector's entries, in list order.
enum class IdentifierChoice { all, advanced, custom };

struct CanFilterControls {
    IdentifierChoice identifier = IdentifierChoice::all;
    uint32_t identifierValue = 0;  // the Custom field's value
    // The pattern of the last Advanced Identifier dialog confirmed in this
    // opening; none lets every identifier pass.
    std::optional<AdvancedPattern> advanced;
    bool remoteFrame = false;
    LengthAndDataEntry lengthAndData;
};

// A new, ticked CAN condition; its identifier width follows `frameType`.
FilterCondition buildCanCondition(const CanFilterControls& controls, int32_t frameType);

// Edit's candidate. While the selector still reads "Advanced" and no
// Advanced Identifier dialog was confirmed since the last Edit, the edited
// condition keeps its own pattern: loading it set only the bit states.
FilterCondition canEditCandidate(const CanFilterControls& controls, int32_t frameType,
                                 const FilterCondition& selected, bool advancedChanged);

// The controls a clicked CAN condition loads; its pattern goes into the bit
// states apart.
CanFilterControls canControlsOf(const FilterCondition& condition);
