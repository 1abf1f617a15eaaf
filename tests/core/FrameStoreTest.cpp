#include "core/FrameStore.h"

#include "support/Frames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

TEST(FrameStore, AppendNeverMovesStoredRecords) {
    FrameStore store;
    store.append(taggedRecord(0));
    store.append(taggedRecord(1));
    const FrameRecord* first = &store.at(0);
    const FrameRecord* second = &store.at(1);
    for (uint32_t i = 2; i < 100'000; ++i)
        store.append(taggedRecord(i));
    EXPECT_EQ(&store.at(0), first);
    EXPECT_EQ(&store.at(1), second);
    EXPECT_EQ(*first, taggedRecord(0));
}

TEST(FrameStore, RemoveLastAtEveryPlaceOfABlock) {
    // Removing at a block's first, middle and last record, then appending again,
    // must put the new record exactly where the removed one was.
    for (uint32_t count : {1u, 50u, 101u, 102u, 103u, 204u, 205u}) {
        FrameStore store;
        for (uint32_t i = 0; i < count; ++i)
            store.append(taggedRecord(i));
        ASSERT_TRUE(store.removeLast());
        ASSERT_EQ(store.count(), count - 1);
        EXPECT_THROW((void)store.at(count - 1), std::out_of_range) << "count " << count;
        store.append(taggedRecord(7777));
        store.append(taggedRecord(8888));
        ASSERT_EQ(store.count(), count + 1);
        for (uint32_t i = 0; i + 1 < count; ++i)
            ASSERT_EQ(store.at(i), taggedRecord(i)) << "count " << count << " position " << i;
        EXPECT_EQ(store.at(count - 1), taggedRecord(7777)) << "count " << count;
        EXPECT_EQ(store.at(count), taggedRecord(8888)) << "count " << count;
    }
    FrameStore empty;
    EXPECT_FALSE(empty.removeLast());
}

TEST(FrameStore, BatchFetchedBeforeAClearIsDiscarded) {
    FrameStore store;
    const FrameRecord batch[3] = {taggedRecord(1), taggedRecord(2), taggedRecord(3)};
    const uint64_t before = store.generation();
    EXPECT_EQ(store.appendBatch(batch, 3, before), 3u);
    store.clear();
    EXPECT_EQ(store.appendBatch(batch, 3, before), 0u);
    EXPECT_EQ(store.count(), 0u);
    EXPECT_EQ(store.refusedCount(), 0u) << "discarding a cleared capture's frames is not a loss";
    EXPECT_EQ(store.appendBatch(batch, 3, store.generation()), 3u);
}

TEST(FrameStore, RefusesAppendsAtItsLimitInsteadOfWrapping) {
    FrameStore store(/*maxRecords=*/250);
    for (uint32_t i = 0; i < 248; ++i)
        ASSERT_TRUE(store.append(taggedRecord(i)));
    const FrameRecord batch[4] = {taggedRecord(900), taggedRecord(901), taggedRecord(902), taggedRecord(903)};
    EXPECT_EQ(store.appendBatch(batch, 4, store.generation()), 2u);
    EXPECT_FALSE(store.append(taggedRecord(904)));
    EXPECT_EQ(store.count(), 250u);
    EXPECT_EQ(store.refusedCount(), 3u);
    EXPECT_EQ(store.at(249), taggedRecord(901));
    EXPECT_EQ(store.at(0), taggedRecord(0));
}

TEST(FrameStore, SentFrameIsRecordedOnlyWhenTheSendSucceeds) {
    FrameStore store;
    store.append(taggedRecord(1));
    const CanFrame frame = dataFrame(0x123, {0xAB, 0xCD});

    EXPECT_FALSE(store.appendSent(frame, [](const CanFrame&) { return false; }));
    ASSERT_EQ(store.count(), 1u);

    CanFrame sent;
    EXPECT_TRUE(store.appendSent(frame, [&](const CanFrame& f) { sent = f; return true; }));
    EXPECT_EQ(sent, frame);
    ASSERT_EQ(store.count(), 2u);
    EXPECT_EQ(store.at(1), recordOf(frame)) << "no time stamp or load of its own";
}

TEST(FrameStore, BatchesKeepOrderAcrossBlocksAndSlabs) {
    // Batch sizes that start and end at every kind of place in a block, past
    // the end of the first slab of blocks (514 blocks of 102 records).
    FrameStore store;
    const uint32_t total = 515 * FrameStore::kBlockRecords + 37;
    std::vector<FrameRecord> records;
    for (uint32_t i = 0; i < total; ++i)
        records.push_back(taggedRecord(i));
    const uint32_t sizes[] = {1, 101, 102, 103, 250, 4096, 7};
    uint32_t next = 0;
    for (int turn = 0; next < total; ++turn) {
        const uint32_t n = std::min(sizes[turn % 7], total - next);
        ASSERT_EQ(store.appendBatch(records.data() + next, n, store.generation()), n);
        next += n;
        ASSERT_EQ(store.count(), next);
    }
    for (uint32_t i = 0; i < total; ++i)
        ASSERT_EQ(store.at(i), taggedRecord(i)) << "position " << i;

    // Cleared and filled again, the store reads back the new records only.
    store.clear();
    ASSERT_EQ(store.appendBatch(records.data() + 5, 300, store.generation()), 300u);
    for (uint32_t i = 0; i < 300; ++i)
        ASSERT_EQ(store.at(i), taggedRecord(i + 5)) << "position " << i;
    EXPECT_THROW((void)store.at(300), std::out_of_range);
}

TEST(FrameStore, FilledBatchCoversEachRecordOnceInOrder) {
    FrameStore store;
    store.append(taggedRecord(0));
    std::vector<uint32_t> filled;  // batch index written, in call order
    const uint32_t n = 2 * FrameStore::kBlockRecords + 10;
    auto fill = [&](FrameRecord* out, uint32_t first, uint32_t count) {
        for (uint32_t i = 0; i < count; ++i) {
            out[i] = taggedRecord(1 + first + i);
            filled.push_back(first + i);
        }
    };
    const uint32_t stored = store.appendFilled(n, store.generation(), fill);
    ASSERT_EQ(stored, n);
    ASSERT_EQ(filled.size(), n);
    for (uint32_t i = 0; i < n; ++i)
        ASSERT_EQ(filled[i], i);
    for (uint32_t i = 0; i <= n; ++i)
        ASSERT_EQ(store.at(i), taggedRecord(i)) << "position " << i;
}

TEST(FrameStore, FilledBatchAtTheLimitFillsOnlyWhatFits) {
    FrameStore store(/*maxRecords=*/110);
    for (uint32_t i = 0; i < 100; ++i)
        store.append(taggedRecord(i));
    uint32_t filled = 0;
    auto fill = [&](FrameRecord* out, uint32_t first, uint32_t count) {
        for (uint32_t i = 0; i < count; ++i)
            out[i] = taggedRecord(100 + first + i);
        filled += count;
    };
    const uint32_t stored = store.appendFilled(20, store.generation(), fill);
    EXPECT_EQ(stored, 10u);
    EXPECT_EQ(filled, 10u);
    EXPECT_EQ(store.count(), 110u);
    EXPECT_EQ(store.refusedCount(), 10u);
    EXPECT_EQ(store.at(109), taggedRecord(109));

    const uint64_t before = store.generation();
    store.clear();
    EXPECT_EQ(store.appendFilled(5, before, [&](FrameRecord*, uint32_t, uint32_t) { ADD_FAILURE() << "filled"; }), 0u);
}

TEST(FrameStore, RemovingIntoAnEarlierBlockAppendsThere) {
    // Two removals from just past a block boundary leave the end mid-block in
    // the block before; the next appends must land there, not in the later block.
    for (uint32_t count : {103u, 205u}) {
        FrameStore store;
        for (uint32_t i = 0; i < count; ++i)
            store.append(taggedRecord(i));
        ASSERT_TRUE(store.removeLast());
        ASSERT_TRUE(store.removeLast());
        const FrameRecord again[3] = {taggedRecord(7000), taggedRecord(7001), taggedRecord(7002)};
        store.append(taggedRecord(6999));
        ASSERT_EQ(store.appendBatch(again, 3, store.generation()), 3u);
        ASSERT_EQ(store.count(), count + 2);
        for (uint32_t i = 0; i + 2 < count; ++i)
            ASSERT_EQ(store.at(i), taggedRecord(i)) << "count " << count << " position " << i;
        for (uint32_t k = 0; k < 4; ++k)
            EXPECT_EQ(store.at(count - 2 + k), taggedRecord(6999 + k)) << "count " << count << " k " << k;
    }
}
