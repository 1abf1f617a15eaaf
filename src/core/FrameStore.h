// FrameStore.h: every record of a capture, in arrival order. The receive
// thread appends and the window thread reads, and neither ever waits on the
// other's work.
#pragma once

#include "base/FrameRecord.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

// Threads: append from the receive thread or the window thread; writers take
// turns on a short spin lock that only covers copying records in. count and at
// from any thread without a lock: a record is visible once count covers it
// (release/acquire); appendBatch publishes its records together, after all are
// copied. removeLast and clear run on the window thread, never while another
// thread reads; clear waits out an append in progress and gives the memory
// back after releasing the lock, so the receive thread never waits long.
class FrameStore {
public:
    static constexpr uint32_t kBlockRecords = 102;  // 4080 bytes a block
    static constexpr uint32_t kMaxRecords = UINT32_MAX;

    // `maxRecords` below the 32-bit limit lets tests reach the limit.
    explicit FrameStore(uint32_t maxRecords = kMaxRecords);
    ~FrameStore();
    FrameStore(const FrameStore&) = delete;
    FrameStore& operator=(const FrameStore&) = delete;

    // Appends at the end. Refuses, and counts the record as refused, when the
    // count would pass the limit or memory runs out: a 32-bit count must not wrap.
    bool append(const FrameRecord& record);

    // Appends records[0 .. n) under one turn of the lock and returns how many
    // were stored; those beyond the limit are refused as by append. When the
    // store was cleared after `generation` was read, the records belong to the
    // capture that was cleared and none is stored.
    uint32_t appendBatch(const FrameRecord* records, uint32_t n, uint64_t generation);

    // As appendBatch, but `fill(FrameRecord* out, uint32_t first, uint32_t
    // count)` writes the records straight into the store: records first ..
    // first + count of the batch into out[0 .. count). It is called under the
    // lock for consecutive runs, in order, and must not touch the store.
    template <class Fill>
    uint32_t appendFilled(uint32_t n, uint64_t generation, Fill fill) {
        auto call = [](void* context, FrameRecord* out, uint32_t first, uint32_t count) {
            (*static_cast<Fill*>(context))(out, first, count);
        };
        return appendRuns(n, generation, call, &fill);
    }

    // Sends `frame` and, only if `send` reports success, records it with time
    // and bus load 0. A failed send leaves the store exactly as it was, whatever
    // other threads append meanwhile; the send runs outside the lock.
    bool appendSent(const CanFrame& frame, const std::function<bool(const CanFrame&)>& send);

    bool removeLast();
    void clear();

    uint32_t count() const;
    // The record at `position`; throws std::out_of_range at or beyond count.
    const FrameRecord& at(uint32_t position) const;

    // Bumped by every clear; see appendBatch.
    uint64_t generation() const { return generation_.load(std::memory_order_acquire); }
    // Records refused because the store was full or memory ran out.
    uint64_t refusedCount() const { return refused_.load(std::memory_order_relaxed); }

private:
    struct Block;
    struct Segment;
    struct Slab;
    class WriterLock;

    using RunFiller = void (*)(void* context, FrameRecord* out, uint32_t first, uint32_t count);
    uint32_t appendRuns(uint32_t n, uint64_t generation, RunFiller fill, void* context);
    FrameRecord* slotForAppend(uint32_t position);
    Block* newBlock();
    bool appendLocked(const FrameRecord& record);
    const FrameRecord& recordAt(uint32_t position) const;

    const uint32_t maxRecords_;
    const uint32_t segmentCount_;
    std::unique_ptr<Segment*[]> segments_;  // the block map, two levels, never moves

    // Written by writers only, under the lock.
    alignas(64) std::atomic_flag writerBusy_;
    Block* tailBlock_ = nullptr;
    Slab* slab_ = nullptr;        // the newest slab; each links to the one before
    uint32_t slabBlocksUsed_ = 0;  // blocks of slab_ handed out
    std::atomic<uint64_t> generation_{0};
    std::atomic<uint64_t> refused_{0};

    // Published count: the one field both sides touch on every record.
    alignas(64) std::atomic<uint32_t> count_{0};

    // The highest count a reader has already acquired. Readers check positions
    // against it so they do not pull count_'s cache line away from the writer
    // on every read; it is only ever at most count_.
    alignas(64) mutable std::atomic<uint32_t> readerKnownCount_{0};
};
