#include "core/FrameStore.h"

#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {
constexpr uint32_t kSegmentBlocks = 4096;  // 32 KiB of block pointers

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
        slot = new (std::nothrow) Block;
        if (!slot)
            return nullptr;
    }
    tailBlock_ = slot;
    return &slot->records[0];
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
    WriterLock lock(writerBusy_);
    if (generation != generation_.load(std::memory_order_relaxed))
        return 0;
    uint32_t stored = 0;
    for (uint32_t i = 0; i < n; ++i)
        stored += appendLocked(records[i]);
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
    return true;
}

void FrameStore::clear() {
    std::vector<Segment*> detached;
    {
        WriterLock lock(writerBusy_);
        count_.store(0, std::memory_order_release);
        readerKnownCount_.store(0, std::memory_order_relaxed);
        generation_.fetch_add(1, std::memory_order_release);
        tailBlock_ = nullptr;
        for (uint32_t s = 0; s < segmentCount_; ++s) {
            if (segments_[s]) {
                detached.push_back(segments_[s]);
                segments_[s] = nullptr;
            }
        }
    }
    for (Segment* segment : detached) {
        for (Block* block : segment->blocks)
            delete block;
        delete segment;
    }
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
