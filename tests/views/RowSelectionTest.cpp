#include "views/RowSelection.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string describe(const RowSelection& selection) {
    std::string text;
    for (const auto& range : selection.ranges())
        text += std::to_string(range.first) + "-" + std::to_string(range.last) + " ";
    return text;
}

}  // namespace

TEST(RowSelection, GesturesCombineAsInAnyFileList) {
    RowSelection selection;
    selection.selectOnly(5);
    EXPECT_EQ(describe(selection), "5-5 ");
    selection.extendTo(8);
    EXPECT_EQ(describe(selection), "5-8 ");
    selection.extendTo(2);  // a second Shift gesture replaces the first, from the same anchor
    EXPECT_EQ(describe(selection), "2-5 ");
    selection.toggle(10);
    EXPECT_EQ(describe(selection), "2-5 10-10 ");
    selection.extendTo(12);  // anchor is now 10
    EXPECT_EQ(describe(selection), "2-5 10-12 ");
    selection.toggle(4);
    EXPECT_EQ(describe(selection), "2-3 5-5 10-12 ");
    selection.toggle(4);
    EXPECT_EQ(describe(selection), "2-5 10-12 ");
    EXPECT_TRUE(selection.contains(11));
    EXPECT_FALSE(selection.contains(9));
    selection.selectOnly(0);
    EXPECT_EQ(describe(selection), "0-0 ");
}

TEST(RowSelection, MillionsOfRowsStayOneRange) {
    RowSelection selection;
    selection.selectOnly(0);
    selection.extendTo(4'000'000'000u);
    ASSERT_EQ(selection.ranges().size(), 1u);
    EXPECT_TRUE(selection.contains(3'999'999'999u));
}

TEST(RowSelection, RowsThatNoLongerExistLeaveTheSelection) {
    RowSelection selection;
    selection.selectOnly(3);
    selection.extendTo(9);
    selection.toggle(20);
    selection.truncate(6);
    EXPECT_EQ(describe(selection), "3-5 ");
    EXPECT_EQ(selection.anchor(), 5u) << "the anchor moves onto the last row left";
    selection.truncate(0);
    EXPECT_TRUE(selection.isEmpty());
    EXPECT_FALSE(selection.anchor());
}
