// CanopenFilterRows.h: the columns of the CANopen filter dialog's condition
// list and the texts of a condition's row, in Hex or Decimal. The list holds
// the conditions of all three dialogs, so every kind has a row here.
#pragma once

#include "core/ListColumn.h"
#include "fields/NumberText.h"

#include <array>
#include <cstddef>
#include <string>

struct FilterCondition;

constexpr std::size_t kCanopenFilterColumnCount = 8;
// "Index", "Protocol", "COB-ID", "FCode", "Node-ID", "Type", "Length", "Data";
// widths with listColumnWidth().
constexpr std::array<ListColumn, kCanopenFilterColumnCount> kCanopenFilterColumns = {{
    {2020, 0.09},
    {2019, 0.13},
    {2015, 0.12},
    {2016, 0.13},
    {2017, 0.15},
    {2005, 0.10},
    {2006, 0.12},
    {2007, 0.17},
}};

// Row `rowIndex` of the list, one text per column; the tick is the
// condition's FC_ENABLED. Numbers are "%X" in Hex and "%d" in Decimal, read
// unsigned so that a damaged file's value never shows negative.
std::array<std::string, kCanopenFilterColumnCount> canopenFilterRowTexts(const FilterCondition& condition,
                                                                         std::size_t rowIndex, NumberFormat format);
