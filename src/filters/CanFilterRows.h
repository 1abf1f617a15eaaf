// CanFilterRows.h: the columns of the CAN filter dialog's condition list and
// the texts of a row, for conditions of every kind, in Hex or Decimal.
#pragma once

#include "core/ListColumn.h"
#include "fields/NumberText.h"

#include <array>
#include <cstddef>
#include <string>

struct FilterCondition;

constexpr std::size_t kCanFilterColumnCount = 6;
// "Index", "Protocol", "Identifier", "Type", "Length", "Data".
constexpr std::array<ListColumn, kCanFilterColumnCount> kCanFilterColumns = {{
    {2020, 0.10},
    {2019, 0.15},
    {2004, 0.20},
    {2005, 0.10},
    {2006, 0.13},
    {2007, 0.32},
}};

// Row `index` of the list. A DeviceNet or CANopen condition is told by which
// bits of the 11-bit identifier X and of the data it fixes ("left2(X)=2",
// "right7(X)=5", "40<X<7F", ...).
std::array<std::string, kCanFilterColumnCount> canFilterRowTexts(const FilterCondition& condition, std::size_t index,
                                                                 NumberFormat format);
