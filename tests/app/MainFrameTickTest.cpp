#include "app/MainFrameTick.h"

#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "core/ReceiveTimer.h"
#include "filters/FilterFlags.h"
#include "filters/FilterState.h"
#include "support/Frames.h"
#include "support/ScriptedBackend.h"

#include <gtest/gtest.h>

#include <memory>

class MainFrameTickTest : public ::testing::Test {
protected:
    void SetUp() override { vorelin::driver::installBackend(std::make_shared<ScriptedBackend>()); }
    CaptureState capture;
    FilterState filter;
    ReceiveTimer receiveTimer{capture};
};

TEST_F(MainFrameTickTest, ChangedCaptureMarksTheDocumentModifiedOnEveryTick) {
    CDataDoc document(capture, receiveTimer);
    runMainFrameTick(capture, filter, &document);
    EXPECT_FALSE(document.IsModified());

    capture.store.append(frameRecord(1));
    capture.dataChanged = true;
    runMainFrameTick(capture, filter, &document);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(capture.rows.count(), 1u);

    document.SetModifiedFlag(false);  // as an undo would; the capture is still unsaved
    runMainFrameTick(capture, filter, &document);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(MainFrameTickTest, WithoutADocumentTheRecordsAreStillClassified) {
    capture.store.append(frameRecord(1));
    capture.dataChanged = true;
    runMainFrameTick(capture, filter, nullptr);
    EXPECT_EQ(capture.rows.count(), 1u);
}

TEST_F(MainFrameTickTest, NewRecordsPassTheFilterInForce) {
    FilterCondition hideIdentifier;
    hideIdentifier.flags = FC_CAN | FC_FRAMEFORMAT | FC_ID_CUSTOM | FC_ENABLED;
    hideIdentifier.frame.identifier = 0x80;
    filter.conditions.push_back(hideIdentifier);
    filter.setFilterActive(true);
    filter.filterMode = FILTER_HIDE;

    for (uint32_t identifier : {0x80u, 0x181u, 0x80u, 0x701u})
        capture.store.append(frameRecord(identifier));
    runMainFrameTick(capture, filter, nullptr);
    ASSERT_EQ(capture.rows.count(), 2u);
    EXPECT_EQ(capture.rows.at(0), 1u);
    EXPECT_EQ(capture.rows.at(1), 3u);
}
