// ApplyFilter.h: the OK sequence of every filter dialog. The dialog's
// conditions and ticks become the filter in force, and the rows are rebuilt
// from the first stored record so that old frames see the new conditions.
#pragma once

#include "filters/FilterCondition.h"

#include <span>
#include <vector>

struct CaptureState;
struct FilterState;
class ShownRowsView;

// Row i of the dialog's list shows working condition i and `rowTicks[i]` is
// its tick. A tick beyond the conditions is ignored, and a condition without
// a row is not enabled. The filter is active when at least one condition is
// enabled. The document becomes modified when the filter in force changed.
// `view`, when there is one, is told to drop its rows and then the new count.
void applyFilter(CaptureState& capture, FilterState& filter, std::vector<FilterCondition> workingConditions,
                 bool showSelected, std::span<const bool> rowTicks, ShownRowsView* view);
