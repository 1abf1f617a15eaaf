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

        {"CustomIdentifierEqual", customIdCondition(0x123), dataFrame(0x123), true},
        {"CustomIdentifierDiffers", customIdCondition(0x123), dataFrame(0x124), false},
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
        {"DataByteEqual", withDataByte(canCondition(), 2, 0xAB), dataFrame(0x1, {0, 0, 0xAB}), true},
        {"DataByteDiffers", withDataByte(canCondition(), 2, 0xAB), dataFrame(0x1, {0, 0, 0xAC}), false},
        {"DataByte5NeedsLength6", withDataByte(canCondition(), 5, 0x55), dataFrame(0x1, {0, 0, 0, 0, 0, 0x55}), true},
        {"DataByte5BeyondLength5NeverMatches", withDataByte(canCondition(), 5, 0x55),
         withStaleByte(dataFrame(0x1, {0, 0, 0, 0, 0}), 5, 0x55), false},
        {"DataByte0OfEmptyFrameNeverMatches", withDataByte(canCondition(), 0, 0),
         withStaleByte(dataFrame(0x1), 0, 0), false},
        {"DataByte7OfFullFrame", withDataByte(canCondition(), 7, 0x77), dataFrame(0x1, {0, 0, 0, 0, 0, 0, 0, 0x77}),
         true},

        {"DeviceNetGroup4MatchesStandardDataFrame", deviceNetCondition(FC_DN_GROUP4), dataFrame(0x7C5, {1}), true},
        {"DeviceNetNeverMatchesRemoteFrame", deviceNetCondition(FC_DN_GROUP4), remoteFrame(0x7C5), false},
        {"DeviceNetNeverMatchesExtendedFrame", deviceNetCondition(FC_DN_GROUP4), dataFrame(0x7C5, {1}, 1), false},
        {"DeviceNetGroup1NeverMatchesExtendedFrame", deviceNetCondition(FC_DN_GROUP1), dataFrame(0x14A, {}, 1),
         false},

        {"Group1TakesBit10Clear", deviceNetCondition(FC_DN_GROUP1), dataFrame(0x3FF), true},
        {"Group1RefusesBit10Set", deviceNetCondition(FC_DN_GROUP1), dataFrame(0x400), false},
        {"Group1MessageIdAndSource", withSourceMac(withMessageId(deviceNetCondition(FC_DN_GROUP1), 5), 10),
         dataFrame(0x14A), true},
        {"Group1MessageIdDiffers", withMessageId(deviceNetCondition(FC_DN_GROUP1), 6), dataFrame(0x14A), false},
        {"Group1SourceDiffers", withSourceMac(deviceNetCondition(FC_DN_GROUP1), 11), dataFrame(0x14A), false},
        {"Group1DestinationInLowBitsOfByte0", withDestinationMac(deviceNetCondition(FC_DN_GROUP1), 3),
         dataFrame(0x14A, {0xC3}), true},
        {"Group1DestinationDiffers", withDestinationMac(deviceNetCondition(FC_DN_GROUP1), 4),
         dataFrame(0x14A, {0xC3}), false},
        {"Group1DestinationReadsByte0WhateverTheLength", withDestinationMac(deviceNetCondition(FC_DN_GROUP1), 3),
         withStaleByte(dataFrame(0x14A), 0, 0xC3), true},
        {"Group1DestinationOfEmptyFrameDiffers", withDestinationMac(deviceNetCondition(FC_DN_GROUP1), 3),
         withStaleByte(dataFrame(0x14A), 0, 0xC4), false},

        {"Group2TakesBits9And10As10", deviceNetCondition(FC_DN_GROUP2), dataFrame(0x5FF), true},
        {"Group2RefusesGroup3Identifier", deviceNetCondition(FC_DN_GROUP2), dataFrame(0x600), false},
        {"Group2RefusesGroup1Identifier", deviceNetCondition(FC_DN_GROUP2), dataFrame(0x200), false},
        {"Group2MessageIdInLowBits", withMessageId(deviceNetCondition(FC_DN_GROUP2), 3), dataFrame(0x463), true},
        {"Group2MessageIdDiffers", withMessageId(deviceNetCondition(FC_DN_GROUP2), 4), dataFrame(0x463), false},

        {"Group3MessageId6", withMessageId(deviceNetCondition(FC_DN_GROUP3), 6), dataFrame(0x785), true},
        {"Group3MessageIdDiffers", withMessageId(deviceNetCondition(FC_DN_GROUP3), 5), dataFrame(0x785), false},
        {"Group3Source", withSourceMac(deviceNetCondition(FC_DN_GROUP3), 5), dataFrame(0x605), true},
        {"Group3RefusesGroup4Identifier", deviceNetCondition(FC_DN_GROUP3), dataFrame(0x7C5), false},
        {"Group3RefusesGroup2Identifier", deviceNetCondition(FC_DN_GROUP3), dataFrame(0x405), false},
        {"Group3DestinationWithMessageId5", withDestinationMac(deviceNetCondition(FC_DN_GROUP3), 9),
         dataFrame(0x741, {9}), true},
        {"Group3DestinationWithMessageId6", withDestinationMac(deviceNetCondition(FC_DN_GROUP3), 9),
         dataFrame(0x781, {0x49}), true},
        {"Group3DestinationNeverWithMessageId4", withDestinationMac(deviceNetCondition(FC_DN_GROUP3), 9),
         dataFrame(0x701, {9}), false},
        {"Group3DestinationNeverWithMessageId0", withDestinationMac(deviceNetCondition(FC_DN_GROUP3), 9),
         dataFrame(0x601, {9}), false},
        {"Group3DestinationDiffers", withDestinationMac(deviceNetCondition(FC_DN_GROUP3), 9),
         dataFrame(0x741, {10}), false},

        {"Group4MessageIdInLowSixBits", withMessageId(deviceNetCondition(FC_DN_GROUP4), 0x2C), dataFrame(0x7EC),
         true},
        {"Group4MessageIdDiffers", withMessageId(deviceNetCondition(FC_DN_GROUP4), 0x2C), dataFrame(0x7ED), false},
        {"Group4RefusesGroup3Identifier", deviceNetCondition(FC_DN_GROUP4), dataFrame(0x7BF), false},
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

