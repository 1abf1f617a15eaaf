#include "core/FrameStore.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <sys/mman.h>

namespace {
constexpr uint32_t kSegmentBlocks = 4096;  // 32 KiB of block pointers

// Blocks come from slabs of one huge page: a first touch of fresh memory costs
// one fault per slab instead of one per 4 KiB page.
constexpr std::size_t kSlabBytes = std::size_t(2) << 20;
constexpr uint32_t kSlabBlocks = 514;

uint32_t blocksFor(uint32_t records) {
    return records / FrameStore::kBlockRecords + (records % FrameStore::kBlockRecords != 0);
}
}  // namespace

struct FrameStore::Block {
    FrameRecord records[kBlockRecords];
};
static_assert(sizeof(FrameRecord[FrameStore::kBlockRecords]) == 4080);

struct FrameStore::Segment {
    Block* blocks[kSegmentBlocks] = {};
};

struct FrameStore::Slab {
    Block blocks[kSlabBlocks];
    Slab* previous;
};

namespace {

// Slabs a cleared store gave back, kept for the next store that grows: closing
// one capture and loading the next then costs neither faults nor zeroing. The
// kernel may still take their pages back under memory pressure (MADV_FREE).
class SlabPool {
public:
    static SlabPool& instance() {
        static SlabPool* pool = new SlabPool;  // never destroyed: stores may outlive statics
        return *pool;
    }

    void* take() {
        std::lock_guard lock(mutex_);
        if (free_.empty())
            return nullptr;
        void* memory = free_.back();
        free_.pop_back();
        return memory;
    }

    // False when the pool is full; the caller frees the slab.
    bool give(void* memory) {
        std::lock_guard lock(mutex_);
        if (free_.size() >= kMaxSlabs)
            return false;
        free_.push_back(memory);
        return true;
    }

private:
    static constexpr std::size_t kMaxSlabs = 256;  // 512 MiB
    SlabPool() { free_.reserve(kMaxSlabs); }
    std::mutex mutex_;
    std::vector<void*> free_;
};

void* allocateSlab() {
    void* memory = SlabPool::instance().take();
    if (!memory) {
        memory = ::operator new(kSlabBytes, std::align_val_t(kSlabBytes), std::nothrow);
        if (!memory)
            return nullptr;
        ::madvise(memory, kSlabBytes, MADV_HUGEPAGE);
    }
    // A hint like the one above: without it the pages fault in one by one. It
    // leaves the contents as they are and costs little on pages still present.
    ::madvise(memory, kSlabBytes, MADV_POPULATE_WRITE);
    return memory;
}

void releaseSlab(void* memory) {
    ::madvise(memory, kSlabBytes, MADV_FREE);
    if (!SlabPool::instance().give(memory))
        ::operator delete(memory, std::align_val_t(kSlabBytes));
}

}  // namespace

// Appends are a few dozen nanoseconds; a mutex would cost as much again.
class FrameStore::WriterLock {
public:
    explicit WriterLock(std::atomic_flag& busy) : busy_(busy) {
        int spins = 0;
        while (busy_.test_and_set(std::memory_order_acquire)) {
            while (busy_.test(std::memory_order_relaxed)) {
                if (++spins > 64)
                    std::this_thread::yield();
            }
        }
    }
    ~WriterLock() { busy_.clear(std::memory_order_release); }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

private:
    std::atomic_flag& busy_;
};

FrameStore::FrameStore(uint32_t maxRecords)
    : maxRecords_(maxRecords),
      segmentCount_(blocksFor(maxRecords) / kSegmentBlocks + 1),
      segments_(new Segment*[segmentCount_]()) {}

FrameStore::~FrameStore() { clear(); }

FrameRecord* FrameStore::slotForAppend(uint32_t position) {
    const uint32_t offset = position % kBlockRecords;
    if (offset != 0)
        return &tailBlock_->records[offset];

    const uint32_t block = position / kBlockRecords;
    Segment*& segment = segments_[block / kSegmentBlocks];
    if (!segment) {
        segment = new (std::nothrow) Segment;
        if (!segment)
            return nullptr;
    }
    Block*& slot = segment->blocks[block % kSegmentBlocks];
    if (!slot) {
        // Only clear releases blocks: after removeLast the next append finds
        // its block here, or in tailBlock_ when mid-block.
        slot = newBlock();
        if (!slot)
            return nullptr;
    }
    tailBlock_ = slot;
    return &slot->records[0];
}

FrameStore::Block* FrameStore::newBlock() {
    static_assert(sizeof(Slab) <= kSlabBytes && sizeof(Slab) + sizeof(Block) > kSlabBytes,
                  "a slab fills its huge page with blocks");
    if (!slab_ || slabBlocksUsed_ == kSlabBlocks) {
        void* memory = allocateSlab();
        if (!memory)
            return nullptr;
        // Blocks are plain records: no constructor needs to run.
        Slab* slab = static_cast<Slab*>(memory);
        slab->previous = slab_;
        slab_ = slab;
        slabBlocksUsed_ = 0;
    }
    return &slab_->blocks[slabBlocksUsed_++];
}

