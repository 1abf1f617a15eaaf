// The DeviceNet filter dialog's MAC ID fields and drop-down lists.
#include "filters/DeviceNetFilterLists.h"
#include "filters/DeviceNetMacIdField.h"

#include "core/StringTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct MacIdCase {
    const char* name;
    const char* text;
    NumberFormat format;
    std::optional<int> member;
    int refusal;
    const char* refusalText;
};

constexpr NumberFormat kHex = NumberFormat::hex;
constexpr NumberFormat kDecimal = NumberFormat::decimal;

const MacIdCase kMacIdCases[] = {
    {"AllReadsMinusOne", "ALL", kHex, -1, 0, ""},
    {"EmptyKeepsTheMember", "", kDecimal, std::nullopt, 0, ""},
    {"HexHighest", "3F", kHex, 63, 0, ""},
    {"HexLowerCase", "2a", kHex, 42, 0, ""},
    {"HexLeadingZeros", "0005", kHex, 5, 0, ""},
    {"HexAbove3F", "40", kHex, std::nullopt, 5070, "The ID data must between 0 to 0X3F"},
    {"HexBadCharacter", "1G", kHex, std::nullopt, 5071, "The char must between 0 to F."},
    {"HexWrappingPastTheTopIsStillTooBig", "100000000", kHex, std::nullopt, 5070,
     "The ID data must between 0 to 0X3F"},
    {"DecimalHighest", "63", kDecimal, 63, 0, ""},
    {"DecimalAbove63", "64", kDecimal, std::nullopt, 5072, "The ID data must between 0 to 63"},
    {"DecimalHexLetter", "A", kDecimal, std::nullopt, 5073, "The char must between 0 to 9."},
    {"DecimalWrappingPastTheTopIsStillTooBig", "4294967296", kDecimal, std::nullopt, 5072,
     "The ID data must between 0 to 63"},
    {"LowerCaseAllIsNoNumber", "all", kDecimal, std::nullopt, 5073, "The char must between 0 to 9."},
};

class MacIdField : public testing::TestWithParam<MacIdCase> {};

}  // namespace

TEST_P(MacIdField, DecidesOnTheText) {
    const MacIdCase& c = GetParam();
    const MacIdVerdict verdict = checkMacIdField(c.text, c.format);
    EXPECT_EQ(verdict.member, c.member);
    EXPECT_EQ(verdict.refusal, c.refusal);
    EXPECT_EQ(verdict.refusalText, c.refusalText);
}

INSTANTIATE_TEST_SUITE_P(Table, MacIdField, testing::ValuesIn(kMacIdCases),
                         [](const testing::TestParamInfo<MacIdCase>& info) { return info.param.name; });

TEST(MacIdFieldText, ShowsTheMemberInEachFormat) {
    EXPECT_EQ(macIdFieldText(-1, kHex), "ALL");
    EXPECT_EQ(macIdFieldText(64, kDecimal), "ALL");
    EXPECT_EQ(macIdFieldText(10, kHex), "A");
    EXPECT_EQ(macIdFieldText(10, kDecimal), "10");
    EXPECT_EQ(reformattedMacIdFieldText(10, kHex), "0A");
    EXPECT_EQ(reformattedMacIdFieldText(5, kDecimal), "5");
}

TEST(DeviceNetFilterLists, MessageIdsFollowAllInTheListFormat) {
    struct Expected {
        int group;
        NumberFormat format;
        std::size_t count;
        const char* last;
    };
    for (const Expected& e : {Expected{1, kHex, 17, "F"}, Expected{2, kDecimal, 9, "7"}, Expected{3, kHex, 8, "6"},
                              Expected{4, kHex, 49, "2F"}, Expected{4, kDecimal, 49, "47"}}) {
        const std::vector<std::string> entries = deviceNetMessageIdEntries(e.group, e.format);
        ASSERT_EQ(entries.size(), e.count) << "group " << e.group;
        EXPECT_EQ(entries.front(), "ALL");
        EXPECT_EQ(entries[1], "0");
        EXPECT_EQ(entries.back(), e.last) << "group " << e.group;
    }
    EXPECT_EQ(deviceNetGroupEntries(), (std::vector<std::string>{"1", "2", "3", "4"}));
}

TEST(DeviceNetFilterLists, EntriesAndDescriptionsNameTheSameMessages) {
    ASSERT_EQ(deviceNetNamedMessages().size(), 17u);
    EXPECT_EQ(strings::text(deviceNetNamedMessages()[6].entryString), "Group 2: Slave's Exp Res Msg");
    EXPECT_EQ(deviceNetDescription(2, 3), "Slave's Explicit / Unconnected Response Message");
    EXPECT_EQ(strings::text(deviceNetNamedMessages()[15].entryString), "Group 4: Offline Owership Response Message");
    EXPECT_EQ(deviceNetDescription(4, 46), "Offline Owership Response Message");
    EXPECT_EQ(deviceNetEntryOf(3, 6), 12u);
    EXPECT_FALSE(deviceNetEntryOf(3, 4));
    EXPECT_FALSE(deviceNetDescription(1, 12));
    // Each entry's text names its own group.
    for (const DeviceNetNamedMessage& message : deviceNetNamedMessages()) {
        EXPECT_EQ(strings::text(message.entryString).substr(0, 8), "Group " + std::to_string(message.group) + ":");
        EXPECT_TRUE(strings::contains(message.descriptionString)) << message.descriptionString;
    }
}
