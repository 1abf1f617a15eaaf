// AutoItemRows.h: the columns of the automation dialog's item list and the
// texts of an item's row, in Hex or Decimal.
#pragma once

#include "core/AutoMessageItem.h"
#include "core/ListColumn.h"

#include <array>
#include <cstddef>
#include <string>

constexpr std::size_t kAutoListColumnCount = 5;
// "Index", "Type", "Identifier", "Length", "Data", all left-aligned.
constexpr std::array<ListColumn, kAutoListColumnCount> kAutoListColumns = {{
    {2020, 0.12},
    {2005, 0.15},
    {2004, 0.20},
    {2006, 0.15},
    {2007, 0.38},
}};

// Row `index` of the list, one text per column. What the item lacks shows as
// "****" (frame format, identifier) or " **" (a data byte not entered); a
// remote item's data is "Remote Frame", and a length above 8 shows no data.
std::array<std::string, kAutoListColumnCount> autoItemRowTexts(const AutoMessageItem& item, std::size_t index,
                                                               bool hex);
