#include "filters/ClassifyPass.h"

#include "core/CaptureState.h"
#include "support/Frames.h"

#include <gtest/gtest.h>

TEST(ClassifyPass, EachPassAddsOnlyTheRecordsStoredSinceThePreviousOne) {
    CaptureState capture;
    classifyPass(capture);
    EXPECT_EQ(capture.filterCursor, 0u);
    EXPECT_EQ(capture.rows.count(), 0u);

    for (uint32_t i = 0; i < 5; ++i)
        capture.store.append(frameRecord(i));
    classifyPass(capture);
    EXPECT_EQ(capture.filterCursor, 5u);
    ASSERT_EQ(capture.rows.count(), 5u);

    for (uint32_t i = 0; i < 1500; ++i)
        capture.store.append(frameRecord(i));
    classifyPass(capture);
    classifyPass(capture);
    ASSERT_EQ(capture.rows.count(), 1505u);
    for (uint32_t row = 0; row < 1505; ++row)
        ASSERT_EQ(capture.rows.at(row), row) << "without a filter row r shows record r";
}

TEST(ClassifyPass, WaitsWhileClearAllRuns) {
    CaptureState capture;
    capture.store.append(frameRecord(1));
    capture.clearing = true;
    classifyPass(capture);
    EXPECT_EQ(capture.rows.count(), 0u);
    EXPECT_EQ(capture.filterCursor, 0u);
    capture.clearing = false;
    classifyPass(capture);
    EXPECT_EQ(capture.rows.count(), 1u);
}
