#include "filters/DuplicateRule.h"

#include "ConditionBuilders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DuplicateCase {
    const char* name;
    FilterDialogKind kind;
    FilterCondition existing;
    FilterCondition candidate;
    bool duplicate;
};

template <typename Change>
FilterCondition changed(FilterCondition condition, Change change) {
    change(condition);
    return condition;
}

const FilterCondition kCustom = withDataByte(withLength(customIdCondition(0x123), 2), 1, 0x55);
const FilterCondition kAdvanced = advancedIdCondition(0x0F0, 0x050);
const FilterCondition kGroup2 = withSourceMac(withMessageId(deviceNetCondition(FC_DN_GROUP2), 3), 12);
const FilterCondition kCobId = withDataByte(withLength(cobIdCondition(0x181), 2), 0, 0x7F);

const std::vector<DuplicateCase>& duplicateCases() {
    static const std::vector<DuplicateCase> cases = {
        {"CanIdentical", FilterDialogKind::can, kCustom, kCustom, true},
        {"CanDiffersOnlyInTick", FilterDialogKind::can, kCustom,
         changed(kCustom, [](FilterCondition& c) { c.flags &= ~FC_ENABLED; }), true},
        {"CanIdentifierDiffers", FilterDialogKind::can, kCustom,
         changed(kCustom, [](FilterCondition& c) { c.frame.identifier = 0x124; }), false},
        {"CanRemoteDiffers", FilterDialogKind::can, kCustom,
         changed(kCustom, [](FilterCondition& c) { c.frame.remote = 1; }), false},
        {"CanWidthDiffers", FilterDialogKind::can, kCustom,
         changed(kCustom, [](FilterCondition& c) { c.frame.extended = 1; }), false},
        {"CanLengthDiffers", FilterDialogKind::can, kCustom,
         changed(kCustom, [](FilterCondition& c) { c.frame.length = 3; }), false},
        {"CanTestedDataByteDiffers", FilterDialogKind::can, kCustom,
         changed(kCustom, [](FilterCondition& c) { c.frame.data[1] = 0x56; }), false},
        {"CanUntestedDataByteIgnored", FilterDialogKind::can, kCustom,
         changed(kCustom, [](FilterCondition& c) { c.frame.data[0] = 0x99; }), true},
        {"CanOneMoreTestDiffers", FilterDialogKind::can, kCustom,
         changed(kCustom, [](FilterCondition& c) { c.flags |= FC_DATA0; }), false},
        {"CanUntestedIdentifierIgnored", FilterDialogKind::can, canCondition(),
         changed(canCondition(), [](FilterCondition& c) { c.frame.identifier = 0x7FF; }), true},
        {"CanDeviceNetFieldsIgnored", FilterDialogKind::can, kCustom,
         changed(kCustom, [](FilterCondition& c) { c.messageId = 9; c.cobId = 0x181; }), true},
        {"AdvancedFreeBitsIgnored", FilterDialogKind::can, kAdvanced,
         changed(kAdvanced, [](FilterCondition& c) { c.idBits = 0x15F; }), true},
        {"AdvancedFixedBitDiffers", FilterDialogKind::can, kAdvanced,
         changed(kAdvanced, [](FilterCondition& c) { c.idBits = 0x070; }), false},
        {"AdvancedMaskDiffers", FilterDialogKind::can, kAdvanced,
         changed(kAdvanced, [](FilterCondition& c) { c.idMask = 0x0F1; }), false},

        {"DeviceNetIdentical", FilterDialogKind::deviceNet, kGroup2, kGroup2, true},
        {"DeviceNetDiffersOnlyInTick", FilterDialogKind::deviceNet, kGroup2,
         changed(kGroup2, [](FilterCondition& c) { c.flags &= ~FC_ENABLED; }), true},
        {"DeviceNetSourceDiffers", FilterDialogKind::deviceNet, kGroup2,
         changed(kGroup2, [](FilterCondition& c) { c.sourceMacId = 13; }), false},
        {"DeviceNetMessageIdDiffers", FilterDialogKind::deviceNet, kGroup2,
         changed(kGroup2, [](FilterCondition& c) { c.messageId = 4; }), false},
        {"DeviceNetUntestedDestinationIgnored", FilterDialogKind::deviceNet, kGroup2,
         changed(kGroup2, [](FilterCondition& c) { c.destMacId = 40; }), true},
        {"DeviceNetTestedDestinationDiffers", FilterDialogKind::deviceNet, withDestinationMac(kGroup2, 1),
         withDestinationMac(kGroup2, 2), false},
        {"DeviceNetGroupDiffers", FilterDialogKind::deviceNet, kGroup2,
         changed(kGroup2, [](FilterCondition& c) { c.flags ^= FC_DN_GROUP2 | FC_DN_GROUP3; }), false},
        {"DeviceNetMethodDiffers", FilterDialogKind::deviceNet, kGroup2,
         changed(kGroup2, [](FilterCondition& c) { c.flags ^= FC_METHOD1 | FC_METHOD2; }), false},

        {"CanopenIdentical", FilterDialogKind::canopen, kCobId, kCobId, true},
        {"CanopenDiffersOnlyInTick", FilterDialogKind::canopen, kCobId,
         changed(kCobId, [](FilterCondition& c) { c.flags &= ~FC_ENABLED; }), true},
        {"CanopenCobIdDiffers", FilterDialogKind::canopen, kCobId,
         changed(kCobId, [](FilterCondition& c) { c.cobId = 0x182; }), false},
        {"CanopenRemoteDiffers", FilterDialogKind::canopen, kCobId,
         changed(kCobId, [](FilterCondition& c) { c.frame.remote = 1; }), false},
        {"CanopenLengthDiffers", FilterDialogKind::canopen, kCobId,
         changed(kCobId, [](FilterCondition& c) { c.frame.length = 1; }), false},
        {"CanopenDataByteDiffers", FilterDialogKind::canopen, kCobId,
         changed(kCobId, [](FilterCondition& c) { c.frame.data[0] = 0x05; }), false},
        {"CanopenUntestedNodeIgnored", FilterDialogKind::canopen, kCobId,
         changed(kCobId, [](FilterCondition& c) { c.nodeId = 5; }), true},
        {"CanopenFunctionCodeDiffers", FilterDialogKind::canopen, functionCodeAndNodeCondition(0xB, 5),
         functionCodeAndNodeCondition(0xC, 5), false},
        {"CanopenNodeDiffers", FilterDialogKind::canopen, functionCodeAndNodeCondition(0xB, 5), functionCodeAndNodeCondition(0xB, 6),
         false},

        {"CanDialogIgnoresDeviceNetCondition", FilterDialogKind::can, kGroup2, kGroup2, false},
        {"DeviceNetDialogIgnoresCanopenCondition", FilterDialogKind::deviceNet, kCobId, kCobId, false},
        {"CanopenDialogIgnoresCanCondition", FilterDialogKind::canopen, kCustom, kCustom, false},
        {"SameValuesAsCanopenInCanDialog", FilterDialogKind::can, withLength(canopenCondition(), 2),
         withLength(canCondition(), 2), false},
        {"SameValuesAsCanInCanopenDialog", FilterDialogKind::canopen, withLength(canCondition(), 2),
         withLength(canopenCondition(), 2), false},
    };
    return cases;
}

