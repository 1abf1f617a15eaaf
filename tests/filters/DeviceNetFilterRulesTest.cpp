// The conditions the DeviceNet filter dialog builds from its controls: what
// they match over every standard identifier, and loading them back.
#include "filters/DeviceNetFilterRules.h"

#include "ConditionBuilders.h"
#include "filters/ConditionMatches.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr int kSource = 5;
constexpr int kDestination = 42;
constexpr int kAll = -1;

// Message IDs per group and the Method 2 entries' messages, as the dialog
// offers them.
constexpr int kMessageIdCounts[] = {16, 8, 7, 48};
struct EntryMessage {
    int group;
    int messageId;
};
constexpr EntryMessage kEntryMessages[] = {{1, 13}, {1, 14}, {1, 15}, {2, 0}, {2, 1}, {2, 2},  {2, 3},  {2, 4}, {2, 5},
                                           {2, 6},  {2, 7},  {3, 5},  {3, 6}, {4, 44}, {4, 45}, {4, 46}, {4, 47}};

std::vector<DeviceNetFilterControls> everyKindOfControls() {
    std::vector<DeviceNetFilterControls> all;
    for (const int source : {kAll, kSource}) {
        for (const int destination : {kAll, kDestination}) {
            for (int group = 1; group <= 4; ++group) {
                for (int messageId = kAll; messageId < kMessageIdCounts[group - 1]; ++messageId)
                    all.push_back({DeviceNetMethod::byGroup, group, messageId, source, destination, 0});
            }
            for (std::size_t entry = 0; entry < std::size(kEntryMessages); ++entry) {
                all.push_back({DeviceNetMethod::byDescription, kEntryMessages[entry].group,
                               kEntryMessages[entry].messageId, source, destination, entry});
            }
        }
    }
    return all;
}

// Where a DeviceNet message carries a MAC ID: in identifier bits 3 to 8
// (group 2) or 0 to 5 (groups 1 and 3), in the low six bits of data byte 0,
// or nowhere.
enum class Place { nowhere, identifier, firstDataByte };

struct Layout {
    int group;
    int messageId;
    uint32_t identifierMac;
    Place source;
    Place destination;
};

Layout layoutOf(uint32_t id) {
    if ((id & 0x400) == 0)
        return {1, int((id >> 6) & 0xF), id & 0x3F, Place::identifier, Place::firstDataByte};
    if ((id & 0x600) == 0x400) {
        constexpr Place kSourcePlaces[8] = {Place::identifier, Place::identifier,    Place::nowhere,
                                            Place::identifier, Place::firstDataByte, Place::nowhere,
                                            Place::firstDataByte, Place::identifier};
        constexpr Place kDestinationPlaces[8] = {Place::nowhere,    Place::nowhere,    Place::identifier,
                                                 Place::firstDataByte, Place::identifier, Place::identifier,
                                                 Place::identifier, Place::identifier};
        const int messageId = int(id & 7);
        return {2, messageId, (id >> 3) & 0x3F, kSourcePlaces[messageId], kDestinationPlaces[messageId]};
    }
    if ((id & 0x7C0) != 0x7C0) {
        const int messageId = int((id >> 6) & 7);
        const bool unconnected = messageId == 5 || messageId == 6;
        return {3, messageId, id & 0x3F, Place::identifier, unconnected ? Place::firstDataByte : Place::nowhere};
    }
    return {4, int(id & 0x3F), 0, Place::nowhere, Place::nowhere};
}

bool macMatches(int wanted, Place place, const Layout& layout, const CanFrame& frame) {
    if (wanted == kAll)
        return true;
    switch (place) {
    case Place::identifier:
        return int(layout.identifierMac) == wanted;
    case Place::firstDataByte:
        return (frame.data[0] & 0x3F) == wanted;
    case Place::nowhere:
        break;
    }
    return false;
}

// What the controls ask for, read straight from the identifier's layout.
bool expectedMatch(const DeviceNetFilterControls& controls, const CanFrame& frame) {
    if (frame.remote != 0 || frame.extended != 0)
        return false;
    const Layout layout = layoutOf(frame.identifier);
    const bool byEntry = controls.method == DeviceNetMethod::byDescription;
    const EntryMessage wanted =
        byEntry ? kEntryMessages[controls.descriptionEntry] : EntryMessage{controls.group, controls.messageId};
    if (layout.group != wanted.group || (wanted.messageId != kAll && layout.messageId != wanted.messageId))
        return false;
    if (layout.group == 4)  // the MAC ID fields are disabled
        return true;
    return macMatches(controls.sourceMacId, layout.source, layout, frame) &&
           macMatches(controls.destMacId, layout.destination, layout, frame);
}

