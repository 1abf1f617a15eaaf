// StoreConcurrencyBench: how much the window thread's reads slow down while
// the receive thread appends as fast as it can (a few GB in two seconds).
// Prints concurrent_read_ratio.
#include "core/FrameStore.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

constexpr uint32_t kPrefilled = 2'000'000;
constexpr auto kMeasureFor = std::chrono::seconds(2);

// Reads the stored records front to back, as a classification pass or an
// export does, for a fixed time; returns records read per second.
double readThroughput(const FrameStore& store, uint64_t& checksum) {
    uint64_t reads = 0;
    const auto start = std::chrono::steady_clock::now();
    auto now = start;
    while (now - start < kMeasureFor) {
        const uint32_t n = store.count();
        for (uint32_t i = 0; i < kPrefilled && i < n; ++i)
            checksum += store.at(i).frame.identifier;
        reads += kPrefilled;
        now = std::chrono::steady_clock::now();
    }
    return double(reads) / std::chrono::duration<double>(now - start).count();
}

uint64_t expectedChecksumPerSweep() { return uint64_t(kPrefilled) * (kPrefilled - 1) / 2; }

}  // namespace

int main() {
    FrameStore store;
    FrameRecord record;
    for (uint32_t i = 0; i < kPrefilled; ++i) {
        record.frame.identifier = i;
        store.append(record);
    }

    uint64_t aloneChecksum = 0;
    const double alone = readThroughput(store, aloneChecksum);

    std::atomic<bool> stop{false};
    uint64_t appended = 0;
    std::thread receiver([&] {
        FrameRecord incoming;
        while (!stop.load(std::memory_order_relaxed)) {
            incoming.frame.identifier = uint32_t(appended++);
            store.append(incoming);
        }
    });
    uint64_t busyChecksum = 0;
    const double busy = readThroughput(store, busyChecksum);
    stop = true;
    receiver.join();

    if (aloneChecksum % expectedChecksumPerSweep() != 0 || busyChecksum % expectedChecksumPerSweep() != 0 ||
        appended == 0) {
        std::fprintf(stderr, "concurrent_read_ratio: reads returned wrong records\n");
        return 1;
    }
    std::fprintf(stderr, "reads alone %.0f/s, while appending %.0f/s (%llu appends)\n", alone, busy,
                 (unsigned long long)appended);
    std::printf("concurrent_read_ratio %.3f ratio\n", busy / alone);
    return 0;
}
