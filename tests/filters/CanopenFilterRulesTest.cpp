#include "filters/CanopenFilterRules.h"

#include "ConditionBuilders.h"
#include "filters/ConditionMatches.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

namespace {

constexpr NumberFormat kHex = NumberFormat::hex;
constexpr NumberFormat kDecimal = NumberFormat::decimal;

CanopenFieldMessage message(int number, const char* text) { return {number, text}; }

TEST(CanopenIdField, ChangeRuleDecidesMemberAndMessage) {
    struct Row {
        const char* name;
        const char* text;
        NumberFormat format;
        uint32_t limit;
        CanopenIdVerdict expected;
    };
    const CanopenFieldMessage hexCharacter = message(5039, "The char must between 0 to F.");
    const CanopenFieldMessage decimalCharacter = message(5041, "The char must between 0 to 9.");
    const CanopenFieldMessage cobIdHexRange = message(5038, "The ID data must between 0 to 0X7ff");
    const CanopenFieldMessage nodeIdHexRange = message(5038, "The ID data must between 0 to 0X7f");
    const CanopenFieldMessage cobIdDecimalRange = message(5040, "The ID data must between 0 to 2047");
    const CanopenFieldMessage nodeIdDecimalRange = message(5040, "The ID data must between 0 to 127");
    const Row rows[] = {
        {"ALL reads as every value", "ALL", kHex, kCobIdLimit, {kCanopenAll, std::nullopt}},
        {"ALL in Decimal too", "ALL", kDecimal, kNodeIdLimit, {kCanopenAll, std::nullopt}},
        {"empty text changes nothing", "", kHex, kCobIdLimit, {}},
        {"highest COB-ID in Hex", "7FF", kHex, kCobIdLimit, {0x7FF, std::nullopt}},
        {"lower-case hex digits", "7f", kHex, kNodeIdLimit, {0x7F, std::nullopt}},
        {"leading zeros do not count", "0000007F", kHex, kNodeIdLimit, {0x7F, std::nullopt}},
        {"highest COB-ID in Decimal", "2047", kDecimal, kCobIdLimit, {2047, std::nullopt}},
        {"letter in Hex", "1G", kHex, kCobIdLimit, {std::nullopt, hexCharacter}},
        {"hex letter in Decimal", "1A", kDecimal, kCobIdLimit, {std::nullopt, decimalCharacter}},
        {"COB-ID above its limit is still kept", "800", kHex, kCobIdLimit, {0x800, cobIdHexRange}},
        {"node ID above its limit is still kept", "80", kHex, kNodeIdLimit, {0x80, nodeIdHexRange}},
        {"decimal COB-ID above 2047", "2048", kDecimal, kCobIdLimit, {2048, cobIdDecimalRange}},
        {"decimal node ID above 127", "128", kDecimal, kNodeIdLimit, {128, nodeIdDecimalRange}},
        // Read modulo 2^32 these would be 0 or -1 ("ALL"): refused, member untouched.
        {"pasted hex that wraps to zero", "100000000", kHex, kCobIdLimit, {std::nullopt, cobIdHexRange}},
        {"pasted hex that reads as ALL", "FFFFFFFF", kHex, kNodeIdLimit, {std::nullopt, nodeIdHexRange}},
        {"pasted decimal that wraps to zero", "4294967296", kDecimal, kCobIdLimit,
         {std::nullopt, cobIdDecimalRange}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(checkCanopenIdField(row.text, row.format, row.limit), row.expected) << row.name;
}

TEST(CanopenIdField, LeavingCobIdRewritesOrRefuses) {
    struct Row {
        const char* name;
        const char* text;
        NumberFormat format;
        CobIdLeaveVerdict expected;
    };
    const Row rows[] = {
        {"ALL stays", "ALL", kHex, {}},
        {"foreign characters stay as typed", "1G", kHex, {}},
        {"empty text shows 0", "", kHex, {"0", std::nullopt}},
        {"above 0x7FF in Hex", "800", kHex, {std::nullopt, message(5034, "The COB-ID must between 0 to 0X7FF.")}},
        {"above 2047 in Decimal", "2048", kDecimal,
         {std::nullopt, message(5036, "The COB-ID must between 0 to 2047.")}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(leaveCobIdField(row.text, row.format), row.expected) << row.name;
}

TEST(CanopenIdField, FormatChangeWritesMembersAndFunctionCodes) {
    struct Row {
        const char* name;
        const char* shown;
        int32_t member;
        NumberFormat format;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"ALL is left alone", "ALL", kCanopenAll, kDecimal, std::nullopt},
        {"an emptied field stays empty", "", kCanopenAll, kHex, std::nullopt},
        {"zero in Hex", "0", 0, kHex, "00"},
        {"three hex digits", "389", 0x185, kHex, "185"},
        {"Decimal without padding", "7F", 0x7F, kDecimal, "127"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(canopenIdTextInFormat(row.shown, row.member, row.format), row.expected) << row.name;

    const std::array<std::string, 17> hex = {"ALL", "0", "1", "2", "3", "4", "5", "6", "7",
                                             "8",   "9", "A", "B", "C", "D", "E", "F"};
    const std::array<std::string, 17> decimal = {"ALL", "0", "1", "2",  "3",  "4",  "5",  "6", "7",
                                                 "8",   "9", "10", "11", "12", "13", "14", "15"};
    EXPECT_EQ(functionCodeEntries(kHex), hex);
    EXPECT_EQ(functionCodeEntries(kDecimal), decimal);
}

CanopenFilterControls functionCodeAndNode(int32_t functionCode, int32_t nodeId) {
    CanopenFilterControls controls;
    controls.method = CanopenFilterMethod::functionCodeAndNodeId;
    controls.functionCode = functionCode;
    controls.nodeId = nodeId;
    return controls;
}

TEST(CanopenFilterCondition, FunctionCodeAndNodeMatchOnlyTheirIdentifier) {
    const FilterCondition condition = buildCanopenCondition(functionCodeAndNode(3, 5));
    for (uint32_t identifier = 0; identifier <= 0x7FF; ++identifier) {
        EXPECT_EQ(conditionMatches(dataFrame(identifier, {}), condition), identifier == 0x185)
            << "identifier 0x" << std::hex << identifier;
    }
    for (uint32_t identifier : {0x185u, 0x5u, 0x1FFFFFFFu})
        EXPECT_FALSE(conditionMatches(dataFrame(identifier, {}, /*extended=*/1), condition)) << identifier;
    EXPECT_FALSE(conditionMatches(dataFrame(0x185 | 0x10000, {}), condition))
        << "identifier bits above 10 belong to the function code";
}

CanopenFilterControls withEntry(CanopenFilterControls controls, bool remote, LengthAndDataEntry entry) {
    controls.remoteFrame = remote;
    controls.lengthAndData = entry;
    return controls;
}

CanopenFilterControls cobIdControls(int32_t cobId) {
    CanopenFilterControls controls;
    controls.cobId = cobId;
    return controls;
}

TEST(CanopenFilterCondition, BuildsWhatTheChosenMethodTests) {
    struct Row {
        const char* name;
        CanopenFilterControls controls;
        FilterCondition expected;
    };
    CanopenFilterControls methodOneKeepsOthers = cobIdControls(kCanopenAll);
    methodOneKeepsOthers.functionCode = 3;
    methodOneKeepsOthers.nodeId = 5;
    CanopenFilterControls methodTwoKeepsCobId = functionCodeAndNode(kCanopenAll, kCanopenAll);
    methodTwoKeepsCobId.cobId = 0x185;
    FilterCondition methodOneAll = canopenCondition();
    methodOneAll.flags |= FC_METHOD1;
    FilterCondition nodeOnly = canopenCondition();
    nodeOnly.flags |= FC_COP_NODEID;
    nodeOnly.nodeId = 0x7F;
    LengthAndDataEntry sizeTwo{3, {}};
    sizeTwo.data = {0x11, 0x22, std::nullopt, std::nullopt, std::nullopt, 0x66, std::nullopt, std::nullopt};
    FilterCondition bytesZeroAndOne = withDataByte(withDataByte(withLength(cobIdCondition(0), 2), 0, 0x11), 1, 0x22);
    bytesZeroAndOne.frame.data[5] = 0x66;  // kept beyond the length, but untested
    const Row rows[] = {
        {"method 1, ALL", cobIdControls(kCanopenAll), methodOneAll},
        {"method 1 ignores function code and node", methodOneKeepsOthers, methodOneAll},
        {"method 1 with COB-ID", cobIdControls(0x7FF), cobIdCondition(0x7FF)},
        {"method 2 ignores the COB-ID", methodTwoKeepsCobId, canopenCondition()},
        {"function code only", functionCodeAndNode(0xF, kCanopenAll), functionCodeCondition(0xF)},
        {"node ID only", functionCodeAndNode(kCanopenAll, 0x7F), nodeOnly},
        {"remote frame", withEntry(functionCodeAndNode(kCanopenAll, kCanopenAll), true, {}),
         canopenCondition(/*remote=*/1)},
        {"size 2 tests bytes 0 and 1 only", withEntry(cobIdControls(0), false, sizeTwo), bytesZeroAndOne},
    };
    for (const Row& row : rows)
        EXPECT_TRUE(sameImage(buildCanopenCondition(row.controls), row.expected)) << row.name;
}

bool sameControls(const CanopenFilterControls& a, const CanopenFilterControls& b) {
    return a.method == b.method && a.cobId == b.cobId && a.functionCode == b.functionCode && a.nodeId == b.nodeId &&
           a.remoteFrame == b.remoteFrame && a.lengthAndData.sizeEntry == b.lengthAndData.sizeEntry &&
           a.lengthAndData.data == b.lengthAndData.data;
}

TEST(CanopenFilterCondition, LoadsTheControlsItWasBuiltFrom) {
    LengthAndDataEntry allBytes{0, {}};
    allBytes.data = {0, 1, 2, 3, 4, 5, 6, 0xFF};
    LengthAndDataEntry lengthZero{1, {}};
    LengthAndDataEntry sizeEightGaps{9, {}};
    sizeEightGaps.data = {std::nullopt, 0xAB, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                          0x01};
    const struct {
        const char* name;
        CanopenFilterControls controls;
    } rows[] = {
        {"method 1, ALL", cobIdControls(kCanopenAll)},
        {"method 1 with COB-ID and every byte", withEntry(cobIdControls(0x185), false, allBytes)},
        {"method 2 with both", functionCodeAndNode(3, 5)},
        {"method 2, node only, length 0", withEntry(functionCodeAndNode(kCanopenAll, 0), false, lengthZero)},
        {"method 2, remote, size 8 with gaps", withEntry(functionCodeAndNode(0, kCanopenAll), true, sizeEightGaps)},
    };
    for (const auto& row : rows) {
        const FilterCondition built = buildCanopenCondition(row.controls);
        const CanopenFilterControls loaded = canopenControlsOf(built);
        EXPECT_TRUE(sameControls(loaded, row.controls)) << row.name;
        EXPECT_TRUE(sameImage(buildCanopenCondition(loaded), built)) << row.name;
    }
}

}  // namespace
