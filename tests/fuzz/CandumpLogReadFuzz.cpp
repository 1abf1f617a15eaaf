// CandumpLogReadFuzz: feeds arbitrary bytes as a candump log to the log
// reader's line checks, handed over in pieces whose size the first byte
// chooses, looking for crashes, sanitizer reports and frames no CAN bus could
// carry. Every accepted frame must read back the same from the line it would
// be saved as.
#include "core/StringTable.h"
#include "document/CandumpFrameLines.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

bool isBusFrame(const CanFrame& frame) {
    const uint32_t maxIdentifier = frame.extended ? 0x1FFFFFFF : 0x7FF;
    return frame.identifier <= maxIdentifier && frame.extended <= 1 && frame.remote <= 1 &&
           frame.length <= kMaxDataBytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t pieceSize = 1 + data[0] % 64;
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    CandumpFrameLines lines([&text, pieceSize](char* out, std::size_t room) -> Result<std::size_t> {
        const std::size_t piece = std::min({pieceSize, room, text.size()});
        std::memcpy(out, text.data(), piece);
        text.remove_prefix(piece);
        return piece;
    });
    CandumpFrame frame;
    for (;;) {
        const auto more = lines.next(frame);
        if (!more) {
            if (more.error().number != strings::kDamagedFile || more.error().text.compare(0, 5, "line ") != 0)
                std::abort();
            return 0;
        }
        if (!*more)
            return 0;
        if (!isBusFrame(frame.frame))
            std::abort();
        FrameRecord record;
        record.frame = frame.frame;
        char line[kMaxCandumpLineChars];
        const char* end = writeCandumpLine(line, record);
        const auto again = parseCandumpLine(std::string_view(line, std::size_t(end - line)));
        if (!again || std::memcmp(&again->frame, &frame.frame, sizeof frame.frame) != 0)
            std::abort();
    }
}
