// ExportRows.h: File > Export and the command-line export: the rows the data
// list shows, as a text log in the layout of a protocol or as a candump log.
// The file is written whole or not at all.
#pragma once

#include "base/Result.h"
#include "core/PercentProgress.h"

#include <string>
#include <string_view>
#include <variant>

struct CaptureState;
enum class Protocol : int;

enum class ExportFormat { textLog, candumpLog };

// File > Export writes a candump log to a name ending in .log, else a text log.
ExportFormat exportFormatForName(std::string_view path);

// Errors: 5089 when the file cannot be created, 9413 when writing fails;
// the text is the system's reason.
Result<std::monostate> exportShownRows(const std::string& path, ExportFormat format, Protocol protocol,
                                       const CaptureState& capture, const ProgressCallback& progress);
