#include "app/MainFrameTick.h"

#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "core/ReceiveTimer.h"
#include "support/Frames.h"
#include "support/ScriptedBackend.h"

#include <gtest/gtest.h>

#include <memory>

class MainFrameTickTest : public ::testing::Test {
protected:
    void SetUp() override { vorelin::driver::installBackend(std::make_shared<ScriptedBackend>()); }
    CaptureState capture;
    ReceiveTimer receiveTimer{capture};
};

TEST_F(MainFrameTickTest, ChangedCaptureMarksTheDocumentModifiedOnEveryTick) {
    CDataDoc document(capture, receiveTimer);
    runMainFrameTick(capture, &document);
    EXPECT_FALSE(document.IsModified());

    capture.store.append(frameRecord(1));
    capture.dataChanged = true;
    runMainFrameTick(capture, &document);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(capture.rows.count(), 1u);

    document.SetModifiedFlag(false);  // as an undo would; the capture is still unsaved
    runMainFrameTick(capture, &document);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(MainFrameTickTest, WithoutADocumentTheRecordsAreStillClassified) {
    capture.store.append(frameRecord(1));
    capture.dataChanged = true;
    runMainFrameTick(capture, nullptr);
    EXPECT_EQ(capture.rows.count(), 1u);
}
