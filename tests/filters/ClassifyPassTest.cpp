#include "filters/ClassifyPass.h"

#include "ConditionBuilders.h"
#include "core/CaptureState.h"
#include "filters/ConditionMatches.h"
#include "filters/FilterState.h"
#include "support/Frames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<uint32_t> shownRows(const CaptureState& capture) {
    std::vector<uint32_t> rows;
    for (uint32_t row = 0; row < capture.rows.count(); ++row)
        rows.push_back(capture.rows.at(row));
    return rows;
}

FilterState activeFilter(uint32_t mode, std::vector<FilterCondition> conditions) {
    FilterState filter;
    filter.conditions = std::move(conditions);
    filter.setFilterActive(true);
    filter.filterMode = mode;
    return filter;
}

}  // namespace

TEST(ClassifyPass, EachPassAddsOnlyTheRecordsStoredSinceThePreviousOne) {
    CaptureState capture;
    const FilterState noFilter;
    classifyPass(capture, noFilter);
    EXPECT_EQ(capture.filterCursor, 0u);
    EXPECT_EQ(capture.rows.count(), 0u);

    for (uint32_t i = 0; i < 5; ++i)
        capture.store.append(frameRecord(i));
    classifyPass(capture, noFilter);
    EXPECT_EQ(capture.filterCursor, 5u);
    ASSERT_EQ(capture.rows.count(), 5u);

    for (uint32_t i = 0; i < 1500; ++i)
        capture.store.append(frameRecord(i));
    classifyPass(capture, noFilter);
    classifyPass(capture, noFilter);
    ASSERT_EQ(capture.rows.count(), 1505u);
    for (uint32_t row = 0; row < 1505; ++row)
        ASSERT_EQ(capture.rows.at(row), row) << "without a filter row r shows record r";
}

TEST(ClassifyPass, WaitsWhileClearAllRuns) {
    CaptureState capture;
    const FilterState noFilter;
    capture.store.append(frameRecord(1));
    capture.clearing = true;
    classifyPass(capture, noFilter);
    EXPECT_EQ(capture.rows.count(), 0u);
    EXPECT_EQ(capture.filterCursor, 0u);
    capture.clearing = false;
    classifyPass(capture, noFilter);
    EXPECT_EQ(capture.rows.count(), 1u);
}

TEST(ClassifyPass, NeverReexaminesClassifiedRecords) {
    CaptureState capture;
    FilterState filter = activeFilter(FILTER_SHOW, {customIdCondition(0x100)});
    for (uint32_t identifier : {0x100u, 0x200u})
        capture.store.append(recordOf(dataFrame(identifier)));
    classifyPass(capture, filter);
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{0}));

    // A dialog changed the conditions without OK: only frames stored from now
    // on see them.
    filter.conditions = {customIdCondition(0x200)};
    for (uint32_t identifier : {0x100u, 0x200u})
        capture.store.append(recordOf(dataFrame(identifier)));
    classifyPass(capture, filter);
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{0, 3}));
    EXPECT_EQ(capture.filterCursor, 4u);
}

namespace {

// Frames 0..5: standard data, extended data, standard remote, extended
// remote, standard data with 0x123 and two bytes, CANopen SDO response.
std::vector<CanFrame> sixFrames() {
    return {dataFrame(0x7FF), dataFrame(0x7FF, {}, 1),  remoteFrame(0x100),
            remoteFrame(0x100, 0, 1), dataFrame(0x123, {1, 2}), dataFrame(0x585, {0x43, 0})};
}

struct PassCase {
    const char* name;
    bool filterActive;
    uint32_t mode;
    std::vector<FilterCondition> conditions;
    std::vector<uint32_t> rows;
};

const std::vector<PassCase>& passCases() {
    static const std::vector<PassCase> cases = {
        {"NoConditionShowMode", false, FILTER_SHOW, {}, {0, 1, 2, 3, 4, 5}},
        {"InactiveFilterIgnoresEnabledConditions", false, FILTER_SHOW, {customIdCondition(0x123)}, {0, 1, 2, 3, 4, 5}},
        {"ActiveWithoutEnabledConditionShowMode", true, FILTER_SHOW, {disabled(canCondition())}, {0, 1, 2, 3, 4, 5}},
        {"ActiveWithoutEnabledConditionHideMode", true, FILTER_HIDE, {disabled(canCondition())}, {0, 1, 2, 3, 4, 5}},
        {"ShowAllIdentifierSameRemoteAndWidth", true, FILTER_SHOW, {canCondition()}, {0, 4, 5}},
        {"HideAllIdentifierShowsTheOthers", true, FILTER_HIDE, {canCondition()}, {1, 2, 3}},
        {"ShowExtendedRemoteAllIdentifier", true, FILTER_SHOW, {canCondition(1, 1)}, {3}},
        {"ShowMatchesAnyCondition", true, FILTER_SHOW, {customIdCondition(0x123), canCondition(1)}, {1, 4}},
        {"HideDropsMatchesOfAnyCondition", true, FILTER_HIDE, {customIdCondition(0x123), canCondition(1)},
         {0, 2, 3, 5}},
        {"ShowSkipsDisabledAmongEnabled", true, FILTER_SHOW,
         {disabled(customIdCondition(0x123)), customIdCondition(0x7FF)}, {0}},
        {"ShowMixedKinds", true, FILTER_SHOW,
         {withMessageId(deviceNetCondition(FC_DN_GROUP4), 0x3F), withDataByte(canopenCondition(), 0, 0x43)}, {0, 5}},
        {"UnknownModeHides", true, 7, {canCondition()}, {1, 2, 3}},
    };
    return cases;
}

class FilteredPass : public testing::TestWithParam<PassCase> {};

}  // namespace

