// DeviceNetFilterRows.h: the columns of the DeviceNet filter dialog's
// condition list and the texts of a condition's row, in Hex or Decimal.
// CAN and CANopen conditions are read in DeviceNet terms as far as they go.
#pragma once

#include "core/ListColumn.h"
#include "fields/NumberText.h"

#include <array>
#include <cstddef>
#include <string>

struct FilterCondition;

constexpr std::size_t kDeviceNetFilterColumnCount = 7;
// "Index", "Protocol", "Group", "Message ID", "Source ID", "Destination ID",
// "Description"; listColumnWidth gives each one's width.
constexpr std::array<ListColumn, kDeviceNetFilterColumnCount> kDeviceNetFilterColumns = {{
    {2020, 0.09},
    {2019, 0.13},
    {2009, 0.11},
    {2012, 0.17},
    {2010, 0.15},
    {2011, 0.19},
    {2013, 0.16},
}};

// Row `rowIndex` of the list, one text per column.
std::array<std::string, kDeviceNetFilterColumnCount> deviceNetFilterRowTexts(const FilterCondition& condition,
                                                                              std::size_t rowIndex,
                                                                              NumberFormat format);
