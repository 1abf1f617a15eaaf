#include "app/CommandEnabling.h"

#include "app/CommandIds.h"
#include "document/ProgramState.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Every command of the menus, for sweeping the rules.
const int kAllCommands[] = {
    command::kNew, command::kOpen, command::kClose, command::kSave, command::kSaveAs, command::kPrintSetup,
    command::kPrint, command::kPrintPreview, command::kAbout, command::kExit, command::kToolbar, command::kStatusBar,
    command::kExport, command::kCapture, command::kStop, command::kManualMessage, command::kClearAll,
    command::kAutoConfigure, command::kAutoStart, command::kAutoStop, command::kSetup, command::kProtocolCan,
    command::kProtocolDeviceNet, command::kProtocolCanopen, command::kFilter, command::kDeviceInformation,
    command::kZoom, command::kChartXT, command::kChartYT, command::kChartXY, command::kFont, command::kGridLines,
    command::kLanguage, command::kHelpTopics};

std::set<int> enabledCommands(const ProgramState& state, const WindowContext& windows) {
    std::set<int> enabled;
    for (int number : kAllCommands) {
        if (isCommandEnabled(number, state, windows))
            enabled.insert(number);
    }
    return enabled;
}

class CommandEnablingTest : public ::testing::Test {
protected:
    void openDataList(Protocol protocol) {
        state.dataListOpen = true;
        state.protocol = protocol;
        windows.documentOpen = true;
    }
    ProgramState state;
    WindowContext windows;
};

}  // namespace

TEST_F(CommandEnablingTest, WithoutADocumentOnlyTheApplicationCommandsWork) {
    EXPECT_EQ(enabledCommands(state, windows),
              (std::set<int>{command::kNew, command::kOpen, command::kPrintSetup, command::kExit, command::kToolbar,
                             command::kStatusBar, command::kLanguage, command::kHelpTopics, command::kAbout}));
}

TEST_F(CommandEnablingTest, IdleDataListCanCaptureButNotStop) {
    openDataList(Protocol::can);
    const std::set<int> enabled = enabledCommands(state, windows);
    for (int number : {command::kCapture, command::kClearAll, command::kSetup, command::kDeviceInformation,
                       command::kClose, command::kFont, command::kGridLines, command::kProtocolDeviceNet,
                       command::kProtocolCanopen, command::kSave, command::kSaveAs, command::kExport,
                       command::kPrint, command::kPrintPreview, command::kFilter, command::kLanguage})
        EXPECT_TRUE(enabled.count(number)) << number;
    for (int number : {command::kStop, command::kProtocolCan, command::kZoom, command::kChartXT})
        EXPECT_FALSE(enabled.count(number)) << number;
}

TEST_F(CommandEnablingTest, PrintingNeedsTheDataList) {
    // The chart's placeholder window prints nothing.
    state.chartOpen = true;
    windows.documentOpen = true;
    for (int number : {command::kPrint, command::kPrintPreview})
        EXPECT_FALSE(isCommandEnabled(number, state, windows)) << number;
    EXPECT_TRUE(isCommandEnabled(command::kPrintSetup, state, windows));
}

TEST_F(CommandEnablingTest, CapturingSwapsCaptureAndStop) {
    openDataList(Protocol::canopen);
    state.capture.capturing = true;
    EXPECT_FALSE(isCommandEnabled(command::kCapture, state, windows));
    EXPECT_TRUE(isCommandEnabled(command::kStop, state, windows));
    EXPECT_TRUE(isCommandEnabled(command::kClearAll, state, windows)) << "Clear All works in both states";
}

TEST_F(CommandEnablingTest, TheCurrentProtocolIsTheOneDisabled) {
    openDataList(Protocol::deviceNet);
    EXPECT_TRUE(isCommandEnabled(command::kProtocolCan, state, windows));
    EXPECT_FALSE(isCommandEnabled(command::kProtocolDeviceNet, state, windows));
    EXPECT_TRUE(isCommandEnabled(command::kProtocolCanopen, state, windows));
}

TEST_F(CommandEnablingTest, ChartModesNeedAChartAndExcludeTheCurrentMode) {
    openDataList(Protocol::can);
    for (int number : {command::kChartXT, command::kChartYT, command::kChartXY})
        EXPECT_FALSE(isCommandEnabled(number, state, windows)) << "no chart open: " << number;
    state.chartOpen = true;
    state.chartMode = kChartModeYT;
    EXPECT_TRUE(isCommandEnabled(command::kChartXT, state, windows));
    EXPECT_FALSE(isCommandEnabled(command::kChartYT, state, windows));
    EXPECT_TRUE(isCommandEnabled(command::kChartXY, state, windows));
    EXPECT_FALSE(isCommandEnabled(command::kZoom, state, windows)) << "Zoom never works";
}

TEST_F(CommandEnablingTest, RecentFileEntriesFollowTheList) {
    windows.recentFileCount = 2;
    EXPECT_TRUE(isCommandEnabled(command::kRecentFile1, state, windows));
    EXPECT_TRUE(isCommandEnabled(command::kRecentFile1 + 1, state, windows));
    EXPECT_FALSE(isCommandEnabled(command::kRecentFile1 + 2, state, windows));
}

TEST_F(CommandEnablingTest, CheckMarksShowToolbarStatusBarAndGridLines) {
    windows.toolbarVisible = false;
    windows.statusBarVisible = true;
    windows.gridLines = true;
    EXPECT_FALSE(isCommandChecked(command::kToolbar, state, windows));
    EXPECT_TRUE(isCommandChecked(command::kStatusBar, state, windows));
    EXPECT_TRUE(isCommandChecked(command::kGridLines, state, windows));
    EXPECT_FALSE(isCommandChecked(command::kProtocolCan, state, windows));
}
