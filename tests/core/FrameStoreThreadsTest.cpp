// The store's thread contract, one test per sentence; run under TSan in CI.
#include "core/FrameStore.h"

#include "support/Frames.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {
constexpr uint32_t kAppends = 200'000;
}

TEST(FrameStoreThreads, ReaderSeesEveryCountedRecordWhole) {
    FrameStore store;
    std::atomic<bool> done{false};
    std::thread receiver([&] {
        for (uint32_t i = 0; i < kAppends; ++i)
            store.append(taggedRecord(i));
        done = true;
    });
    uint32_t checked = 0;
    while (!done || checked < store.count()) {
        const uint32_t n = store.count();
        for (; checked < n; ++checked)
            ASSERT_EQ(store.at(checked), taggedRecord(checked)) << "position " << checked;
    }
    receiver.join();
    EXPECT_EQ(checked, kAppends);
}

TEST(FrameStoreThreads, BatchIsPublishedWholeAfterItsLastRecord) {
    // Batches spanning blocks: a reader never sees a count inside a batch, and
    // every record it counts is whole.
    constexpr uint32_t kSizes[] = {1, 250, 102, 37, 500};
    std::vector<uint32_t> boundaries{0};
    std::vector<FrameRecord> records;
    while (records.size() < kAppends) {
        const uint32_t size = kSizes[boundaries.size() % 5];
        for (uint32_t i = 0; i < size; ++i)
            records.push_back(taggedRecord(uint32_t(records.size())));
        boundaries.push_back(uint32_t(records.size()));
    }
    FrameStore store;
    std::atomic<bool> done{false};
    std::thread receiver([&] {
        for (std::size_t b = 1; b < boundaries.size(); ++b) {
            const uint32_t n = boundaries[b] - boundaries[b - 1];
            if (b % 2 == 0) {
                store.appendBatch(records.data() + boundaries[b - 1], n, store.generation());
            } else {
                const FrameRecord* from = records.data() + boundaries[b - 1];
                store.appendFilled(n, store.generation(), [from](FrameRecord* out, uint32_t first, uint32_t count) {
                    for (uint32_t i = 0; i < count; ++i)
                        out[i] = from[first + i];
                });
            }
        }
        done = true;
    });
    uint32_t checked = 0;
    std::size_t boundary = 0;
    while (!done || checked < store.count()) {
        const uint32_t n = store.count();
        while (boundaries[boundary] < n)
            ++boundary;
        ASSERT_EQ(boundaries[boundary], n) << "a count inside a batch";
        for (; checked < n; ++checked)
            ASSERT_EQ(store.at(checked), taggedRecord(checked)) << "position " << checked;
    }
    receiver.join();
    EXPECT_EQ(checked, records.size());
}

TEST(FrameStoreThreads, ClearWaitsForBulkAppendInProgress) {
    // Batches of several blocks racing clear and reads on the window thread:
    // what survives is whole batches, each whole, from position 0 on.
    constexpr uint32_t kBatch = 3 * FrameStore::kBlockRecords + 7;
    FrameStore store;
    std::atomic<bool> stop{false};
    std::thread receiver([&] {
        for (uint32_t tag = 0; !stop; ++tag) {
            // The lock is not fair: a receiver that never pauses could hold
            // off clear while the reads after it grow without bound.
            if (store.count() > 20 * kBatch) {
                std::this_thread::yield();
                continue;
            }
            store.appendFilled(kBatch, store.generation(), [tag](FrameRecord* out, uint32_t, uint32_t count) {
                for (uint32_t i = 0; i < count; ++i)
                    out[i] = taggedRecord(tag);
            });
        }
    });
    for (int round = 0; round < 300; ++round) {
        store.clear();
        const uint32_t n = store.count();
        ASSERT_EQ(n % kBatch, 0u) << "round " << round;
        for (uint32_t i = 0; i < n; ++i) {
            const FrameRecord& record = store.at(i);
            ASSERT_EQ(record, taggedRecord(store.at(i - i % kBatch).busLoad))
                << "round " << round << " position " << i;
        }
    }
    stop = true;
    receiver.join();
}

TEST(FrameStoreThreads, ClearWaitsForAppendInProgress) {
    // Whatever survives a clear that races with appends is whole, and the
    // positions start at 0 again without gaps.
    FrameStore store;
    std::atomic<bool> stop{false};
    std::thread receiver([&] {
        uint32_t tag = 0;
        while (!stop) {
            const FrameRecord batch[3] = {taggedRecord(tag), taggedRecord(tag), taggedRecord(tag)};
            store.appendBatch(batch, 3, store.generation());
            ++tag;
        }
    });
    for (int round = 0; round < 300; ++round) {
        store.clear();
        const uint32_t n = store.count();
        for (uint32_t i = 0; i < n; ++i) {
            const FrameRecord& record = store.at(i);
            ASSERT_EQ(record, taggedRecord(record.busLoad)) << "round " << round << " position " << i;
        }
    }
    stop = true;
    receiver.join();
}

TEST(FrameStoreThreads, FailedManualSendLeavesReceivedFramesUntouched) {
    // The receive thread appends numbered frames while the window thread sends
    // by hand; failed sends must leave no trace and take no received frame away.
    FrameStore store;
    constexpr uint32_t kReceived = 50'000;
    constexpr uint32_t kManualTag = 0xFFFF'FFFF;
    std::thread receiver([&] {
        for (uint32_t i = 0; i < kReceived; ++i)
            store.append(taggedRecord(i));
    });
    uint32_t succeeded = 0;
    CanFrame manual = taggedRecord(kManualTag).frame;
    for (int attempt = 0; attempt < 2000; ++attempt) {
        const bool sendWorks = attempt % 10 == 0;
        if (store.appendSent(manual, [&](const CanFrame&) { std::this_thread::yield(); return sendWorks; }))
            ++succeeded;
    }
    receiver.join();

    ASSERT_EQ(succeeded, 200u);
    ASSERT_EQ(store.count(), kReceived + succeeded);
    uint32_t nextReceived = 0, manualSeen = 0;
    for (uint32_t i = 0; i < store.count(); ++i) {
        const FrameRecord& record = store.at(i);
        if (record.frame.identifier == kManualTag) {
            ++manualSeen;
            EXPECT_EQ(record.busLoad, 0u);
            continue;
        }
        ASSERT_EQ(record, taggedRecord(nextReceived)) << "position " << i;
        ++nextReceived;
    }
    EXPECT_EQ(nextReceived, kReceived);
    EXPECT_EQ(manualSeen, succeeded);
}
