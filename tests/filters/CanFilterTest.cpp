#include "filters/CanFilterRows.h"
#include "filters/CanFilterRules.h"
#include "filters/CompiledConditions.h"
#include "filters/ConditionMatches.h"
#include "filters/DuplicateRule.h"

#include "ConditionBuilders.h"
#include "support/Frames.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int32_t kStandardFrames = 1;
constexpr int32_t kExtendFrames = 2;

using RowTexts = std::array<std::string, kCanFilterColumnCount>;

LengthAndDataEntry sizeAndData(int sizeEntry, std::initializer_list<std::optional<uint8_t>> data) {
    LengthAndDataEntry entry{sizeEntry, {}};
    std::copy(data.begin(), data.end(), entry.data.begin());
    return entry;
}

TEST(CanFilterRows, EveryKindOfConditionReadsAsTheListShowsIt) {
    FilterCondition sizedData = customIdCondition(0x1F, 0);
    sizedData.flags |= FC_LENGTH | FC_DATA0 | FC_DATA2;
    sizedData.frame.length = 3;
    sizedData.frame.data[0] = 0x1F;
    sizedData.frame.data[2] = 0xFF;
    FilterCondition remote = customIdCondition(0x1ABCDEF0, 1);
    remote.frame.remote = 1;
    FilterCondition fcodeAndNode = canopenCondition();
    fcodeAndNode.flags |= FC_COP_FCODE | FC_COP_NODEID;
    fcodeAndNode.functionCode = 3;
    fcodeAndNode.nodeId = 5;
    FilterCondition nodeOnly = canopenCondition();
    nodeOnly.flags |= FC_COP_NODEID;
    nodeOnly.nodeId = 0x7F;
    FilterCondition methodOneAll = canopenCondition();
    methodOneAll.flags |= FC_METHOD1;
    const FilterCondition group1 = deviceNetCondition(FC_DN_GROUP1);
    const FilterCondition group2 = deviceNetCondition(FC_DN_GROUP2);

    struct Row {
        const char* name;
        FilterCondition condition;
        RowTexts hex;
        RowTexts decimal;
    };
    const Row rows[] = {
        {"CAN without tests", canCondition(), {"0", "CAN", "****", "Standard", "ALL", " ** ** ** ** ** ** ** **"},
         {"0", "CAN", "****", "Standard", "ALL", " ** ** ** ** ** ** ** **"}},
        {"CAN custom, length 3, two bytes", sizedData, {"0", "CAN", "1F", "Standard", "3", " 1F ** FF"},
         {"0", "CAN", "31", "Standard", "3", " 031 ** 255"}},
        {"CAN remote, extended", remote, {"0", "CAN", "1ABCDEF0", "Extend", "ALL", "Remote Frame"},
         {"0", "CAN", "448585456", "Extend", "ALL", "Remote Frame"}},
        {"CAN advanced, standard", advancedIdCondition(0x401, 0x001, 0),
         {"0", "CAN", "0XXXXXXXXX1", "Standard", "ALL", " ** ** ** ** ** ** ** **"},
         {"0", "CAN", "0XXXXXXXXX1", "Standard", "ALL", " ** ** ** ** ** ** ** **"}},
        {"CANopen COB-ID", cobIdCondition(0x185), {"0", "CANopen", "185", "Standard", "ALL", " ** ** ** ** ** ** ** **"},
         {"0", "CANopen", "389", "Standard", "ALL", " ** ** ** ** ** ** ** **"}},
        {"CANopen method 1 without COB-ID", methodOneAll, {"0", "CANopen", "****", "Standard", "ALL", " ** ** ** ** ** ** ** **"},
         {"0", "CANopen", "****", "Standard", "ALL", " ** ** ** ** ** ** ** **"}},
        {"CANopen function code and node", fcodeAndNode, {"0", "CANopen", "185", "Standard", "ALL", " ** ** ** ** ** ** ** **"},
         {"0", "CANopen", "389", "Standard", "ALL", " ** ** ** ** ** ** ** **"}},
        {"CANopen function code only", functionCodeCondition(0xB), {"0", "CANopen", "left4(X)=B", "Standard", "ALL", " ** ** ** ** ** ** ** **"},
         {"0", "CANopen", "left4(X)=11", "Standard", "ALL", " ** ** ** ** ** ** ** **"}},
        {"CANopen node only", nodeOnly, {"0", "CANopen", "right7(X)=7F", "Standard", "ALL", " ** ** ** ** ** ** ** **"},
         {"0", "CANopen", "right7(X)=127", "Standard", "ALL", " ** ** ** ** ** ** ** **"}},
        {"CANopen neither", canopenCondition(), {"0", "CANopen", "**", "Standard", "ALL", " ** ** ** ** ** ** ** **"},
         {"0", "CANopen", "**", "Standard", "ALL", " ** ** ** ** ** ** ** **"}},
        {"group 1, m and src, dst", withDestinationMac(withSourceMac(withMessageId(group1, 0xD), 0x3F), 0x2A),
         {"0", "DeviceNet", "37F", "Standard", ">0", "X  ** ** ** (right7(X)=2A)"},
         {"0", "DeviceNet", "895", "Standard", ">0", "X  *** *** ***(right7(X)=42)"}},
        {"group 1, m only", withMessageId(group1, 2), {"0", "DeviceNet", "80<X<BF", "Standard", "ALL", "** ** ** **"},
         {"0", "DeviceNet", "128<X<191", "Standard", "ALL", "*** *** *** ***"}},
        {"group 1, neither", group1, {"0", "DeviceNet", "left1(X)=0", "Standard", "ALL", "** ** ** **"},
         {"0", "DeviceNet", "left1(X)=0", "Standard", "ALL", "*** *** *** ***"}},
        {"group 2 without m, both MAC IDs", withDestinationMac(withSourceMac(group2, 0x10), 0x21),
         {"0", "DeviceNet", "left2(X)=2,form3to8(X)=10,21", "Standard", ">0", "X ** ** ** right7(X)=21,10"},
         {"0", "DeviceNet", "left2(X)=2,form3to8(X)=10,21", "Standard", ">0", "X ** ** ** right7(X)=21,10"}},
        {"group 2 without m, destination only", withDestinationMac(group2, 0x21),
         {"0", "DeviceNet", "left2(X)=2,form3to8(X)=21", "Standard", ">=0", "X ** ** ** right7(X)=21"},
         {"0", "DeviceNet", "left2(X)=2,form3to8(X)=21", "Standard", ">=0", "X ** ** ** right7(X)=21"}},
        {"group 2, m 3 with src and dst", withDestinationMac(withSourceMac(withMessageId(group2, 3), 0x10), 0x3F),
         {"0", "DeviceNet", "483", "Standard", ">0", "X ** ** ** (right7(X)=3F)"},
         {"0", "DeviceNet", "1155", "Standard", ">0", "X ** ** ** (right7(X)=63)"}},
        {"group 2, m 5 with src only", withSourceMac(withMessageId(group2, 5), 0x10),
         {"0", "DeviceNet", "left2(X)=2,right3(X)=5", "Standard", ">0", "X ** ** ** (right7(X)=10)"},
         {"0", "DeviceNet", "left2(X)=2,right3(X)=5", "Standard", ">0", "X ** ** ** (right7(X)=16)"}},
        {"group 2, m 4 with dst only", withDestinationMac(withMessageId(group2, 4), 0x3F),
         {"0", "DeviceNet", "5FC", "Standard", "ALL", "ALL"}, {"0", "DeviceNet", "1532", "Standard", "ALL", "ALL"}},
        {"group 3, m without src", withMessageId(deviceNetCondition(FC_DN_GROUP3), 1),
         {"0", "DeviceNet", "640<X<67F", "Standard", "ALL", "ALL"},
         {"0", "DeviceNet", "1600<X<1663", "Standard", "ALL", "ALL"}},
        {"group 3, src without m, dst", withDestinationMac(withSourceMac(deviceNetCondition(FC_DN_GROUP3), 0xA), 1),
         {"0", "DeviceNet", "left2(X)=3,right(6)=A", "Standard", ">0", "X ** ** ** (right7(X)=1)"},
         {"0", "DeviceNet", "left2(X)=3,right(6)=10", "Standard", ">0", "X ** ** ** (right7(X)=1)"}},
        {"group 4", deviceNetCondition(FC_DN_GROUP4), {"0", "DeviceNet", "", "Standard", "", ""},
         {"0", "DeviceNet", "", "Standard", "", ""}},
        {"no group reads as group 4", deviceNetCondition(0), {"0", "DeviceNet", "", "Standard", "", ""},
         {"0", "DeviceNet", "", "Standard", "", ""}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(canFilterRowTexts(row.condition, 0, NumberFormat::hex), row.hex) << row.name;
        EXPECT_EQ(canFilterRowTexts(row.condition, 0, NumberFormat::decimal), row.decimal) << row.name;
    }
    EXPECT_EQ(canFilterRowTexts(canCondition(), 12, NumberFormat::hex)[0], "12");
    FilterCondition damaged = canCondition();
    damaged.flags |= FC_LENGTH;
    damaged.frame.length = 200;
    EXPECT_EQ(canFilterRowTexts(damaged, 0, NumberFormat::hex)[5], "") << "a length past 8 shows no items";
}

// Every standard identifier, as a data frame with bytes `data` and as a
// remote frame, through the built condition against the rule the dialog
// promises; the classifier that builds the shown rows must agree.
void expectMatchesExactly(const FilterCondition& condition, std::initializer_list<uint8_t> data,
                          const std::function<bool(uint32_t identifier, bool remote)>& promised, const char* name) {
    const CompiledConditions compiled(std::span(&condition, 1));
    for (uint32_t identifier = 0; identifier < 0x800; ++identifier) {
        for (const bool remote : {false, true}) {
            CanFrame frame = dataFrame(identifier, data, /*extended=*/0);
            frame.remote = remote ? 1 : 0;
            const bool expected = promised(identifier, remote);
            ASSERT_EQ(conditionMatches(frame, condition), expected)
                << name << ": identifier " << identifier << (remote ? " remote" : " data");
            ASSERT_EQ(compiled.matchesAny(frame), expected) << name << ", classifier: identifier " << identifier;
        }
    }
}

TEST(CanFilterRules, BuiltConditionsMatchWhatTheControlsSay) {
    CanFilterControls custom;
    custom.identifier = IdentifierChoice::custom;
    custom.identifierValue = 0x123;
    const FilterCondition customCondition = buildCanCondition(custom, kStandardFrames);
    EXPECT_EQ(customCondition.flags, FC_CAN | FC_FRAMEFORMAT | FC_ID_CUSTOM | FC_ENABLED);
    expectMatchesExactly(customCondition, {1, 2}, [](uint32_t id, bool remote) { return id == 0x123 && !remote; },
                         "custom 0x123");

    // Bits 10 and 0 fixed to 1 and 0 by three presses on bit 0's button and
    // one on bit 10's: X -> 0 -> 1 -> X and X -> 0.
    AdvancedIdentifierBits bits;
    for (const int press : {0, 0, 0, 10, 4, 4})
        bits.step(press);
    const std::string states{bits.stateText(0), bits.stateText(4), bits.stateText(10)};
    EXPECT_EQ(states, "X10");
    CanFilterControls advanced;
    advanced.identifier = IdentifierChoice::advanced;
    advanced.advanced = bits.pattern(shownAdvancedBits(kStandardFrames));
    advanced.remoteFrame = true;
    const FilterCondition advancedCondition = buildCanCondition(advanced, kStandardFrames);
    EXPECT_EQ(canFilterRowTexts(advancedCondition, 0, NumberFormat::hex)[2], "0XXXXX1XXXX");
    expectMatchesExactly(advancedCondition, {}, [](uint32_t id, bool remote) {
        return remote && (id & 0x400) == 0 && (id & 0x10) != 0;
    }, "advanced 0XXXXX1XXXX remote");

    // Advanced chosen but never confirmed: every identifier passes.
    CanFilterControls unconfirmed;
    unconfirmed.identifier = IdentifierChoice::advanced;
    const FilterCondition open = buildCanCondition(unconfirmed, kStandardFrames);
    EXPECT_EQ(canFilterRowTexts(open, 0, NumberFormat::hex)[2], "XXXXXXXXXXX");
    expectMatchesExactly(open, {}, [](uint32_t, bool remote) { return !remote; }, "unconfirmed advanced");

    // Size "2" with every data field filled tests bytes 0 and 1 only.
    CanFilterControls sized;
    sized.lengthAndData = sizeAndData(3, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});
    const FilterCondition sizedCondition = buildCanCondition(sized, kStandardFrames);
    EXPECT_EQ(canFilterRowTexts(sizedCondition, 0, NumberFormat::hex)[5], " 11 22");
    expectMatchesExactly(sizedCondition, {0x11, 0x22}, [](uint32_t, bool remote) { return !remote; }, "size 2");
    expectMatchesExactly(sizedCondition, {0x11, 0x23}, [](uint32_t, bool) { return false; }, "size 2, byte 1 differs");

    // A frame type other than 1 builds Extend conditions: they match no standard frame.
    const FilterCondition extend = buildCanCondition(CanFilterControls{}, 0);
    EXPECT_EQ(extend.frame.extended, 1);
    expectMatchesExactly(extend, {}, [](uint32_t, bool) { return false; }, "extend");
}

