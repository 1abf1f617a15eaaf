// Clear All against the live receive thread; run under TSan in CI.
#include "core/CDataDoc.h"
#include "core/CaptureCommands.h"
#include "core/CaptureState.h"
#include "core/ReceiveTimer.h"
#include "core/RecordingMessageSink.h"
#include "filters/ClassifyPass.h"
#include "filters/FilterState.h"
#include "support/Frames.h"
#include "support/ScriptedBackend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

TEST(CaptureThreads, ClearAllAgainstTheReceiveThreadLeavesOnlyWholeNewRecords) {
    auto adapter = std::make_shared<ScriptedBackend>();
    vorelin::driver::installBackend(adapter);
    CaptureState capture;
    ReceiveTimer receiveTimer(capture);
    CDataDoc document(capture, receiveTimer);
    RecordingMessageSink messages;
    startCapture(capture, /*deviceConfigured=*/true, messages);

    uint32_t tag = 0;
    for (int round = 0; round < 40; ++round) {
        for (int i = 0; i < 50; ++i)
            adapter->queue(taggedRecord(++tag));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        clearAll(capture, document, nullptr);
        EXPECT_TRUE(capture.capturing);
        classifyPass(capture, FilterState{});
        const uint32_t rows = capture.rows.count();
        for (uint32_t row = 0; row < rows; ++row) {
            const FrameRecord& record = capture.store.at(capture.rows.at(row));
            ASSERT_EQ(record, taggedRecord(record.busLoad)) << "round " << round << " row " << row;
        }
    }
    stopCapture(capture);
    receiveTimer.stop();
}
