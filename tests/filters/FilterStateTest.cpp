#include "filters/FilterState.h"

#include "ConditionBuilders.h"
#include "core/CaptureState.h"
#include "filters/ClassifyPass.h"

#include <gtest/gtest.h>

TEST(NewDocumentReset, DropsFramesConditionsFilterAndRowsButKeepsTheMode) {
    CaptureState capture;
    FilterState filter;
    filter.conditions = {customIdCondition(0x100), canCondition(1)};
    filter.filterActiveWord = 0x8001;
    filter.filterMode = FILTER_HIDE;
    for (uint32_t identifier : {0x100u, 0x200u})
        capture.store.append(recordOf(dataFrame(identifier)));
    classifyPass(capture, filter);
    ASSERT_EQ(capture.rows.count(), 1u);

    resetCaptureForNewDocument(filter, capture);
    EXPECT_TRUE(filter.conditions.empty());
    EXPECT_EQ(filter.filterActiveWord, 0);
    EXPECT_EQ(filter.filterMode, FILTER_HIDE);
    EXPECT_EQ(capture.store.count(), 0u);
    EXPECT_EQ(capture.rows.count(), 0u);
    EXPECT_EQ(capture.filterCursor, 0u);
}
