// The status panes, the menus and the toolbar as the user reads them.
#include "app/CommandIds.h"
#include "app/CommandTexts.h"
#include "app/MenuModel.h"
#include "app/StatusPanes.h"
#include "core/StringTable.h"
#include "device/DeviceSettings.h"
#include "protocol/Protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> topMenuTexts(MenuSet set) {
    std::vector<std::string> texts;
    for (const MenuItem& menu : menuBar(set))
        texts.emplace_back(strings::text(menu.text));
    return texts;
}

const MenuItem* findCommand(const std::vector<MenuItem>& items, int number) {
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::command && item.command == number)
            return &item;
        if (const MenuItem* found = findCommand(item.items, number))
            return found;
    }
    return nullptr;
}

}  // namespace

TEST(StatusPanes, BeforeSetupTheyShowTheirCaptionsThenStandardAndNull) {
    const StatusPaneTexts initial = initialStatusPaneTexts();
    EXPECT_EQ(initial.protocol, "Protocol");
    EXPECT_EQ(initial.frame, "Frame");
    EXPECT_EQ(initial.baudRate, "Baud Rate");

    const StatusPaneTexts refreshed = refreshedStatusPaneTexts(initial, Protocol::none, DeviceSettings{});
    EXPECT_EQ(refreshed.protocol, "Protocol") << "no protocol keeps the pane's text";
    EXPECT_EQ(refreshed.frame, "Standard");
    EXPECT_EQ(refreshed.baudRate, "NULL");
}

TEST(StatusPanes, ConfiguredDeviceShowsItsBaudRateAndFrameType) {
    DeviceSettings device;
    device.baudRate = 250;
    device.frameType = 2;
    device.configured = true;
    const StatusPaneTexts shown = refreshedStatusPaneTexts(initialStatusPaneTexts(), Protocol::canopen, device);
    EXPECT_EQ(shown.protocol, "CANopen");
    EXPECT_EQ(shown.frame, "Extend");
    EXPECT_EQ(shown.baudRate, "250kbps");

    device.frameType = 0;  // anything but 1 is Extend
    EXPECT_EQ(refreshedStatusPaneTexts(shown, Protocol::none, device).frame, "Extend");
    EXPECT_EQ(refreshedStatusPaneTexts(shown, Protocol::none, device).protocol, "CANopen")
        << "closing the list leaves the last protocol shown";
    EXPECT_EQ(refreshedStatusPaneTexts(shown, Protocol::deviceNet, device).protocol, "DeviceNet");
}

TEST(MenuModel, FunctionsExistOnlyWhileADocumentIsOpen) {
    EXPECT_EQ(topMenuTexts(MenuSet::noDocument), (std::vector<std::string>{"&File", "&View", "&Options", "&Help"}));
    EXPECT_EQ(topMenuTexts(MenuSet::document),
              (std::vector<std::string>{"&File", "&View", "&Options", "F&unctions", "&Help"}));
    for (int number : {command::kCapture, command::kSetup, command::kClose, command::kZoom, command::kExport})
        EXPECT_EQ(findCommand(menuBar(MenuSet::noDocument), number), nullptr) << number;
    EXPECT_NE(findCommand(menuBar(MenuSet::noDocument), command::kLanguage), nullptr);
}

// The string table keeps a caption and its shortcut in one text, split at a TAB.
TEST(MenuModel, CaptionsCarryTheirShortcuts) {
    const struct {
        int command;
        const char* text;
        const char* shortcut;
    } rows[] = {
        {command::kNew, "&New...", "Ctrl+N"},
        {command::kFilter, "&Filter... ", "Ctrl+F"},
        {command::kCapture, "&Capture", "Ctrl+F2"},
        {command::kClearAll, "Clear &All", "Ctrl+Del"},
        {command::kAutoStop, "Sto&p", "Ctrl+Alt+T"},
        {command::kGridLines, "&GridLines", ""},
    };
    for (const auto& row : rows) {
        const MenuItem* item = findCommand(menuBar(MenuSet::document), row.command);
        ASSERT_NE(item, nullptr) << row.command;
        const MenuCaption caption = splitMenuCaption(strings::text(item->text));
        EXPECT_EQ(caption.text, row.text);
        EXPECT_EQ(caption.shortcut, row.shortcut);
    }
}

TEST(CommandTexts, PromptsAndTooltipsSplitAtTheLineBreak) {
    EXPECT_EQ(commandPrompt(command::kManualMessage), "Send message manually");
    EXPECT_EQ(commandTooltip(command::kManualMessage), "Manual");
    EXPECT_EQ(commandTooltip(command::kAutoStop), "Stop ");
    EXPECT_EQ(commandPrompt(command::kSetup), "Setup the device to the appropriate status");
    EXPECT_EQ(commandTooltip(command::kSetup), "") << "a prompt without a line break has no tooltip";
    EXPECT_EQ(commandPrompt(1), "") << "a number with no entry has no prompt";
}