TEST_P(FilteredPass, ShowsTheExpectedRows) {
    const PassCase& c = GetParam();
    CaptureState capture;
    for (const CanFrame& frame : sixFrames())
        capture.store.append(recordOf(frame));
    FilterState filter = activeFilter(c.mode, c.conditions);
    filter.setFilterActive(c.filterActive);
    classifyPass(capture, filter);
    EXPECT_EQ(shownRows(capture), c.rows);
    EXPECT_EQ(capture.filterCursor, 6u);
}

INSTANTIATE_TEST_SUITE_P(Table, FilteredPass, testing::ValuesIn(passCases()),
                         [](const testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

namespace {

// Every 11-bit identifier with data whose length and bytes vary with it, so
// that MAC IDs in byte 0 and short frames come in every combination; then
// remote and extended frames.
std::vector<CanFrame> frameSweep() {
    std::vector<CanFrame> frames;
    for (uint32_t identifier = 0; identifier < 0x800; ++identifier) {
        CanFrame frame = dataFrame(identifier);
        frame.length = uint8_t(identifier % 9);
        for (int i = 0; i < kMaxDataBytes; ++i)
            frame.data[i] = uint8_t(identifier * 37 + i * 11 + (identifier >> 6));
        frames.push_back(frame);
    }
    for (uint32_t identifier = 0; identifier < 0x800; identifier += 7) {
        frames.push_back(remoteFrame(identifier, uint8_t(identifier % 9)));
        frames.push_back(dataFrame(identifier | 0x1F00000, {uint8_t(identifier)}, 1));
    }
    return frames;
}

std::vector<FilterCondition> conditionSweep() {
    std::vector<FilterCondition> conditions;
    const std::vector<uint32_t> untested = {0};
    const std::vector<uint32_t> messageIds = {0, 3, 5, 6, 7, 0x2C, 16};
    const std::vector<uint32_t> sourceMacIds = {0, 12, 37, 63, 64};
    const std::vector<uint32_t> destMacIds = {12, 34, 64};
    for (uint32_t group : {FC_DN_GROUP1, FC_DN_GROUP2, FC_DN_GROUP3, FC_DN_GROUP4, 0u}) {
        for (uint32_t tests = 0; tests < 8; ++tests) {
            for (uint32_t messageId : (tests & 1) ? messageIds : untested) {
                for (uint32_t src : (tests & 2) ? sourceMacIds : untested) {
                    for (uint32_t dst : (tests & 4) ? destMacIds : untested) {
                        FilterCondition c = deviceNetCondition(group);
                        if (tests & 1)
                            c = withMessageId(c, messageId);
                        if (tests & 2)
                            c = withSourceMac(c, src);
                        if (tests & 4)
                            c = withDestinationMac(c, dst);
                        conditions.push_back(c);
                    }
                }
            }
        }
    }
    for (uint32_t mask : {0x0u, 0x7u, 0x700u, 0x1FFFFFFFu, 0xE00000FFu}) {
        conditions.push_back(advancedIdCondition(mask, 0x585, 0));
        conditions.push_back(advancedIdCondition(mask, 0x1F00007, 1));
    }
    for (uint8_t length = 0; length <= 8; ++length) {
        conditions.push_back(withLength(canCondition(), length));
        conditions.push_back(withDataByte(withLength(customIdCondition(0x201), length), 1, 0x8F));
    }
    for (int index = 0; index < kMaxDataBytes; ++index)
        conditions.push_back(withDataByte(canCondition(0, 1), index, 0));
    for (uint32_t functionCode : {0x0u, 0xBu, 0xFu, 0x10u, 0x2000000u}) {
        for (uint32_t nodeId : {0u, 5u, 0x7Fu, 0x80u}) {
            FilterCondition c = canopenCondition();
            c.flags |= FC_COP_FCODE | FC_COP_NODEID;
            c.functionCode = functionCode;
            c.nodeId = nodeId;
            conditions.push_back(c);
            c.flags |= FC_COP_COBID;
            c.cobId = functionCode << 7 | nodeId;
            conditions.push_back(c);
        }
    }
    return conditions;
}

}  // namespace

// The pass tests frames in a form prepared once per pass; whatever the form,
// its verdicts are those of the matching rule.
TEST(ClassifyPass, AgreesWithConditionMatchesForEveryCondition) {
    CaptureState capture;
    const std::vector<CanFrame> frames = frameSweep();
    for (const CanFrame& frame : frames)
        capture.store.append(recordOf(frame));
    int conditionsMatchingSomething = 0;
    const std::vector<FilterCondition> conditions = conditionSweep();
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        std::vector<uint32_t> expected;
        for (uint32_t position = 0; position < frames.size(); ++position) {
            if (conditionMatches(frames[position], conditions[i]))
                expected.push_back(position);
        }
        conditionsMatchingSomething += !expected.empty();
        capture.rows.clear();
        capture.filterCursor = 0;
        classifyPass(capture, activeFilter(FILTER_SHOW, {conditions[i]}));
        ASSERT_EQ(shownRows(capture), expected) << "condition " << i << " flags " << std::hex << conditions[i].flags;
    }
    EXPECT_GT(conditionsMatchingSomething, int(conditions.size() / 2));
}
