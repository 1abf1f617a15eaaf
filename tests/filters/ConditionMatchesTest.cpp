#include "filters/ConditionMatches.h"

#include "ConditionBuilders.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct MatchCase {
    const char* name;
    FilterCondition condition;
    CanFrame frame;
    bool matches;
};

FilterCondition withoutFrameFormat(FilterCondition condition) {
    condition.flags &= ~FC_FRAMEFORMAT;
    return condition;
}

CanFrame withStaleByte(CanFrame frame, int index, uint8_t value) {
    frame.data[index] = value;
    return frame;
}

const std::vector<MatchCase>& matchCases() {
    static const std::vector<MatchCase> cases = {
        {"DisabledConditionNeverMatches", disabled(canCondition()), dataFrame(0x100), false},

        {"CanAllIdentifierMatchesStandardDataFrame", canCondition(), dataFrame(0x7FF, {1, 2}), true},
        {"CanAllIdentifierRefusesExtendedFrame", canCondition(), dataFrame(0x7FF, {}, 1), false},
        {"CanAllIdentifierRefusesRemoteFrame", canCondition(), remoteFrame(0x7FF), false},
        {"CanRemoteConditionMatchesRemoteFrame", canCondition(0, 1), remoteFrame(0x123, 4), true},
        {"CanRemoteConditionRefusesDataFrame", canCondition(0, 1), dataFrame(0x123), false},
        {"CanExtendedConditionMatchesExtendedFrame", canCondition(1), dataFrame(0x1FFFFFFF, {}, 1), true},
        {"CanWithoutFrameFormatTakesEitherWidth", withoutFrameFormat(canCondition(0)), dataFrame(0x18FF0001, {}, 1),
         true},
        {"CanWithoutFrameFormatStillTestsRemote", withoutFrameFormat(canCondition(0)), remoteFrame(0x10, 0, 1),
         false},

        {"CustomExtendedIdentifierEqual", customIdCondition(0x18FEF100, 1), dataFrame(0x18FEF100, {}, 1), true},

        {"AdvancedEmptyMaskAcceptsAnyIdentifier", advancedIdCondition(0, 0x1ABCDEF), dataFrame(0x0C0FFEE, {}, 1),
         true},
        {"AdvancedFixedBitsEqual", advancedIdCondition(0x1F000003, 0x05000001), dataFrame(0x05ABCDE1, {}, 1), true},
        {"AdvancedFixedHighBitDiffers", advancedIdCondition(0x1F000003, 0x05000001), dataFrame(0x15ABCDE1, {}, 1),
         false},
        {"AdvancedFixedLowBitDiffers", advancedIdCondition(0x1F000003, 0x05000001), dataFrame(0x05ABCDE3, {}, 1),
         false},
        {"AdvancedIgnoresMaskBitsAbove28", advancedIdCondition(0xE0000001, 0x00000001), dataFrame(0x20000001, {}, 1),
         true},
        {"AdvancedWinsOverCustomIdentifier",
         [] {
             FilterCondition c = advancedIdCondition(0x7, 0x5, 0);
             c.flags |= FC_ID_CUSTOM;
             c.frame.identifier = 0x700;
             return c;
         }(),
         dataFrame(0x125), true},

        {"LengthEqual", withLength(canCondition(), 3), dataFrame(0x1, {0, 0, 0}), true},
        {"LengthDiffers", withLength(canCondition(), 3), dataFrame(0x1, {0, 0, 0, 0}), false},
        {"LengthZeroMatchesEmptyFrame", withLength(canCondition(), 0), dataFrame(0x1), true},
        {"DataByte5NeedsLength6", withDataByte(canCondition(), 5, 0x55), dataFrame(0x1, {0, 0, 0, 0, 0, 0x55}), true},
        {"DataByte5BeyondLength5NeverMatches", withDataByte(canCondition(), 5, 0x55),
         withStaleByte(dataFrame(0x1, {0, 0, 0, 0, 0}), 5, 0x55), false},
        {"DataByte0OfEmptyFrameNeverMatches", withDataByte(canCondition(), 0, 0),
         withStaleByte(dataFrame(0x1), 0, 0), false},
        {"DataByte7OfFullFrame", withDataByte(canCondition(), 7, 0x77), dataFrame(0x1, {0, 0, 0, 0, 0, 0, 0, 0x77}),
         true},

        // What only a file can hold; what the dialog builds is matched
        // against every identifier in DeviceNetFilterRulesTest.
        {"Group1DestinationReadsByte0WhateverTheLength", withDestinationMac(deviceNetCondition(FC_DN_GROUP1), 3),
         withStaleByte(dataFrame(0x14A), 0, 0xC3), true},
        {"Group1DestinationOfEmptyFrameDiffers", withDestinationMac(deviceNetCondition(FC_DN_GROUP1), 3),
         withStaleByte(dataFrame(0x14A), 0, 0xC4), false},
        {"WithoutGroupBitsActsAsGroup4", deviceNetCondition(0), dataFrame(0x7C0), true},
        {"WithoutGroupBitsRefusesGroup1Identifier", deviceNetCondition(0), dataFrame(0x3C0), false},

        {"CanopenCobIdEqual", cobIdCondition(0x181), dataFrame(0x181, {1}), true},
        {"CanopenCobIdDiffers", cobIdCondition(0x181), dataFrame(0x182, {1}), false},
        {"CanopenRefusesExtendedFrame", cobIdCondition(0x181), dataFrame(0x181, {1}, 1), false},
        {"CanopenDataConditionRefusesRemoteFrame", cobIdCondition(0x181), remoteFrame(0x181), false},
        {"CanopenRemoteConditionMatchesRemoteFrame", canopenCondition(1), remoteFrame(0x701), true},
        {"CanopenFunctionCodeAloneTakesAnyNode", functionCodeCondition(0xE), dataFrame(0x77F, {5}), true},
        {"CanopenFunctionCodeDiffers", functionCodeCondition(0xE), dataFrame(0x67F, {5}), false},
        {"CanopenLengthAndData", withDataByte(withLength(functionCodeCondition(0xB), 8), 0, 0x43),
         dataFrame(0x585, {0x43, 0, 0x10, 0, 0, 0, 0, 0}), true},
        {"CanopenDataByteDiffers", withDataByte(functionCodeCondition(0xB), 0, 0x43), dataFrame(0x585, {0x4B}),
         false},
    };
    return cases;
}

class ConditionMatchesCase : public testing::TestWithParam<MatchCase> {};

}  // namespace

TEST_P(ConditionMatchesCase, GivesTheExpectedVerdict) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(conditionMatches(c.frame, c.condition), c.matches);
}

INSTANTIATE_TEST_SUITE_P(Table, ConditionMatchesCase, testing::ValuesIn(matchCases()),
                         [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.name); });
