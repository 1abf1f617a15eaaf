// StatusPanes.h: the texts of the status bar's panes (the message pane, then
// Protocol, Frame and Baud Rate), refreshed on every tick of the main window.
#pragma once

#include <cstdint>
#include <string>

struct DeviceSettings;
enum class Protocol : int;

struct StatusPaneTexts {
    std::string protocol;
    std::string frame;
    std::string baudRate;
};

// The captions the panes show before their first refresh.
StatusPaneTexts initialStatusPaneTexts();

// With no protocol chosen the Protocol pane keeps what it showed.
StatusPaneTexts refreshedStatusPaneTexts(const StatusPaneTexts& shown, Protocol protocol, const DeviceSettings& device);

// "Ready", or how many frames the capture lost, grouped by thousands
// ("1,658 frames lost").
std::string messagePaneText(uint64_t framesLost);
