// FilterState.h: the conditions in force and how they are applied, one
// instance for the whole process. The filter dialogs replace it on OK, the
// capture file saves and restores it, and every classification pass reads it.
#pragma once

#include "filters/FilterCondition.h"

#include <cstdint>
#include <vector>

struct CaptureState;

constexpr uint32_t FILTER_SHOW = 0;  // show the frames that match a condition
constexpr uint32_t FILTER_HIDE = 1;  // show the frames that match none

// Window thread only.
struct FilterState {
    static constexpr uint16_t kFilterActiveBit = 0x1;

    std::vector<FilterCondition> conditions;  // in order of creation
    // Bit 0 is filterActive. The capture file stores the whole word, so the
    // other bits are kept as they were loaded.
    uint16_t filterActiveWord = 0;
    uint32_t filterMode = FILTER_SHOW;

    bool filterActive() const { return (filterActiveWord & kFilterActiveBit) != 0; }
    void setFilterActive(bool active) {
        filterActiveWord = active ? uint16_t(filterActiveWord | kFilterActiveBit)
                                  : uint16_t(filterActiveWord & ~kFilterActiveBit);
    }
};

// File > New: no frames, no rows, no conditions, no filter, nothing to save;
// the mode stays as the user left it.
void resetCaptureForNewDocument(FilterState& filter, CaptureState& capture);
