// CommandIds.h: the numbers of the main window's commands. Each command's
// status-line prompt is the string-table entry of the same number.
#pragma once

namespace command {

constexpr int kNew = 57600;
constexpr int kOpen = 57601;
constexpr int kClose = 57602;
constexpr int kSave = 57603;
constexpr int kSaveAs = 57604;
constexpr int kPrintSetup = 57606;
constexpr int kPrint = 57607;
constexpr int kPrintPreview = 57609;
constexpr int kRecentFile1 = 57616;  // to kRecentFile1 + kRecentFileCount - 1
constexpr int kRecentFileCount = 4;
constexpr int kAbout = 57664;
constexpr int kExit = 57665;
constexpr int kToolbar = 59392;
constexpr int kStatusBar = 59393;

constexpr int kExport = 32788;
constexpr int kCapture = 32789;
constexpr int kStop = 32790;
constexpr int kManualMessage = 32791;
constexpr int kClearAll = 32793;
constexpr int kAutoConfigure = 32794;
constexpr int kAutoStart = 32795;
constexpr int kAutoStop = 32796;
constexpr int kSetup = 32797;
constexpr int kProtocolCan = 32799;
constexpr int kProtocolDeviceNet = 32800;
constexpr int kProtocolCanopen = 32801;
constexpr int kFilter = 32802;
constexpr int kDeviceInformation = 32803;
constexpr int kZoom = 32804;
constexpr int kChartXT = 32806;
constexpr int kChartYT = 32807;
constexpr int kChartXY = 32808;
constexpr int kFont = 32810;
constexpr int kGridLines = 32811;
constexpr int kLanguage = 32828;
// The Language submenu's entries, one per language found.
constexpr int kLanguageFirst = 28416;
constexpr int kLanguageCount = 256;
constexpr int kHelpTopics = 32830;

}  // namespace command
