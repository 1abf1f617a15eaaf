// RowSelectionChange.h: where a list's selection changed, told from its
// ranges before and after, so that a screen reader hears of the row gained
// or lost in time that follows the number of ranges, never of rows.
#pragma once

#include "views/RowSelection.h"

#include <cstdint>
#include <optional>
#include <vector>

// The first row that `ranges` holds and `other` does not; both disjoint and
// ascending, as RowSelection::ranges() gives them.
std::optional<uint32_t> firstRowMissingFrom(const std::vector<RowSelection::Range>& ranges,
                                            const std::vector<RowSelection::Range>& other);
