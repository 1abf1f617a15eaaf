#include "core/ReceiveTick.h"

#include "core/CaptureState.h"
#include "driver/KeshApi.h"

#include <algorithm>
#include <cstring>

namespace {

// The adapter fills only `length` data bytes; the rest of its buffer is
// whatever it held before. Store zeros there, and never trust a length that
// would read past the eight bytes a frame has.
void clearUnusedDataBytes(FrameRecord& record) {
    const unsigned used = std::min<unsigned>(record.frame.length, kMaxDataBytes);
    std::memset(record.frame.data + used, 0, kMaxDataBytes - used);
    record.frame.padding[0] = record.frame.padding[1] = 0;
}

}  // namespace

ReceiveTickResult runReceiveTick(CaptureState& capture) {
    ReceiveTickResult result;
    FrameRecord buffer[kRecvBufferRecords];
    while (result.calls < kMaxReceiveCallsPerTick && capture.capturing.load(std::memory_order_acquire)) {
        // Read before fetching: if Clear All empties the store meanwhile, these
        // frames belong to the capture it cleared and must not reappear.
        const uint64_t generation = capture.store.generation();
        uint32_t unused1 = 0, unused2 = 0;
        int32_t count = 0;
        ++result.calls;
        if (RecvData(&unused1, &unused2, &count, buffer) != 1) {
            capture.failedReceiveCalls.fetch_add(1, std::memory_order_relaxed);
            break;
        }
        if (count <= 0)
            break;
        // The buffer holds 18 records; a driver claiming more is not believed.
        const uint32_t received = uint32_t(std::min<int32_t>(count, kRecvBufferRecords));
        for (uint32_t i = 0; i < received; ++i)
            clearUnusedDataBytes(buffer[i]);
        const uint32_t stored = capture.store.appendBatch(buffer, received, generation);
        result.received += received;
        result.stored += stored;
        if (stored > 0)
            capture.dataChanged.store(true, std::memory_order_relaxed);
        if (count < kRecvBufferRecords)
            break;
    }
    return result;
}
