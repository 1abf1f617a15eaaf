// DuplicateRule.h: when a filter dialog refuses to store a condition because
// an equal one exists. Each dialog compares what its own kind of condition
// tests; a condition of another kind never counts.
#pragma once

#include <span>

struct FilterCondition;

enum class FilterDialogKind { can, deviceNet, canopen };

// Whether `candidate`, made in the dialog of `kind`, equals `existing`. The
// tick (FC_ENABLED) is not compared.
bool isDuplicate(FilterDialogKind kind, const FilterCondition& existing, const FilterCondition& candidate);

// Whether any of `conditions` is a duplicate of `candidate`. Edit runs it over
// all conditions, the one being edited included, so an unchanged Edit is refused.
bool hasDuplicate(FilterDialogKind kind, std::span<const FilterCondition> conditions,
                  const FilterCondition& candidate);
