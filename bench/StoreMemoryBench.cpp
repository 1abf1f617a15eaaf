// StoreMemoryBench: resident memory the store takes per frame at 10 million
// frames, and how fast appends run into memory never touched before. Prints
// bytes_per_frame_10M and store_append_first_touch_per_s.
#include "ResidentMemory.h"
#include "core/FrameStore.h"

#include <chrono>
#include <cstdio>

int main() {
    constexpr uint32_t kFrames = 10'000'000;
    FrameStore store;
    FrameRecord record;
    record.frame.length = 8;
    const double before = residentBytes();
    const auto started = std::chrono::steady_clock::now();
    uint64_t expected = 0;
    for (uint32_t i = 0; i < kFrames; ++i) {
        record.frame.identifier = i & 0x7FF;
        expected += record.frame.identifier;
        store.append(record);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const double after = residentBytes();

    uint64_t checksum = 0;
    for (uint32_t i = 0; i < store.count(); ++i)
        checksum += store.at(i).frame.identifier;
    if (store.count() != kFrames || checksum != expected) {
        std::fprintf(stderr, "bytes_per_frame_10M: store holds the wrong frames\n");
        return 1;
    }
    std::printf("bytes_per_frame_10M %.2f bytes\n", (after - before) / kFrames);
    std::printf("store_append_first_touch_per_s %.0f appends/s\n", kFrames / seconds);
    return 0;
}
