// PrintLines.h: the row lines of the printout in its three layouts. They
// resemble the export's but have their own blanks, their own DeviceNet
// descriptions and, under CAN, " :" after the row number.
#pragma once

#include "base/FrameRecord.h"
#include "views/ExportLines.h"

#include <cstdint>

// Room for the longest printed row line, as for the export's.
constexpr std::size_t kMaxPrintLineChars = kMaxExportLineChars;

// Writes the printed line of `record` shown in `row`, and returns the end.
char* writePrintLine(char* out, ExportLayout layout, const ExportWords& words, uint32_t row,
                     const FrameRecord& record);
