// FrameStoreAppendBench: single-thread appends per second, the store's own
// cost per frame. Memory is touched once before timing: on these virtual
// machines a first touch costs more than the append itself (the memory bench
// reports appends into fresh memory separately).
#include "core/FrameStore.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>

namespace {

constexpr uint32_t kFrames = 1'000'000;

void fill(FrameStore& store) {
    FrameRecord record;
    record.frame.length = 8;
    for (uint32_t i = 0; i < kFrames; ++i) {
        record.frame.identifier = i;
        store.append(record);
    }
}

void BM_StoreAppend(benchmark::State& state) {
    // Keep freed blocks in the allocator so that each round reuses them.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    FrameStore store;
    fill(store);
    for (auto _ : state) {
        state.PauseTiming();
        store.clear();
        state.ResumeTiming();
        fill(store);
        benchmark::DoNotOptimize(store.count());
    }
    if (store.count() != kFrames || store.at(kFrames - 1).frame.identifier != kFrames - 1) {
        std::fprintf(stderr, "store_append: wrong contents after %u appends\n", kFrames);
        std::abort();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kFrames);
}
BENCHMARK(BM_StoreAppend)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
