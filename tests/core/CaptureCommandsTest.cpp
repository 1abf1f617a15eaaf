#include "core/CaptureCommands.h"

#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "core/ReceiveTick.h"
#include "core/ReceiveTimer.h"
#include "core/RecordingMessageSink.h"
#include "core/ShownRowsView.h"
#include "filters/ClassifyPass.h"
#include "filters/FilterState.h"
#include "support/Frames.h"
#include "support/ScriptedBackend.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

class RecordingView : public ShownRowsView {
public:
    void resetShownRows() override { ++resets; }
    void showRowCount(uint32_t) override { ADD_FAILURE() << "Clear All only empties the rows"; }
    int resets = 0;
};

class CaptureCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        adapter = std::make_shared<ScriptedBackend>();
        vorelin::driver::installBackend(adapter);
    }
    std::shared_ptr<ScriptedBackend> adapter;
    CaptureState capture;
    ReceiveTimer receiveTimer{capture};
    bool deviceConfigured = true;
    RecordingMessageSink messages;
};

}  // namespace

TEST_F(CaptureCommandsTest, CaptureRefusesAnUnconfiguredDevice) {
    deviceConfigured = false;
    startCapture(capture, deviceConfigured, messages);
    ASSERT_EQ(messages.shown().size(), 1u);
    const Message& shown = messages.shown()[0];
    EXPECT_EQ(std::tuple(shown.number, shown.icon, shown.caption), std::tuple(5000, MessageIcon::Stop, "Vorelin"));
    EXPECT_EQ(adapter->startCalls(), 0);
    EXPECT_TRUE(isCaptureEnabled(capture));
    EXPECT_FALSE(isStopEnabled(capture));
}

TEST_F(CaptureCommandsTest, CaptureWhoseAdapterFailsToStartStillCaptures) {
    adapter->failStart(true);
    startCapture(capture, deviceConfigured, messages);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(std::tuple(messages.shown()[0].number, messages.shown()[0].icon), std::tuple(5001, MessageIcon::None));
    EXPECT_FALSE(isCaptureEnabled(capture));
    EXPECT_TRUE(isStopEnabled(capture));
}

TEST_F(CaptureCommandsTest, StopThenCaptureKeepsEarlierRecordsAndAsksTheAdapterAgain) {
    startCapture(capture, deviceConfigured, messages);
    EXPECT_TRUE(messages.shown().empty());
    adapter->queue(frameRecord(0x10));
    runReceiveTick(capture);

    stopCapture(capture);
    EXPECT_TRUE(isCaptureEnabled(capture));
    EXPECT_FALSE(isStopEnabled(capture));
    EXPECT_EQ(adapter->stopCalls(), 0) << "Stop leaves the adapter running";
    adapter->queue(frameRecord(0x20));
    runReceiveTick(capture);
    EXPECT_EQ(capture.store.count(), 1u);

    startCapture(capture, deviceConfigured, messages);
    EXPECT_EQ(adapter->startCalls(), 2);
    runReceiveTick(capture);
    ASSERT_EQ(capture.store.count(), 2u);
    EXPECT_EQ(capture.store.at(1).frame.identifier, 0x20u) << "what the adapter kept while stopped comes now";
}

TEST_F(CaptureCommandsTest, ClearAllDuringCaptureEmptiesEverythingAndCaptureGoesOn) {
    CDataDoc document(capture, receiveTimer);
    receiveTimer.stop();  // ticks are driven by hand here
    RecordingView view;
    startCapture(capture, deviceConfigured, messages);
    for (uint32_t id : {1u, 2u, 3u})
        adapter->queue(frameRecord(id));
    runReceiveTick(capture);
    classifyPass(capture, FilterState{});
    document.SetModifiedFlag(true);

    clearAll(capture, document, &view);
    EXPECT_EQ(capture.store.count(), 0u);
    EXPECT_EQ(capture.rows.count(), 0u);
    EXPECT_EQ(capture.filterCursor, 0u);
    EXPECT_EQ(view.resets, 1);
    EXPECT_TRUE(capture.capturing);
    EXPECT_FALSE(capture.clearing);
    EXPECT_FALSE(document.clearing);
    EXPECT_TRUE(document.IsModified()) << "Clear All leaves the modified flag alone";

    adapter->queue(frameRecord(0x77));
    runReceiveTick(capture);
    classifyPass(capture, FilterState{});
    ASSERT_EQ(capture.rows.count(), 1u);
    EXPECT_EQ(capture.rows.at(0), 0u);
    EXPECT_EQ(capture.store.at(0).frame.identifier, 0x77u);
}

TEST_F(CaptureCommandsTest, ClearAllWhileIdleStaysIdle) {
    CDataDoc document(capture, receiveTimer);
    capture.store.append(frameRecord(5));
    clearAll(capture, document, nullptr);
    EXPECT_FALSE(capture.capturing);
    EXPECT_EQ(capture.store.count(), 0u);
}

TEST_F(CaptureCommandsTest, DocumentStartsTheReceiveTimerAndStopsTheAdapterWhenDestroyed) {
    {
        CDataDoc document(capture, receiveTimer);
        EXPECT_TRUE(receiveTimer.isRunning());
        EXPECT_EQ(document.manualBuffers[1].length, 8u);
        EXPECT_EQ(document.autoIntervalMs, 1u);
        EXPECT_EQ(document.autoCycleMs, 1u);
        EXPECT_EQ(document.formatVersion, 1);
    }
    EXPECT_EQ(adapter->stopCalls(), 1);
    EXPECT_TRUE(receiveTimer.isRunning()) << "the receive timer outlives documents";
}