TEST(CanFilterRules, LoadedConditionBuildsAgainUnchangedAndEditKeepsTheLoadedPattern) {
    CanFilterControls controls;
    controls.identifier = IdentifierChoice::custom;
    controls.identifierValue = 0x1FFFFFFF;
    controls.lengthAndData = sizeAndData(6, {0xAB, std::nullopt, 0, std::nullopt, 7, 9, 9});
    for (const bool remote : {false, true}) {
        controls.remoteFrame = remote;
        const FilterCondition built = buildCanCondition(controls, kExtendFrames);
        EXPECT_EQ(built.flags & (FC_LENGTH | 0x3FC00), FC_LENGTH | FC_DATA0 | FC_DATA2 | FC_DATA4);
        // The bytes past the length are kept but tested by nothing.
        const FilterCondition rebuilt = buildCanCondition(canControlsOf(built), kExtendFrames);
        EXPECT_EQ(rebuilt.flags, built.flags) << "remote " << remote;
        EXPECT_TRUE(isDuplicate(FilterDialogKind::can, built, rebuilt)) << "remote " << remote;
    }

    const FilterCondition selected = advancedIdCondition(0x1000001, 0x1, 1);
    AdvancedIdentifierBits bits;
    bits.load(selected);
    EXPECT_EQ(bits.pattern(kAdvancedBitCount), (AdvancedPattern{0x1000001, 0x1}));
    EXPECT_EQ(bits.pattern(shownAdvancedBits(kStandardFrames)), (AdvancedPattern{0x1, 0x1}))
        << "bits a standard identifier lacks stay free";
    const CanFilterControls loaded = canControlsOf(selected);
    ASSERT_EQ(loaded.identifier, IdentifierChoice::advanced);
    const FilterCondition unchanged = canEditCandidate(loaded, kExtendFrames, selected, /*advancedChanged=*/false);
    EXPECT_TRUE(isDuplicate(FilterDialogKind::can, selected, unchanged)) << "an Edit without changes is refused";

    CanFilterControls confirmed = loaded;
    confirmed.advanced = AdvancedPattern{0x2, 0x2};
    const FilterCondition changed = canEditCandidate(confirmed, kExtendFrames, selected, /*advancedChanged=*/true);
    EXPECT_EQ(changed.idMask, 0x2u);
    CanFilterControls toCustom = loaded;
    toCustom.identifier = IdentifierChoice::custom;
    const FilterCondition custom = canEditCandidate(toCustom, kExtendFrames, selected, /*advancedChanged=*/false);
    EXPECT_EQ(custom.flags & (FC_ID_ADVANCED | FC_ID_CUSTOM), FC_ID_CUSTOM)
        << "a condition edited to Custom tests no hidden pattern";
}

}  // namespace
