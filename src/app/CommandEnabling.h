// CommandEnabling.h: the update rules of the main window's commands: which
// are enabled and which carry a check mark, read from the process-wide flags
// whenever menus and toolbar are refreshed.
#pragma once

struct ProgramState;

// What the windows know beyond the process-wide flags.
struct WindowContext {
    bool documentOpen = false;  // a document window of either kind exists
    bool toolbarVisible = true;
    bool statusBarVisible = true;
    bool gridLines = false;  // of the data list view, when there is one
    int recentFileCount = 0;
    // The active document's automation: Start while it is not sending, Stop
    // while it is.
    bool automationStartEnabled = false;
    bool automationStopEnabled = false;
};

bool isCommandEnabled(int command, const ProgramState& state, const WindowContext& windows);
bool isCommandChecked(int command, const ProgramState& state, const WindowContext& windows);
