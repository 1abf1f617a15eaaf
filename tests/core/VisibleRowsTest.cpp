#include "core/VisibleRows.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(VisibleRows, HoldsPositionsAcrossBlocksAndRefusesRowsBeyondCount) {
    VisibleRows rows;
    EXPECT_THROW((void)rows.at(0), std::out_of_range);
    for (uint32_t i = 0; i < 2 * 1024 + 3; ++i)
        rows.append(i * 3);
    ASSERT_EQ(rows.count(), 2051u);
    EXPECT_EQ(rows.at(0), 0u);
    EXPECT_EQ(rows.at(1023), 3069u);
    EXPECT_EQ(rows.at(1024), 3072u);
    EXPECT_EQ(rows.at(2050), 6150u);
    EXPECT_THROW((void)rows.at(2051), std::out_of_range);
}

TEST(VisibleRows, RemoveLastAtABlockBoundaryThenAppendReusesTheRow) {
    VisibleRows rows;
    for (uint32_t i = 0; i < 1025; ++i)
        rows.append(i);
    ASSERT_TRUE(rows.removeLast());
    ASSERT_TRUE(rows.removeLast());
    rows.append(5000);
    EXPECT_EQ(rows.count(), 1024u);
    EXPECT_EQ(rows.at(1023), 5000u);
    rows.append(6000);
    EXPECT_EQ(rows.at(1024), 6000u);
}

TEST(VisibleRows, ClearEmptiesAndRemoveLastOnEmptyIsRefused) {
    VisibleRows rows;
    EXPECT_FALSE(rows.removeLast());
    rows.append(9);
    rows.clear();
    EXPECT_EQ(rows.count(), 0u);
    EXPECT_FALSE(rows.removeLast());
    rows.append(4);
    EXPECT_EQ(rows.at(0), 4u);
}