bool FrameStore::appendLocked(const FrameRecord& record) {
    const uint32_t n = count_.load(std::memory_order_relaxed);
    FrameRecord* slot = n < maxRecords_ ? slotForAppend(n) : nullptr;
    if (!slot) {
        refused_.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    *slot = record;
    count_.store(n + 1, std::memory_order_release);
    return true;
}

bool FrameStore::append(const FrameRecord& record) {
    WriterLock lock(writerBusy_);
    return appendLocked(record);
}

uint32_t FrameStore::appendBatch(const FrameRecord* records, uint32_t n, uint64_t generation) {
    return appendFilled(n, generation, [records](FrameRecord* out, uint32_t first, uint32_t count) {
        std::memcpy(out, records + first, count * sizeof(FrameRecord));
    });
}

uint32_t FrameStore::appendRuns(uint32_t n, uint64_t generation, RunFiller fill, void* context) {
    WriterLock lock(writerBusy_);
    if (generation != generation_.load(std::memory_order_relaxed))
        return 0;
    const uint32_t start = count_.load(std::memory_order_relaxed);
    const uint32_t wanted = std::min(n, maxRecords_ - start);
    uint32_t stored = 0;
    // Block by block, each run written whole into the block's free tail.
    while (stored < wanted) {
        FrameRecord* out = slotForAppend(start + stored);
        if (!out)
            break;
        const uint32_t run = std::min(wanted - stored, kBlockRecords - (start + stored) % kBlockRecords);
        fill(context, out, stored, run);
        stored += run;
    }
    if (stored < n)
        refused_.fetch_add(n - stored, std::memory_order_relaxed);
    // Published once, after the last run: no reader sees a part of the batch early.
    if (stored > 0)
        count_.store(start + stored, std::memory_order_release);
    return stored;
}

bool FrameStore::appendSent(const CanFrame& frame, const std::function<bool(const CanFrame&)>& send) {
    if (!send(frame))
        return false;
    FrameRecord record;
    record.frame = frame;
    return append(record);
}

bool FrameStore::removeLast() {
    WriterLock lock(writerBusy_);
    const uint32_t n = count_.load(std::memory_order_relaxed);
    if (n == 0)
        return false;
    count_.store(n - 1, std::memory_order_release);
    if (readerKnownCount_.load(std::memory_order_relaxed) > n - 1)
        readerKnownCount_.store(n - 1, std::memory_order_relaxed);
    // The next append may go mid-block into an earlier block than tailBlock_
    // (after removing a block's first record and then one more).
    if ((n - 1) % kBlockRecords != 0) {
        const uint32_t block = (n - 1) / kBlockRecords;
        tailBlock_ = segments_[block / kSegmentBlocks]->blocks[block % kSegmentBlocks];
    }
    return true;
}

void FrameStore::clear() {
    // Segments are freed after the lock is let go, from a list made first.
    // Without memory for the list they are freed under the lock instead:
    // clear must not throw, halfway through or from the destructor.
    const std::unique_ptr<Segment*[]> detached(new (std::nothrow) Segment*[segmentCount_]);
    uint32_t detachedCount = 0;
    Slab* slab = nullptr;
    {
        WriterLock lock(writerBusy_);
        count_.store(0, std::memory_order_release);
        readerKnownCount_.store(0, std::memory_order_relaxed);
        generation_.fetch_add(1, std::memory_order_release);
        tailBlock_ = nullptr;
        slab = std::exchange(slab_, nullptr);
        slabBlocksUsed_ = 0;
        for (uint32_t s = 0; s < segmentCount_; ++s) {
            if (Segment* segment = std::exchange(segments_[s], nullptr)) {
                if (detached)
                    detached[detachedCount++] = segment;
                else
                    delete segment;
            }
        }
    }
    for (uint32_t i = 0; i < detachedCount; ++i)
        delete detached[i];
    while (slab)
        releaseSlab(std::exchange(slab, slab->previous));
}

uint32_t FrameStore::count() const {
    const uint32_t n = count_.load(std::memory_order_acquire);
    if (n > readerKnownCount_.load(std::memory_order_relaxed))
        readerKnownCount_.store(n, std::memory_order_release);
    return n;
}

const FrameRecord& FrameStore::recordAt(uint32_t position) const {
    const uint32_t block = position / kBlockRecords;
    return segments_[block / kSegmentBlocks]->blocks[block % kSegmentBlocks]->records[position % kBlockRecords];
}

const FrameRecord& FrameStore::at(uint32_t position) const {
    if (position >= readerKnownCount_.load(std::memory_order_acquire) && position >= count())
        throw std::out_of_range("frame store position " + std::to_string(position) + " is beyond its " +
                                std::to_string(count_.load(std::memory_order_relaxed)) + " records");
    return recordAt(position);
}
