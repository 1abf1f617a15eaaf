// FilterApplyBench: a filter dialog's OK over a 10,000,000-frame capture with
// 16 enabled conditions the three dialogs built (CAN, DeviceNet and CANopen
// mixed), from the press until the shown rows are complete, checked against
// a plain match of every frame. Prints filter_apply_ms_10M_16 (best of 5).
#include "MixedRecords.h"

#include "core/CaptureState.h"
#include "filters/ApplyFilter.h"
#include "filters/CanFilterRules.h"
#include "filters/CanopenFilterRules.h"
#include "filters/ConditionMatches.h"
#include "filters/DeviceNetFilterRules.h"
#include "filters/FilterState.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t kFrames = 10'000'000;
constexpr int kRepeats = 5;
constexpr int32_t kStandardFrames = 1;
constexpr int32_t kExtendFrames = 2;

std::vector<FilterCondition> dialogConditions() {
    std::vector<FilterCondition> conditions;
    for (const uint32_t identifier : {0x123u, 0x7FFu, 0x400u}) {
        CanFilterControls custom;
        custom.identifier = IdentifierChoice::custom;
        custom.identifierValue = identifier;
        custom.lengthAndData = {3, {0x12, std::nullopt, 0x34}};
        conditions.push_back(buildCanCondition(custom, kStandardFrames));
    }
    CanFilterControls advanced;
    advanced.identifier = IdentifierChoice::advanced;
    advanced.advanced = AdvancedPattern{0x1F000000, 0x05000000};
    conditions.push_back(buildCanCondition(advanced, kExtendFrames));
    CanFilterControls remote;
    remote.remoteFrame = true;
    remote.lengthAndData.sizeEntry = 1;
    conditions.push_back(buildCanCondition(remote, kStandardFrames));

    for (const DeviceNetFilterControls& controls :
         {DeviceNetFilterControls{DeviceNetMethod::byGroup, 1, 5, 10, kDeviceNetAll, 0},
          DeviceNetFilterControls{DeviceNetMethod::byGroup, 2, kDeviceNetAll, 2, 3, 0},
          DeviceNetFilterControls{DeviceNetMethod::byGroup, 3, kDeviceNetAll, kDeviceNetAll, 1, 0},
          DeviceNetFilterControls{DeviceNetMethod::byDescription, 1, kDeviceNetAll, kDeviceNetAll, kDeviceNetAll, 6},
          DeviceNetFilterControls{DeviceNetMethod::byGroup, 4, 0x2C, kDeviceNetAll, kDeviceNetAll, 0}})
        conditions.push_back(buildDeviceNetCondition(controls));

    for (const CanopenFilterControls& controls :
         {CanopenFilterControls{CanopenFilterMethod::cobId, 0x181, kCanopenAll, kCanopenAll, false, {}},
          CanopenFilterControls{CanopenFilterMethod::cobId, 0x701, kCanopenAll, kCanopenAll, false, {2, {0x05}}},
          CanopenFilterControls{CanopenFilterMethod::functionCodeAndNodeId, kCanopenAll, 0xB, 5, false, {}},
          CanopenFilterControls{CanopenFilterMethod::functionCodeAndNodeId, kCanopenAll, 0xC, kCanopenAll, false,
                                {9, {0x40}}},
          CanopenFilterControls{CanopenFilterMethod::functionCodeAndNodeId, kCanopenAll, kCanopenAll, 3, true, {}},
          CanopenFilterControls{CanopenFilterMethod::functionCodeAndNodeId, kCanopenAll, 0xE, kCanopenAll, false,
                                {2, {}}}})
        conditions.push_back(buildCanopenCondition(controls));
    return conditions;
}

bool matchesAny(const CanFrame& frame, const std::vector<FilterCondition>& conditions) {
    return std::any_of(conditions.begin(), conditions.end(),
                       [&frame](const FilterCondition& condition) { return conditionMatches(frame, condition); });
}

}  // namespace

int main() {
    CaptureState capture;
    MixedRecords records;
    for (uint32_t position = 0; position < kFrames; ++position) {
        if (!capture.store.append(records.nextRecord())) {
            std::fprintf(stderr, "filter_apply: the store refused record %u\n", position);
            return 1;
        }
    }
    const std::vector<FilterCondition> conditions = dialogConditions();
    if (conditions.size() != 16) {
        std::fprintf(stderr, "filter_apply: %zu conditions, not 16\n", conditions.size());
        return 1;
    }
    std::vector<uint32_t> expectedRows;
    for (uint32_t position = 0; position < kFrames; ++position) {
        if (matchesAny(capture.store.at(position).frame, conditions))
            expectedRows.push_back(position);
    }
    std::fprintf(stderr, "filter_apply: %zu of %u frames match\n", expectedRows.size(), kFrames);

    const auto ticks = std::make_unique<bool[]>(conditions.size());
    std::fill_n(ticks.get(), conditions.size(), true);
    double bestMs = 1e30;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        FilterState filter;
        const auto pressed = std::chrono::steady_clock::now();
        applyFilter(capture, filter, conditions, /*showSelected=*/true, std::span(ticks.get(), conditions.size()),
                    nullptr);
        bestMs = std::min(bestMs,
                          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pressed).count());
        bool rowsRight = capture.rows.count() == expectedRows.size();
        for (uint32_t row = 0; rowsRight && row < capture.rows.count(); ++row)
            rowsRight = capture.rows.at(row) == expectedRows[row];
        if (!rowsRight) {
            std::fprintf(stderr, "filter_apply: %u rows shown, %zu frames match\n", capture.rows.count(),
                         expectedRows.size());
            return 1;
        }
    }
    std::printf("filter_apply_ms_10M_16 %.1f ms\n", bestMs);
    return 0;
}
