#include "app/CommandEnabling.h"

#include "app/CommandIds.h"
#include "core/CaptureCommands.h"
#include "document/ProgramState.h"

namespace {

bool isChartModeEnabled(const ProgramState& state, int mode) { return state.chartOpen && state.chartMode != mode; }

bool isProtocolEnabled(const ProgramState& state, Protocol protocol) {
    return state.dataListOpen && state.protocol != protocol;
}

}  // namespace

bool isCommandEnabled(int command, const ProgramState& state, const WindowContext& windows) {
    if (command >= command::kRecentFile1 && command < command::kRecentFile1 + command::kRecentFileCount)
        return command - command::kRecentFile1 < windows.recentFileCount;
    switch (command) {
    case command::kNew:
    case command::kOpen:
    case command::kPrintSetup:
    case command::kExit:
    case command::kToolbar:
    case command::kStatusBar:
    case command::kLanguage:
    case command::kHelpTopics:
    case command::kAbout:
        return true;
    case command::kClose:
    case command::kSetup:
    case command::kDeviceInformation:
    case command::kManualMessage:
    case command::kAutoConfigure:
        return windows.documentOpen;
    case command::kAutoStart:
        return windows.documentOpen && windows.automationStartEnabled;
    case command::kAutoStop:
        return windows.documentOpen && windows.automationStopEnabled;
    case command::kProtocolCan:
        return isProtocolEnabled(state, Protocol::can);
    case command::kProtocolDeviceNet:
        return isProtocolEnabled(state, Protocol::deviceNet);
    case command::kProtocolCanopen:
        return isProtocolEnabled(state, Protocol::canopen);
    case command::kChartXT:
        return isChartModeEnabled(state, kChartModeXT);
    case command::kChartYT:
        return isChartModeEnabled(state, kChartModeYT);
    case command::kChartXY:
        return isChartModeEnabled(state, kChartModeXY);
    case command::kFont:
        return state.dataListOpen || state.chartOpen;
    case command::kGridLines:
    case command::kClearAll:
    case command::kSave:
    case command::kSaveAs:
    case command::kExport:
    case command::kPrint:
    case command::kPrintPreview:
    case command::kFilter:
        return state.dataListOpen;
    case command::kCapture:
        return state.dataListOpen && isCaptureEnabled(state.capture);
    case command::kStop:
        return state.dataListOpen && isStopEnabled(state.capture);
    default:
        // Zoom has no handler anywhere; the other commands arrive with the
        // dialogs that carry them out.
        return false;
    }
}

bool isCommandChecked(int command, const ProgramState&, const WindowContext& windows) {
    switch (command) {
    case command::kToolbar:
        return windows.toolbarVisible;
    case command::kStatusBar:
        return windows.statusBarVisible;
    case command::kGridLines:
        return windows.gridLines;
    default:
        return false;
    }
}
