// RowLinePieces.h: the pieces the export's and the printout's row lines
// both write: blanks, the row words, padded descriptions, MAC IDs that may
// be absent, the data text, and the CANopen descriptions both show.
#pragma once

#include "protocol/CanopenReading.h"
#include "views/ExportLines.h"
#include "views/FrameText.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace rowline {

inline constexpr std::string_view kCanopenDescriptions[kCoKindCount] = {
    "",  // CoNotApplicable: extended frames show "Invalid data" instead
    "NMT",
    "SYNC",
    "Emergency",
    "Time Stamp",
    "PDO1 (tx)",
    "PDO1 (rx)",
    "PDO2 (tx)",
    "PDO2 (rx)",
    "PDO3 (tx)",
    "PDO3 (rx)",
    "PDO4 (tx)",
    "PDO4 (rx)",
    "SDO (tx)",
    "SDO (rx)",
    "NMT Error Control",
    "reserved",
    "------",
};

inline char* writeBlanks(char* out, int count) { return std::fill_n(out, count, ' '); }

inline char* writeWord(char* out, std::string_view word) {
    return frametext::writeText(out, word, kMaxExportWordChars);
}

// `blanks` blanks and `text`, filled with blanks to `width` characters in all.
inline char* writeFilled(char* out, int blanks, std::string_view text, int width) {
    char* start = out;
    out = writeBlanks(out, blanks);
    out = std::copy(text.begin(), text.end(), out);
    return writeBlanks(out, std::max(0, width - int(out - start)));
}

inline char* writeOptionalHex(char* out, const std::optional<uint32_t>& value) {
    if (!value)
        return std::copy(frametext::kAbsentField.begin(), frametext::kAbsentField.end(), out);
    return frametext::writeHex(out, *value, 2);
}

// "Remote Frame" for a remote frame, else the data bytes.
inline char* writeDataText(char* out, const ExportWords& words, const CanFrame& frame) {
    if (frame.remote == 1)
        return writeWord(out, words.remoteFrame);
    return frametext::writeDataBytes(out, frame);
}

}  // namespace rowline
