// ExportLines.h: the row lines of the text export in its three fixed-column
// layouts. The layouts and their description texts belong to the export and
// differ from the data list's and the printout's.
#pragma once

#include "base/FrameRecord.h"
#include "protocol/Protocol.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

enum class ExportLayout {
    can,
    deviceNet,
    canopen,
};

// CAN and DeviceNet have their own layouts; CANopen serves every other
// protocol value, none included.
ExportLayout exportLayout(Protocol protocol);

// The one of three values that belongs to `layout`.
template <class T>
constexpr T forLayout(ExportLayout layout, T can, T deviceNet, T canopen) {
    switch (layout) {
    case ExportLayout::can:
        return can;
    case ExportLayout::deviceNet:
        return deviceNet;
    case ExportLayout::canopen:
        break;
    }
    return canopen;
}

// The string-table words the rows show, looked up once per export instead of
// once per row.
struct ExportWords {
    std::string_view standard;
    std::string_view extend;
    std::string_view invalidData;
    std::string_view remoteFrame;

    static ExportWords fromStringTable();
};

// Room for the longest row line: numbers at their widest, and each word cut
// to kMaxExportWordChars, which no language module's word comes near.
constexpr std::size_t kMaxExportWordChars = 48;
constexpr std::size_t kMaxExportLineChars = 512;

// Writes the line of `record` shown in `row`, without its line break, and
// returns the end. printf would have written the same ("%07d", "%02X " ...)
// without the cost of parsing a format per field.
char* writeExportLine(char* out, ExportLayout layout, const ExportWords& words, uint32_t row,
                      const FrameRecord& record);