namespace {

enum class MacFlags { source, destination, both };

struct Group2MacCase {
    const char* name;
    uint32_t messageId;  // m: the identifier's low three bits
    MacFlags flags;
    uint32_t sourceMacId;
    uint32_t destMacId;
    bool matches;
};

// Every frame below carries MAC ID 12 in its identifier and 34 in data byte 0.
const Group2MacCase kGroup2MacCases[] = {
    {"M0SourceIsIdentifierMac", 0, MacFlags::source, 12, 0, true},
    {"M0SourceDiffers", 0, MacFlags::source, 34, 0, false},
    {"M1SourceIsIdentifierMac", 1, MacFlags::source, 12, 0, true},
    {"M1DestinationNeverMatches", 1, MacFlags::destination, 0, 12, false},
    {"M2SourceNeverMatches", 2, MacFlags::source, 12, 0, false},
    {"M2DestinationIsIdentifierMac", 2, MacFlags::destination, 0, 12, true},
    {"M5DestinationIsIdentifierMac", 5, MacFlags::destination, 0, 12, true},
    {"M5DestinationDiffers", 5, MacFlags::destination, 0, 34, false},
    {"M3SourceIsIdentifierMac", 3, MacFlags::source, 12, 0, true},
    {"M3DestinationIsByte0", 3, MacFlags::destination, 0, 34, true},
    {"M3DestinationIsNotIdentifierMac", 3, MacFlags::destination, 0, 12, false},
    {"M3BothSourceIdentifierDestinationByte0", 3, MacFlags::both, 12, 34, true},
    {"M3BothSwapped", 3, MacFlags::both, 34, 12, false},
    {"M4SourceIsByte0", 4, MacFlags::source, 34, 0, true},
    {"M4SourceIsNotIdentifierMac", 4, MacFlags::source, 12, 0, false},
    {"M4DestinationIsIdentifierMac", 4, MacFlags::destination, 0, 12, true},
    {"M6DestinationIsIdentifierMac", 6, MacFlags::destination, 0, 12, true},
    {"M6BothDestinationIdentifierSourceByte0", 6, MacFlags::both, 34, 12, true},
    {"M6BothSwapped", 6, MacFlags::both, 12, 34, false},
    {"M7SourceIsIdentifierMac", 7, MacFlags::source, 12, 0, true},
    {"M7DestinationIsIdentifierMac", 7, MacFlags::destination, 0, 12, true},
    {"M7DestinationIsNotByte0", 7, MacFlags::destination, 0, 34, false},
    {"M7BothEqualIdentifierMac", 7, MacFlags::both, 12, 12, true},
    {"M7BothOneDiffers", 7, MacFlags::both, 12, 34, false},
};

FilterCondition group2Condition(MacFlags flags, uint32_t sourceMacId, uint32_t destMacId) {
    FilterCondition condition = deviceNetCondition(FC_DN_GROUP2);
    if (flags != MacFlags::destination)
        condition = withSourceMac(condition, sourceMacId);
    if (flags != MacFlags::source)
        condition = withDestinationMac(condition, destMacId);
    return condition;
}

class Group2MacIdCase : public testing::TestWithParam<Group2MacCase> {};

}  // namespace

