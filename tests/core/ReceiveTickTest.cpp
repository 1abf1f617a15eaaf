#include "core/ReceiveTick.h"

#include "core/CaptureState.h"
#include "driver/SimAdapter.h"
#include "filters/ClassifyPass.h"
#include "filters/FilterState.h"
#include "support/Frames.h"
#include "support/ScriptedBackend.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ReceiveTickTest : public ::testing::Test {
protected:
    void SetUp() override {
        adapter = std::make_shared<ScriptedBackend>();
        vorelin::driver::installBackend(adapter);
        capture.capturing = true;
    }
    std::shared_ptr<ScriptedBackend> adapter;
    CaptureState capture;
};

}  // namespace

TEST_F(ReceiveTickTest, StoppedCaptureDoesNotAskTheAdapter) {
    capture.capturing = false;
    adapter->queue(frameRecord(0x100));
    runReceiveTick(capture);
    EXPECT_EQ(adapter->receiveCalls(), 0);
    EXPECT_EQ(capture.store.count(), 0u);
    EXPECT_FALSE(capture.dataChanged);
}

TEST_F(ReceiveTickTest, ThreeFramesBecomeThreeRowsInOrderAfterThePass) {
    adapter->queue(frameRecord(0x181, {1, 2}, 12));
    adapter->queue(frameRecord(0x080));
    adapter->queue(frameRecord(0x701, {5}));
    const ReceiveTickResult result = runReceiveTick(capture);
    EXPECT_EQ(result.stored, 3u);
    EXPECT_EQ(result.calls, 1u) << "a batch short of 18 means the adapter is empty";
    EXPECT_TRUE(capture.dataChanged);
    EXPECT_EQ(capture.rows.count(), 0u) << "rows appear only with the next pass";

    classifyPass(capture, FilterState{});
    ASSERT_EQ(capture.rows.count(), 3u);
    const uint32_t expected[] = {0x181, 0x080, 0x701};
    for (uint32_t row = 0; row < 3; ++row)
        EXPECT_EQ(capture.store.at(capture.rows.at(row)).frame.identifier, expected[row]) << "row " << row;
    EXPECT_EQ(capture.store.at(0).busLoad, 12u);
}

TEST_F(ReceiveTickTest, FullBatchesAreFetchedAgainWithinTheTick) {
    // A late tick finds the adapter's FIFO well filled: one tick drains it all.
    for (uint32_t i = 0; i < 18 * 20 + 7; ++i)
        adapter->queue(taggedRecord(i));
    const ReceiveTickResult result = runReceiveTick(capture);
    EXPECT_EQ(result.stored, 367u);
    EXPECT_EQ(result.calls, 21u);
    for (uint32_t i = 0; i < 367; ++i)
        ASSERT_EQ(capture.store.at(i).frame.identifier, i);
}

TEST_F(ReceiveTickTest, DrainingIsBoundedPerTick) {
    const uint32_t bound = kMaxReceiveCallsPerTick * 18;
    for (uint32_t i = 0; i < bound + 100; ++i)
        adapter->queue(taggedRecord(i));
    EXPECT_EQ(runReceiveTick(capture).stored, bound);
    EXPECT_EQ(adapter->queuedCount(), 100u);
    EXPECT_EQ(runReceiveTick(capture).stored, 100u);
    EXPECT_EQ(capture.store.count(), bound + 100);
}

TEST_F(ReceiveTickTest, DataBytesBeyondTheLengthAreStoredAsZero) {
    FrameRecord record = frameRecord(0x222, {0x11, 0x22, 0x33});
    for (int i = 3; i < 8; ++i)
        record.frame.data[i] = 0xEE;
    adapter->queue(record);
    runReceiveTick(capture);
    EXPECT_EQ(capture.store.at(0), frameRecord(0x222, {0x11, 0x22, 0x33}));
}

TEST_F(ReceiveTickTest, ALengthBeyondEightBytesReadsNoFurther) {
    FrameRecord record = frameRecord(0x333, {1, 2, 3, 4, 5, 6, 7, 8});
    record.frame.length = 200;
    adapter->queue(record);
    adapter->queue(frameRecord(0x334));
    runReceiveTick(capture);
    ASSERT_EQ(capture.store.count(), 2u);
    EXPECT_EQ(capture.store.at(0).frame.data[7], 8);
    EXPECT_EQ(capture.store.at(1).frame.identifier, 0x334u) << "the next record is untouched";
}

TEST(ReceiveTickFailure, EachFailedReceiveEndsItsTickAndIsCounted) {
    auto adapter = std::make_shared<vorelin::driver::SimAdapter>();
    vorelin::driver::installBackend(adapter);
    ASSERT_TRUE(adapter->open() && adapter->start());
    CaptureState capture;
    capture.capturing = true;
    runReceiveTick(capture);
    EXPECT_EQ(capture.failedReceiveCalls, 0u) << "an adapter with little or nothing to hand over has not failed";

    adapter->setCallFailing(vorelin::driver::KeshCall::recvData, true);
    EXPECT_EQ(runReceiveTick(capture).calls, 1u);
    EXPECT_EQ(runReceiveTick(capture).calls, 1u);
    EXPECT_EQ(capture.failedReceiveCalls, 2u);
}
