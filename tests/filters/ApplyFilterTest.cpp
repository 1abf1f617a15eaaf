#include "filters/ApplyFilter.h"

#include "ConditionBuilders.h"
#include "core/CaptureState.h"
#include "core/ShownRowsView.h"
#include "filters/ClassifyPass.h"
#include "filters/FilterState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingView : public ShownRowsView {
public:
    void resetShownRows() override { calls.push_back("reset"); }
    void showRowCount(uint32_t count) override { calls.push_back("count " + std::to_string(count)); }
    std::vector<std::string> calls;
};

std::vector<uint32_t> shownRows(const CaptureState& capture) {
    std::vector<uint32_t> rows;
    for (uint32_t row = 0; row < capture.rows.count(); ++row)
        rows.push_back(capture.rows.at(row));
    return rows;
}

bool isEnabled(const FilterCondition& condition) { return (condition.flags & FC_ENABLED) != 0; }

class ApplyFilterTest : public testing::Test {
protected:
    void store(std::initializer_list<uint32_t> identifiers) {
        for (uint32_t identifier : identifiers)
            capture.store.append(recordOf(dataFrame(identifier)));
    }
    void apply(std::vector<FilterCondition> working, bool showSelected, std::initializer_list<bool> ticks) {
        applyFilter(capture, filter, std::move(working), showSelected, {ticks.begin(), ticks.size()}, &view);
    }

    CaptureState capture;
    FilterState filter;
    RecordingView view;
};

}  // namespace

TEST_F(ApplyFilterTest, RebuildsTheRowsFromTheFirstRecordAndTellsTheView) {
    store({0x100, 0x200, 0x100, 0x300});
    classifyPass(capture, filter);
    ASSERT_EQ(capture.rows.count(), 4u);

    apply({customIdCondition(0x100)}, true, {true});
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{0, 2}));
    EXPECT_EQ(capture.filterCursor, 4u);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"reset", "count 2"}));
    EXPECT_TRUE(filter.filterActive());
    EXPECT_EQ(filter.filterMode, FILTER_SHOW);
    ASSERT_EQ(filter.conditions.size(), 1u);
    EXPECT_EQ(filter.conditions[0].frame.identifier, 0x100u);
}

TEST_F(ApplyFilterTest, HideRadioHidesTheMatches) {
    store({0x100, 0x200, 0x100, 0x300});
    apply({customIdCondition(0x100)}, false, {true});
    EXPECT_EQ(filter.filterMode, FILTER_HIDE);
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{1, 3}));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"reset", "count 2"}));
}

TEST_F(ApplyFilterTest, TicksDecideWhichConditionsAreEnabled) {
    store({0x100, 0x200, 0x300});
    FilterCondition wasEnabled = customIdCondition(0x100);
    FilterCondition wasDisabled = customIdCondition(0x200);
    wasDisabled.flags &= ~FC_ENABLED;
    apply({wasEnabled, wasDisabled}, true, {false, true});
    ASSERT_EQ(filter.conditions.size(), 2u);
    EXPECT_FALSE(isEnabled(filter.conditions[0]));
    EXPECT_TRUE(isEnabled(filter.conditions[1]));
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{1}));
}

TEST_F(ApplyFilterTest, UntickingEveryRowClearsTheFilterButKeepsTheConditions) {
    store({0x100, 0x200});
    apply({customIdCondition(0x100)}, true, {true});
    ASSERT_TRUE(filter.filterActive());

    apply(filter.conditions, true, {false});
    EXPECT_FALSE(filter.filterActive());
    ASSERT_EQ(filter.conditions.size(), 1u);
    EXPECT_FALSE(isEnabled(filter.conditions[0]));
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{0, 1}));
}

TEST_F(ApplyFilterTest, TicksWithoutAConditionAreIgnored) {
    store({0x100, 0x200});
    apply({}, true, {true});
    EXPECT_FALSE(filter.filterActive()) << "no condition: nothing to filter by";
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{0, 1}));

    apply({customIdCondition(0x100)}, true, {false, true});
    EXPECT_FALSE(filter.filterActive()) << "the tick beyond the last condition enables nothing";
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{0, 1}));
}

TEST_F(ApplyFilterTest, AConditionWithoutARowIsNotEnabled) {
    store({0x100, 0x200});
    apply({customIdCondition(0x100), customIdCondition(0x200)}, true, {true});
    ASSERT_EQ(filter.conditions.size(), 2u);
    EXPECT_TRUE(isEnabled(filter.conditions[0]));
    EXPECT_FALSE(isEnabled(filter.conditions[1]));
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{0}));
}

TEST_F(ApplyFilterTest, FramesStoredWhileTheDialogIsOpenAreClassifiedAgainOnOk) {
    apply({customIdCondition(0x100)}, true, {true});
    store({0x100, 0x200});
    classifyPass(capture, filter);  // the main window's tick, old conditions
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{0}));

    apply({customIdCondition(0x100), customIdCondition(0x200)}, true, {false, true});
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{1}));
}

TEST_F(ApplyFilterTest, MarksTheCaptureChangedOnlyWhenTheFilterChanged) {
    store({0x100});
    const std::vector<FilterCondition> conditions = {customIdCondition(0x100), customIdCondition(0x200)};
    apply(conditions, true, {true, true});
    EXPECT_TRUE(capture.dataChanged);

    struct Change {
        const char* name;
        bool showSelected;
        bool ticks[2];
        bool changed;
    };
    const Change changes[] = {
        {"nothing", true, {true, true}, false},
        {"a tick", true, {true, false}, true},
        {"the mode", false, {true, true}, true},
    };
    for (const Change& change : changes) {
        apply(conditions, true, {true, true});
        capture.dataChanged = false;
        applyFilter(capture, filter, conditions, change.showSelected, change.ticks, &view);
        EXPECT_EQ(capture.dataChanged, change.changed) << change.name;
    }
}

TEST_F(ApplyFilterTest, KeepsTheOtherBitsOfTheActiveWord) {
    filter.filterActiveWord = 0x8000;  // as a capture file may hold it
    apply({customIdCondition(0x100)}, true, {true});
    EXPECT_EQ(filter.filterActiveWord, 0x8001);
    apply(filter.conditions, true, {false});
    EXPECT_EQ(filter.filterActiveWord, 0x8000);
}

TEST_F(ApplyFilterTest, WorksWithoutAView) {
    store({0x100, 0x200});
    const bool ticks[] = {true};
    applyFilter(capture, filter, {customIdCondition(0x200)}, true, ticks, nullptr);
    EXPECT_EQ(shownRows(capture), (std::vector<uint32_t>{1}));
}
