// SlcanAnswersFuzz: feeds arbitrary bytes, as a serial line would bring
// them, to the slcan answer reader, looking for crashes, sanitizer reports,
// frames no CAN bus could carry, and frames that do not read back the same
// after being written as commands.
#include "driver/SlcanCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vorelin::driver::slcan;

namespace {

void check(const Answer& answer) {
    if (answer.kind != Answer::Kind::frame)
        return;
    const CanFrame& frame = answer.frame;
    const uint32_t maxIdentifier = frame.extended ? 0x1FFFFFFF : 0x7FF;
    if (frame.identifier > maxIdentifier || frame.length > kMaxDataBytes || frame.extended > 1 || frame.remote > 1 ||
        (answer.timestampMs && *answer.timestampMs >= 60000))
        std::abort();
    const auto command = frameCommand(frame);
    if (!command)
        std::abort();
    const Answer again = parseAnswer(std::string_view(*command).substr(0, command->size() - 1));
    if (again.kind != Answer::Kind::frame || again.frame.identifier != frame.identifier ||
        again.frame.length != frame.length || again.frame.extended != frame.extended ||
        again.frame.remote != frame.remote)
        std::abort();
    for (int i = 0; i < (frame.remote ? 0 : frame.length); ++i) {
        if (again.frame.data[i] != frame.data[i])
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    AnswerReader reader;
    // In two reads split in the middle, as a line brings them.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    reader.feed(bytes.substr(0, size / 2), check);
    reader.feed(bytes.substr(size / 2), check);
    return 0;
}