std::string describe(const DeviceNetFilterControls& c) {
    return (c.method == DeviceNetMethod::byGroup ? "method 1 group " + std::to_string(c.group) + " message " +
                                                       std::to_string(c.messageId)
                                                 : "method 2 entry " + std::to_string(c.descriptionEntry)) +
           " source " + std::to_string(c.sourceMacId) + " destination " + std::to_string(c.destMacId);
}

}  // namespace

TEST(DeviceNetFilterRules, EveryBuildableConditionMatchesExactlyWhatItsMessageLayoutSays) {
    // Without data, with data byte 0 holding each MAC ID in its low six
    // bits, and remote and 29-bit frames, which never match.
    std::vector<CanFrame> frames;
    for (uint32_t id = 0; id < 0x800; ++id) {
        frames.push_back(dataFrame(id));
        frames.push_back(dataFrame(id, {uint8_t(0xC0 | kSource), 0x11}));
        frames.push_back(dataFrame(id, {uint8_t(0x40 | kDestination)}));
        frames.push_back(remoteFrame(id, 1));
        frames.push_back(dataFrame(id, {uint8_t(kSource)}, /*extended=*/1));
    }
    for (const DeviceNetFilterControls& controls : everyKindOfControls()) {
        const FilterCondition condition = buildDeviceNetCondition(controls);
        int mismatches = 0;
        int matches = 0;
        for (const CanFrame& frame : frames) {
            const bool expected = expectedMatch(controls, frame);
            matches += expected;
            if (conditionMatches(frame, condition) != expected && ++mismatches <= 3) {
                ADD_FAILURE() << describe(controls) << ": identifier 0x" << std::hex << frame.identifier
                              << " byte 0 0x" << int(frame.data[0]) << " remote " << frame.remote << " expected "
                              << expected;
            }
        }
        EXPECT_EQ(mismatches, 0) << describe(controls);
        // Every built condition stands for some message the bus can carry,
        // except the MAC ID combinations no message of the group has.
        if (controls.sourceMacId == kAll && controls.destMacId == kAll) {
            EXPECT_GT(matches, 0) << describe(controls);
        }
    }
}

TEST(DeviceNetFilterRules, BuildLoadBuildGivesTheSameCondition) {
    for (const DeviceNetFilterControls& controls : everyKindOfControls()) {
        const FilterCondition built = buildDeviceNetCondition(controls);
        const std::optional<DeviceNetFilterControls> loaded = deviceNetControlsOf(built);
        ASSERT_TRUE(loaded) << describe(controls);
        const FilterCondition rebuilt = buildDeviceNetCondition(*loaded);
        EXPECT_EQ(std::memcmp(&built, &rebuilt, sizeof built), 0) << describe(controls);
        EXPECT_EQ(loaded->method, controls.method) << describe(controls);
        EXPECT_EQ(effectiveGroup(*loaded), effectiveGroup(controls)) << describe(controls);
    }
}

TEST(DeviceNetFilterRules, SlavesExplicitResponseByDescriptionStoresGroup2Message3) {
    const FilterCondition condition =
        buildDeviceNetCondition({DeviceNetMethod::byDescription, 1, kAll, kAll, kAll, /*descriptionEntry=*/6});
    EXPECT_EQ(condition.flags,
              FC_DEVICENET | FC_FRAMEFORMAT | FC_METHOD2 | FC_DN_GROUP2 | FC_DN_MSGID | FC_ENABLED);
    EXPECT_EQ(condition.messageId, 3u);
    EXPECT_EQ(condition.reserved, 0u);
}

TEST(DeviceNetFilterRules, Group4NeverTestsMacIds) {
    for (const DeviceNetMethod method : {DeviceNetMethod::byGroup, DeviceNetMethod::byDescription}) {
        const FilterCondition condition =
            buildDeviceNetCondition({method, 4, 44, kSource, kDestination, /*descriptionEntry=*/13});
        EXPECT_EQ(condition.flags & (FC_DN_SRCMAC | FC_DN_DSTMAC), 0u);
    }
}

TEST(DeviceNetFilterRules, ChangingGroup1To3DropsMessageId12) {
    EXPECT_EQ(messageIdForGroup(12, 3), kAll);
    EXPECT_EQ(messageIdForGroup(6, 3), 6);
    EXPECT_EQ(messageIdForGroup(7, 3), kAll);
    EXPECT_EQ(messageIdForGroup(47, 4), 47);
}

TEST(DeviceNetFilterRules, OnlyDeviceNetConditionsLoadIntoTheControls) {
    EXPECT_FALSE(deviceNetControlsOf(customIdCondition(0x123)));
    EXPECT_FALSE(deviceNetControlsOf(cobIdCondition(0x181)));
    // Matching reads a condition without a group flag as group 4.
    const std::optional<DeviceNetFilterControls> groupless = deviceNetControlsOf(withMessageId(deviceNetCondition(0), 44));
    ASSERT_TRUE(groupless);
    EXPECT_EQ(groupless->group, 4);
    EXPECT_EQ(groupless->messageId, 44);
}
