// FrameSyntaxFuzz: feeds arbitrary text to the frame syntax reader, looking
// for crashes, sanitizer reports and frames no CAN bus could carry.
#include "protocol/FrameSyntax.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Result<CanFrame> frame = parseFrameSyntax(text);
    if (!frame) {
        if (frame.error().text.compare(0, size + 2, "'" + std::string(text) + "'") != 0)
            std::abort();
        return 0;
    }
    const uint32_t maxIdentifier = frame->extended ? 0x1FFFFFFF : 0x7FF;
    if (frame->identifier > maxIdentifier || frame->length > kMaxDataBytes || frame->extended > 1 || frame->remote > 1)
        std::abort();
    return 0;
}
