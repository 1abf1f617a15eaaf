#include "filters/CanFilterRules.h"

#include "base/FrameRecord.h"
#include "fields/FieldRules.h"
#include "filters/FilterFlags.h"

FilterCondition buildCanCondition(const CanFilterControls& controls, int32_t frameType) {
    FilterCondition condition;
    condition.flags = FC_CAN | FC_FRAMEFORMAT;
    // As the entry fields read `frameType`: only 1 is Standard.
    condition.frame.extended = identifierWidthOf(frameType) == IdentifierWidth::standard ? 0 : 1;
    switch (controls.identifier) {
    case IdentifierChoice::advanced: {
        condition.flags |= FC_ID_ADVANCED;
        const AdvancedPattern pattern = controls.advanced.value_or(AdvancedPattern{});
        condition.idMask = pattern.idMask;
        condition.idBits = pattern.idBits;
        break;
    }
    case IdentifierChoice::custom:
        condition.flags |= FC_ID_CUSTOM;
        condition.frame.identifier = controls.identifierValue;
        break;
    case IdentifierChoice::all:
        break;
    }
    condition.frame.remote = controls.remoteFrame ? 1 : 0;
    setLengthAndData(condition, controls.lengthAndData);
    condition.flags |= FC_ENABLED;
    return condition;
}

FilterCondition canEditCandidate(const CanFilterControls& controls, int32_t frameType,
                                 const FilterCondition& selected, bool advancedChanged) {
    FilterCondition candidate = buildCanCondition(controls, frameType);
    if (!advancedChanged && controls.identifier == IdentifierChoice::advanced && (selected.flags & FC_ID_ADVANCED)) {
        candidate.idMask = selected.idMask;
        candidate.idBits = selected.idBits;
    }
    return candidate;
}

CanFilterControls canControlsOf(const FilterCondition& condition) {
    CanFilterControls controls;
    if (condition.flags & FC_ID_CUSTOM) {
        controls.identifier = IdentifierChoice::custom;
        controls.identifierValue = condition.frame.identifier;
    } else if (condition.flags & FC_ID_ADVANCED) {
        controls.identifier = IdentifierChoice::advanced;
    }
    controls.remoteFrame = condition.frame.remote != 0;
    controls.lengthAndData = lengthAndDataOf(condition);
    return controls;
}
