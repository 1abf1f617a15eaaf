#include "views/widgets/RowSelectionChange.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

using Ranges = std::vector<RowSelection::Range>;

struct Change {
    const char* name;
    Ranges ranges;
    Ranges other;
    std::optional<uint32_t> firstMissing;
};

}  // namespace

TEST(RowSelectionChange, FindsTheFirstRowOnlyTheFirstSelectionHolds) {
    constexpr uint32_t kLast = UINT32_MAX;
    const Change changes[] = {
        {"nothing_selected", {}, {{3, 4}}, std::nullopt},
        {"nothing_before", {{3, 4}}, {}, 3},
        {"unchanged", {{3, 4}, {9, 9}}, {{3, 4}, {9, 9}}, std::nullopt},
        {"shrunk", {{3, 4}}, {{3, 9}}, std::nullopt},
        {"grown_at_the_end", {{3, 9}}, {{3, 4}}, 5},
        {"grown_at_the_start", {{1, 4}}, {{3, 4}}, 1},
        {"gap_between_two_ranges", {{0, 10}}, {{0, 3}, {5, 10}}, 4},
        {"covered_range_then_a_new_one", {{1, 2}, {8, 9}}, {{0, 5}}, 8},
        {"one_range_covers_several", {{2, 3}, {5, 6}, {20, 20}}, {{0, 10}, {12, 30}}, std::nullopt},
        {"ends_at_the_last_row", {{kLast - 1, kLast}}, {{kLast - 1, kLast}}, std::nullopt},
        {"gains_the_last_row", {{kLast - 1, kLast}}, {{kLast - 1, kLast - 1}}, kLast},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        EXPECT_EQ(firstRowMissingFrom(change.ranges, change.other), change.firstMissing);
    }
}
