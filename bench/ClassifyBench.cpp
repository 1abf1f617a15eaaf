// ClassifyBench: one full classification pass over 10 million stored frames
// of mixed plain CAN, DeviceNet and CANopen traffic against 10 enabled
// conditions of all three kinds, in Show mode, as after a filter dialog's OK.
// Prints classify_tests_per_s (frames times enabled conditions per second).
#include "core/CaptureState.h"
#include "filters/ClassifyPass.h"
#include "filters/ConditionMatches.h"
#include "filters/FilterFlags.h"
#include "filters/FilterState.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr uint32_t kFrames = 10'000'000;
constexpr int kRepeats = 5;

class SplitMix {
public:
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    uint32_t below(uint32_t bound) { return uint32_t(next() % bound); }

private:
    uint64_t state_ = 2024;
};

FrameRecord mixedFrame(SplitMix& random) {
    FrameRecord record;
    CanFrame& frame = record.frame;
    switch (random.below(4)) {
    case 0:  // plain 29-bit traffic
        frame.extended = 1;
        frame.identifier = random.below(0x20000000);
        break;
    case 1:  // DeviceNet: any 11-bit identifier, MAC IDs in the first byte
        frame.identifier = random.below(0x800);
        break;
    case 2:  // CANopen: PDOs, SDOs and heartbeats of a few nodes
    {
        static const uint32_t kFunctionCodes[] = {0x3, 0x4, 0x5, 0xB, 0xC, 0xE};
        frame.identifier = kFunctionCodes[random.below(6)] << 7 | (1 + random.below(8));
        break;
    }
    default:  // plain 11-bit traffic, a few identifiers repeating
        frame.identifier = 0x100 + random.below(0x40);
        break;
    }
    frame.remote = random.below(16) == 0;
    frame.length = uint8_t(random.below(9));
    for (uint8_t& byte : frame.data)
        byte = uint8_t(random.below(4) == 0 ? random.next() : random.below(4));
    return record;
}

FilterCondition condition(uint32_t kindFlags) {
    FilterCondition c;
    c.flags = kindFlags | FC_ENABLED | FC_FRAMEFORMAT;
    return c;
}

std::vector<FilterCondition> mixedConditions() {
    std::vector<FilterCondition> conditions;
    FilterCondition c = condition(FC_CAN | FC_ID_CUSTOM | FC_LENGTH | FC_DATA0);
    c.frame.identifier = 0x123;
    c.frame.length = 8;
    c.frame.data[0] = 1;
    conditions.push_back(c);

    c = condition(FC_CAN | FC_ID_ADVANCED);
    c.frame.extended = 1;
    c.idMask = 0x1F000000;
    c.idBits = 0x05000000;
    conditions.push_back(c);

    c = condition(FC_CAN);
    c.frame.remote = 1;
    conditions.push_back(c);

    c = condition(FC_DEVICENET | FC_DN_GROUP1 | FC_DN_MSGID | FC_DN_SRCMAC);
    c.messageId = 5;
    c.sourceMacId = 10;
    conditions.push_back(c);

    c = condition(FC_DEVICENET | FC_DN_GROUP2 | FC_DN_SRCMAC | FC_DN_DSTMAC);
    c.sourceMacId = 2;
    c.destMacId = 3;
    conditions.push_back(c);

    c = condition(FC_DEVICENET | FC_DN_GROUP3 | FC_DN_DSTMAC);
    c.destMacId = 1;
    conditions.push_back(c);

    c = condition(FC_DEVICENET | FC_DN_GROUP4 | FC_DN_MSGID);
    c.messageId = 0x2C;
    conditions.push_back(c);

    c = condition(FC_CANOPEN | FC_COP_COBID);
    c.cobId = 0x181;
    conditions.push_back(c);

    c = condition(FC_CANOPEN | FC_COP_FCODE | FC_COP_NODEID | FC_DATA0);
    c.functionCode = 0xB;
    c.nodeId = 5;
    c.frame.data[0] = 0x43;
    conditions.push_back(c);

    c = condition(FC_CANOPEN | FC_COP_FCODE | FC_LENGTH);
    c.functionCode = 0xE;
    c.frame.length = 1;
    conditions.push_back(c);
    return conditions;
}

bool matchesAny(const CanFrame& frame, const std::vector<FilterCondition>& conditions) {
    for (const FilterCondition& c : conditions) {
        if (conditionMatches(frame, c))
            return true;
    }
    return false;
}

}  // namespace

int main() {
    CaptureState capture;
    SplitMix random;
    for (uint32_t i = 0; i < kFrames; ++i) {
        if (!capture.store.append(mixedFrame(random))) {
            std::fprintf(stderr, "classify: the store refused frame %u\n", i);
            return 1;
        }
    }
    FilterState filter;
    filter.conditions = mixedConditions();
    filter.setFilterActive(true);
    filter.filterMode = FILTER_SHOW;

    std::vector<uint32_t> expectedRows;
    for (uint32_t position = 0; position < kFrames; ++position) {
        if (matchesAny(capture.store.at(position).frame, filter.conditions))
            expectedRows.push_back(position);
    }
    std::fprintf(stderr, "%zu of %u frames match\n", expectedRows.size(), kFrames);

    double bestSeconds = 1e30;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
        capture.rows.clear();
        capture.filterCursor = 0;
        const auto started = std::chrono::steady_clock::now();
        classifyPass(capture, filter);
        bestSeconds = std::min(bestSeconds,
                               std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());

        bool rowsRight = capture.rows.count() == expectedRows.size() && capture.filterCursor == kFrames;
        for (uint32_t row = 0; rowsRight && row < capture.rows.count(); ++row)
            rowsRight = capture.rows.at(row) == expectedRows[row];
        if (!rowsRight) {
            std::fprintf(stderr, "classify: the pass showed %u rows, the conditions match %zu frames\n",
                         capture.rows.count(), expectedRows.size());
            return 1;
        }
    }
    const double tests = double(kFrames) * double(filter.conditions.size());
    std::fprintf(stderr, "best pass %.1f ms\n", bestSeconds * 1e3);
    std::printf("classify_tests_per_s %.0f tests/s\n", tests / bestSeconds);
    return 0;
}