TEST_P(Group2MacIdCase, FollowsTheMessageIdTable) {
    const Group2MacCase& c = GetParam();
    const CanFrame frame = dataFrame(0x400 | 12 << 3 | c.messageId, {0x80 | 34});
    EXPECT_EQ(conditionMatches(frame, group2Condition(c.flags, c.sourceMacId, c.destMacId)), c.matches);
}

INSTANTIATE_TEST_SUITE_P(Table, Group2MacIdCase, testing::ValuesIn(kGroup2MacCases),
                         [](const testing::TestParamInfo<Group2MacCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Group2MacIds, BothNeverMatchMessageIds0125) {
    for (uint32_t m : {0u, 1u, 2u, 5u}) {
        for (uint32_t mac = 0; mac < 64; ++mac) {
            const uint8_t byte0 = uint8_t(63 - mac);
            const CanFrame frame = dataFrame(0x400 | mac << 3 | m, {byte0});
            for (uint32_t source : {mac, uint32_t(byte0)}) {
                for (uint32_t destination : {mac, uint32_t(byte0)}) {
                    ASSERT_FALSE(conditionMatches(frame, group2Condition(MacFlags::both, source, destination)))
                        << "m " << m << " mac " << mac << " src " << source << " dst " << destination;
                }
            }
        }
    }
}

TEST(Group2MacIds, MessageIdFlagPicksTheTableRow) {
    const FilterCondition condition = withMessageId(group2Condition(MacFlags::source, 12, 0), 4);
    EXPECT_TRUE(conditionMatches(dataFrame(0x400 | 30 << 3 | 4, {12}), condition))
        << "m 4 takes the source from byte 0";
    EXPECT_FALSE(conditionMatches(dataFrame(0x400 | 12 << 3 | 0, {12}), condition)) << "m 0 is not message ID 4";
}

TEST(CanopenIdentifier, FunctionCodeAndNodeMatchOnlyTheirIdentifier) {
    const FilterCondition condition = functionCodeAndNodeCondition(0xB, 5);
    for (uint32_t identifier = 0; identifier < 0x800; ++identifier) {
        ASSERT_EQ(conditionMatches(dataFrame(identifier, {1}), condition), identifier == 0x585)
            << std::hex << identifier;
    }
    EXPECT_FALSE(conditionMatches(dataFrame(0x585 | 0x10000, {1}, 0), condition))
        << "identifier bits above 10 belong to the function code";
}
