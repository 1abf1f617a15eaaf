// DataListCells.h: the data list's columns and the text of each cell, for
// the three protocols. Cells are formatted on request straight from the
// record into the caller's buffer: nothing is stored per row, nothing is
// allocated per cell.
#pragma once

#include "base/FrameRecord.h"
#include "protocol/Protocol.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

struct DataListColumn {
    int captionString;       // string-table number of the caption
    double widthFraction;    // of the base width (see columnWidth)
    bool fractionOfFullWidth;  // the first CANopen column takes its share of W itself
};

// The columns of `protocol`, left to right; empty for Protocol::none.
std::span<const DataListColumn> dataListColumns(Protocol protocol);

// The column's width in pixels when the list is `totalWidth` wide: its
// fraction of totalWidth - 18 (or of totalWidth itself), truncated; 0 when
// the list is too narrow for any.
int columnWidth(const DataListColumn& column, int totalWidth);

// Room for the longest cell text (42 characters) and its terminating zero.
constexpr std::size_t kCellBufferSize = 64;

// Writes the text of `column` for the record shown in `row` into `out`
// (kCellBufferSize bytes), zero-terminated, and returns its length. A column
// beyond the protocol's columns gives an empty text.
std::size_t formatDataListCell(Protocol protocol, uint32_t row, const FrameRecord& record, int column,
                               char* out);

// Appends the cells of `row`, left to right, separated by one TAB and without
// a line end: a row as Copy and vorelin-cli hand it on.
void appendDataListRow(Protocol protocol, uint32_t row, const FrameRecord& record, std::string& out);