class DuplicateRuleCase : public testing::TestWithParam<DuplicateCase> {};

}  // namespace

TEST_P(DuplicateRuleCase, GivesTheExpectedVerdict) {
    const DuplicateCase& c = GetParam();
    EXPECT_EQ(isDuplicate(c.kind, c.existing, c.candidate), c.duplicate);
}

INSTANTIATE_TEST_SUITE_P(Table, DuplicateRuleCase, testing::ValuesIn(duplicateCases()),
                         [](const testing::TestParamInfo<DuplicateCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(DuplicateRule, AddAndEditCheckEveryConditionOfTheList) {
    const std::vector<FilterCondition> working = {kGroup2, kCustom, kCobId};
    EXPECT_TRUE(hasDuplicate(FilterDialogKind::can, working, kCustom)) << "Edit without a change";
    EXPECT_FALSE(hasDuplicate(FilterDialogKind::can, working, customIdCondition(0x321)));
    EXPECT_TRUE(hasDuplicate(FilterDialogKind::canopen, working, kCobId));
    EXPECT_FALSE(hasDuplicate(FilterDialogKind::deviceNet, working, withSourceMac(kGroup2, 13)));
    EXPECT_FALSE(hasDuplicate(FilterDialogKind::deviceNet, {}, kGroup2));
}
