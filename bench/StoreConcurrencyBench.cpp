// StoreConcurrencyBench: how much the window thread's reads slow down while
// the receive thread appends as fast as it can. Prints concurrent_read_ratio.
#include "core/FrameStore.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <thread>

namespace {

constexpr uint32_t kPrefilled = 2'000'000;
constexpr auto kMeasureFor = std::chrono::milliseconds(300);
// More than the receive thread appends while reads are measured. Touching
// this much memory once beforehand keeps first-touch page faults, which cost
// more than an append on these virtual machines, from slowing the writer.
constexpr uint32_t kWarmRecords = 40'000'000;

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
    mallopt(M_TRIM_THRESHOLD, INT32_MAX);  // keep freed blocks for the writer to reuse
    FrameStore store;
    FrameRecord record;
    for (uint32_t i = 0; i < kPrefilled; ++i) {
        record.frame.identifier = i;
        store.append(record);
    }

    std::atomic<bool> stop{false}, warmedUp{false}, go{false};
    uint64_t appended = 0;
    std::thread receiver([&] {
        {
            // On this thread: its allocations come from its own arena.
            FrameStore warm;
            for (uint32_t i = 0; i < kWarmRecords; ++i)
                warm.append(FrameRecord{});
        }
        warmedUp = true;
        while (!go)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        FrameRecord incoming;
        while (!stop.load(std::memory_order_relaxed)) {
            incoming.frame.identifier = uint32_t(appended++);
            store.append(incoming);
        }
    });
    while (!warmedUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    uint64_t aloneChecksum = 0;
    const double alone = readThroughput(store, aloneChecksum);
    go = true;
    uint64_t busyChecksum = 0;
    const double busy = readThroughput(store, busyChecksum);
    stop = true;
    receiver.join();

    if (aloneChecksum % expectedChecksumPerSweep() != 0 || busyChecksum % expectedChecksumPerSweep() != 0 ||
        appended == 0) {
        std::fprintf(stderr, "concurrent_read_ratio: reads returned wrong records\n");
        return 1;
    }
    std::fprintf(stderr, "reads alone %.0f/s, while appending %.0f/s (%llu appends in %.1f s)\n", alone, busy,
                 (unsigned long long)appended, std::chrono::duration<double>(kMeasureFor).count());
    std::printf("concurrent_read_ratio %.3f ratio\n", busy / alone);
    return 0;
}
