// A DeviceNet MAC ID condition keeps the rows whose list cells show that MAC
// ID: the user builds the condition from what the list shows.
#include "ConditionBuilders.h"
#include "filters/CompiledConditions.h"
#include "filters/ConditionMatches.h"
#include "views/DataListCells.h"

#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <string_view>

namespace {

// The DeviceNet list's Group, Source ID and Destination ID columns.
constexpr int kGroupColumn = 5;
constexpr int kSourceColumn = 6;
constexpr int kDestinationColumn = 7;

// The number a cell shows in `base`, or nothing for a cell without one ("--").
std::optional<uint32_t> shownNumber(const FrameRecord& record, int column, int base) {
    char text[kCellBufferSize];
    const std::size_t length = formatDataListCell(Protocol::deviceNet, 0, record, column, text);
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text, text + length, value, base);
    if (error != std::errc() || end != text + length)
        return std::nullopt;
    return value;
}

uint32_t groupFlag(uint32_t group) {
    switch (group) {
    case 1:
        return FC_DN_GROUP1;
    case 2:
        return FC_DN_GROUP2;
    default:
        return FC_DN_GROUP3;
    }
}

// The matching rule and the classifier's compiled form, which must agree.
void expectVerdict(const CanFrame& frame, const FilterCondition& condition, bool expected, std::string_view what) {
    const FilterCondition conditions[] = {condition};
    EXPECT_EQ(conditionMatches(frame, condition), expected)
        << what << " identifier 0x" << std::hex << frame.identifier << " byte 0 0x" << int(frame.data[0]);
    EXPECT_EQ(CompiledConditions(conditions).matchesAny(frame), expected)
        << what << " compiled, identifier 0x" << std::hex << frame.identifier << " byte 0 0x"
        << int(frame.data[0]);
}

}  // namespace

// Frames without data bytes: byte 0 holds 0 as received, but a capture file
// keeps the eight bytes it was saved with, so a stale byte is tried too.
TEST(DeviceNetListAgreement, MacIdConditionsMatchWhatTheListShowsForFramesWithoutData) {
    for (const uint8_t storedByte0 : {uint8_t(0x00), uint8_t(0xC5)}) {
        int destinationsShown = 0;
        for (uint32_t identifier = 0; identifier < 0x800; ++identifier) {
            CanFrame frame = dataFrame(identifier);
            frame.data[0] = storedByte0;
            const FrameRecord record = recordOf(frame);
            const std::optional<uint32_t> group = shownNumber(record, kGroupColumn, 10);
            ASSERT_TRUE(group) << std::hex << identifier;
            if (*group == 4)
                continue;
            const FilterCondition groupCondition = deviceNetCondition(groupFlag(*group));
            if (const auto source = shownNumber(record, kSourceColumn, 16)) {
                expectVerdict(frame, withSourceMac(groupCondition, *source), true, "shown source");
                expectVerdict(frame, withSourceMac(groupCondition, (*source + 1) % 64), false, "other source");
            }
            if (const auto destination = shownNumber(record, kDestinationColumn, 16)) {
                ++destinationsShown;
                expectVerdict(frame, withDestinationMac(groupCondition, *destination), true, "shown destination");
                expectVerdict(frame, withDestinationMac(groupCondition, (*destination + 1) % 64), false,
                              "other destination");
            }
        }
        // Group 2 message IDs 2 to 7 and group 3 message IDs 5 and 6, 64 MAC IDs each.
        EXPECT_EQ(destinationsShown, 8 * 64) << "byte 0 0x" << std::hex << int(storedByte0);
    }
}
