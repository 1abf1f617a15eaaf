// PrintedFile.h: the pages File > Print would produce for the shown rows,
// written to a file without a printer: a PDF, or each page's drawn texts for
// scripts and tests. The file is written whole or not at all.
#pragma once

#include "base/Result.h"
#include "views/PrintLayout.h"

#include <cstdint>
#include <string>
#include <variant>

struct CaptureState;
enum class Protocol : int;

enum class PrintFileFormat { pdf, text };

struct PrintFileSettings {
    // The list's font: its family and its height in screen pixels.
    std::string fontFamily = "Verdana";
    int fontPixels = 16;
    uint32_t firstPage = 1;
    uint32_t lastPage = UINT32_MAX;
};

// The layout on the file's page (A4 at 600 dots per inch) for `rowCount` rows.
PrintLayout printFileLayout(const PrintFileSettings& settings, uint32_t rowCount);

// Prints pages firstPage .. lastPage, fewer when the rows end first.
// Errors: 5089 when the file cannot be created; the system's reason when
// writing fails.
Result<std::monostate> printShownRowsToFile(const std::string& path, PrintFileFormat format, Protocol protocol,
                                            const CaptureState& capture, const PrintFileSettings& settings);
