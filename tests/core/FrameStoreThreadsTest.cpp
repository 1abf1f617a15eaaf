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
            ASSERT_TRUE(isIntactTaggedRecord(store.at(checked), checked)) << "position " << checked;
    }
    receiver.join();
    EXPECT_EQ(checked, kAppends);
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
            ASSERT_TRUE(isIntactTaggedRecord(record, record.busLoad)) << "round " << round << " position " << i;
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
        ASSERT_TRUE(isIntactTaggedRecord(record, nextReceived)) << "position " << i;
        ++nextReceived;
    }
    EXPECT_EQ(nextReceived, kReceived);
    EXPECT_EQ(manualSeen, succeeded);
}
