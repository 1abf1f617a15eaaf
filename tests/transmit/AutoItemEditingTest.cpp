#include "transmit/AutoItemEditing.h"

#include "core/RecordingMessageSink.h"
#include "device/DeviceSettings.h"
#include "filters/FilterFlags.h"
#include "support/Frames.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kAllBytes = 0x3FC00;

// `frame` with `rest` in the data bytes after its length: an item keeps the
// bytes it does not send.
CanFrame withBytesBeyondLength(CanFrame frame, std::initializer_list<uint8_t> rest) {
    std::copy(rest.begin(), rest.end(), frame.data + frame.length);
    return frame;
}

class AutoItemEditing : public ::testing::Test {
protected:
    AutoEntry entry(uint32_t identifier, uint32_t size, std::array<uint32_t, 8> data) {
        DeviceSettings device;
        device.frameType = 2;
        AutoEntry made = openAutoEntry(device);
        made.identifier = identifier;
        made.size = size;
        made.data = data;
        return made;
    }
    bool add(const AutoEntry& made) { return addAutoItem(items, staging, made, dataChanged, messages, &dialog); }

    std::vector<AutoMessageItem> items;
    AutoMessageItem staging;
    std::atomic<bool> dataChanged{false};
    RecordingMessageSink messages;
    AutoListSelection selection;
    const int dialog = 0;
};

TEST_F(AutoItemEditing, NinthAddIsRefusedWithItsMessage) {
    for (uint32_t i = 0; i < 8; ++i)
        ASSERT_TRUE(add(entry(i, 1, {})));
    EXPECT_TRUE(dataChanged);
    EXPECT_FALSE(add(entry(9, 1, {})));
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items.back().frame.identifier, 7u);
    ASSERT_EQ(messages.shown().size(), 1u);
    const Message& message = messages.shown()[0];
    EXPECT_EQ(message.number, 5009);
    EXPECT_EQ(message.text, "Maximun number of data is 8.");
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.owner, &dialog);
    EXPECT_EQ(message.caption, "");
}

TEST_F(AutoItemEditing, AddKeepsThePreviousAddsValuesForWhatWasNotEntered) {
    ASSERT_TRUE(add(entry(0x123, 4, {1, 2, 3, 4, 5, 6, 7, 8})));
    EXPECT_EQ(items[0].flags, FC_CAN | FC_ENABLED | FC_FRAMEFORMAT | FC_ID_CUSTOM | kAllBytes);
    EXPECT_EQ(items[0].frame, withBytesBeyondLength(dataFrame(0x123, {1, 2, 3, 4}, 1), {5, 6, 7, 8}));

    AutoEntry second = entry(0x80000000, 3, {9, 9, 9, 9, 9, 9, 9, 9});
    second.remote = 1;
    second.dataEmpty[2] = true;
    ASSERT_TRUE(add(second));
    EXPECT_EQ(items[1].flags, FC_CAN | FC_ENABLED | FC_FRAMEFORMAT | (kAllBytes & ~FC_DATA2));
    CanFrame expected = withBytesBeyondLength(dataFrame(0x123, {9, 9, 3}, 1), {9, 9, 9, 9, 9});
    expected.remote = 1;
    EXPECT_EQ(items[1].frame, expected);
    EXPECT_EQ(items[0].frame.identifier, 0x123u) << "the first item is a copy";
}

TEST_F(AutoItemEditing, EditRewritesTheSelectedItemAndKeepsItsOtherBits) {
    ASSERT_TRUE(add(entry(0x10, 8, {})));
    ASSERT_TRUE(add(entry(0x20, 8, {})));
    AutoEntry shown = entry(0, 0, {});
    clickAutoList(items, selection, 1, /*onCheckBox=*/true, shown, dataChanged);
    items[1].flags &= ~FC_DATA5;
    dataChanged = false;

    AutoEntry edited = entry(0x30, 2, {0xAA, 0xBB, 0xCC, 0, 0, 0, 0, 0});
    edited.dataEmpty = {false, false, true, true, true, true, true, true};
    editAutoItem(items, selection, edited, dataChanged);
    EXPECT_TRUE(dataChanged);
    EXPECT_EQ(items[1].flags, FC_CAN | FC_FRAMEFORMAT | FC_ID_CUSTOM | (kAllBytes & ~FC_DATA5)) << "still unchecked";
    EXPECT_EQ(items[1].frame, dataFrame(0x30, {0xAA, 0xBB}, 1));
    EXPECT_EQ(items[0].frame.identifier, 0x10u);

    clickAutoList(items, selection, std::nullopt, false, shown, dataChanged);
    editAutoItem(items, selection, entry(0x40, 1, {}), dataChanged);
    EXPECT_EQ(items[1].frame.identifier, 0x30u) << "no selection, no edit";
}

TEST_F(AutoItemEditing, ClickShowsTheItemAndSetsTheButtons) {
    AutoEntry added = entry(0x7F, 3, {0x11, 0x22, 0x33, 0, 0, 0, 0, 0});
    added.dataEmpty = {false, true, false, true, true, true, true, true};
    ASSERT_TRUE(add(added));
    dataChanged = false;

    AutoEntry shown = entry(0, 8, {0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7});
    shown.dataEmpty.fill(true);
    clickAutoList(items, selection, 0, /*onCheckBox=*/false, shown, dataChanged);
    EXPECT_EQ(selection.row, 0u);
    EXPECT_TRUE(selection.editEnabled && selection.deleteEnabled);
    EXPECT_FALSE(dataChanged) << "a plain click changes no item";
    EXPECT_EQ(std::tie(shown.identifier, shown.size, shown.remote), std::make_tuple(0x7Fu, 3u, 0u));
    EXPECT_EQ(shown.data, (std::array<uint32_t, 8>{0x11, 0xE1, 0x33, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7}));
    EXPECT_EQ(shown.dataEmpty, (std::array<bool, 8>{false, true, false, true, true, true, true, true}));

    clickAutoList(items, selection, 0, /*onCheckBox=*/true, shown, dataChanged);
    EXPECT_EQ(items[0].flags & FC_ENABLED, 0u);
    EXPECT_TRUE(dataChanged) << "the check box is saved with the capture";

    clickAutoList(items, selection, std::nullopt, false, shown, dataChanged);
    EXPECT_EQ(selection.row, std::nullopt);
    EXPECT_FALSE(selection.editEnabled);
    EXPECT_TRUE(selection.deleteEnabled) << "only Edit is disabled by a click outside the rows";
}

TEST_F(AutoItemEditing, DeleteRemovesTheSelectedItemOnly) {
    for (uint32_t identifier : {0x1u, 0x2u, 0x3u})
        ASSERT_TRUE(add(entry(identifier, 0, {})));
    AutoEntry shown = entry(0, 0, {});

    clickAutoList(items, selection, std::nullopt, false, shown, dataChanged);
    dataChanged = false;
    deleteAutoItem(items, selection, dataChanged);
    EXPECT_EQ(items.size(), 3u) << "no selected row";
    EXPECT_FALSE(dataChanged);

    clickAutoList(items, selection, 1, false, shown, dataChanged);
    deleteAutoItem(items, selection, dataChanged);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].frame.identifier, 0x3u);
    EXPECT_TRUE(dataChanged);
    EXPECT_EQ(selection.row, std::nullopt);
    EXPECT_FALSE(selection.editEnabled || selection.deleteEnabled);
}

}  // namespace
