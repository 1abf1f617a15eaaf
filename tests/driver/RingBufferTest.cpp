// The ring behind the simulated adapter's FIFO, queues and transmit log:
// first in, first out across wrap-around, refusal or eviction when full.
#include "driver/RingBuffer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using vorelin::driver::RingBuffer;

std::vector<int> contents(const RingBuffer<int>& ring) {
    std::vector<int> values;
    for (std::size_t i = 0; i < ring.size(); ++i)
        values.push_back(ring[i]);
    return values;
}

TEST(RingBuffer, KeepsOrderAcrossWrapAroundAndRefusesWhenFull) {
    RingBuffer<int> ring(3);
    EXPECT_TRUE(ring.push(1));
    EXPECT_TRUE(ring.push(2));
    EXPECT_TRUE(ring.push(3));
    EXPECT_FALSE(ring.push(4));
    EXPECT_EQ(contents(ring), (std::vector<int>{1, 2, 3}));

    ring.pop();
    ring.pop();
    EXPECT_TRUE(ring.push(5));
    EXPECT_TRUE(ring.push(6));
    EXPECT_TRUE(ring.full());
    EXPECT_EQ(contents(ring), (std::vector<int>{3, 5, 6}));
    EXPECT_EQ(ring.front(), 3);
}

TEST(RingBuffer, EvictsTheOldestWhenAskedTo) {
    RingBuffer<int> ring(3);
    for (int value = 1; value <= 7; ++value)
        ring.pushEvictingOldest(value);
    EXPECT_EQ(contents(ring), (std::vector<int>{5, 6, 7}));
}

TEST(RingBuffer, ClearedRingFillsFromTheStartAgain) {
    RingBuffer<int> ring(4);
    ring.push(1);
    ring.push(2);
    ring.pop();
    ring.clear();
    EXPECT_TRUE(ring.empty());
    for (int value = 10; value < 14; ++value)
        EXPECT_TRUE(ring.push(value));
    EXPECT_FALSE(ring.push(14));
    EXPECT_EQ(contents(ring), (std::vector<int>{10, 11, 12, 13}));
}

TEST(RingBuffer, PartlyUsedRingWrapsIntoItsFirstSlots) {
    // Pops before the ring was ever full: later pushes must reuse slot 0.
    RingBuffer<int> ring(3);
    ring.push(1);
    ring.pop();
    ring.push(2);
    ring.push(3);
    ring.push(4);
    EXPECT_TRUE(ring.full());
    EXPECT_EQ(contents(ring), (std::vector<int>{2, 3, 4}));
}

}  // namespace
