// ConfigureIni.h: the adapter settings file Configure.ini, section
// "DeviceSetup": where it lives, what the Device Setup dialog presets from it
// and what the dialog's OK writes back. Nothing else reads it.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

struct DeviceSettings;

// The three keys the dialog reads, as numbers.
struct StoredDeviceSetup {
    int32_t workMode = 0;        // "Work Mode"
    int32_t baudRateKbps = 0;    // "Baud Rate"
    int32_t frameTypeIndex = 0;  // "Frame Type": 0 standard, 1 extended
};

// executableDir + "/Configure.ini", the settings file's home. Whether it can
// be written is decided each time the settings are used (settingsFiles).
std::string configureIniPath(const std::string& executableDir);

// Where Device Setup reads the settings and where its OK writes them.
struct SettingsFiles {
    std::string readPath;
    std::string writePath;
};

// Whether OK may replace `path`: its folder can be written and the file is
// missing or a regular file that can be written.
bool isSettingsFileWritable(const std::string& path);

// `besidePath` for both when it can be written. Otherwise OK writes
// $XDG_CONFIG_HOME/Vorelin/Configure.ini, so that an installed program in a
// read-only folder still keeps its settings; that file is read once it
// exists, and before that a file at `besidePath`, so that a read-only file
// there still presets the dialog. Without any home both stay `besidePath`,
// and the save fails and says so rather than writing elsewhere.
SettingsFiles settingsFiles(const std::string& besidePath, bool besideWritable);
inline SettingsFiles settingsFiles(const std::string& besidePath) {
    return settingsFiles(besidePath, isSettingsFileWritable(besidePath));
}

// Decimal conversion as profile values get it: leading blanks, one sign,
// digits up to the first non-digit; empty or non-numeric text gives 0, and a
// number beyond 32 bits gives the nearest 32-bit value.
int32_t profileNumber(std::string_view text);

// Only the first 2, 7 and 1 characters of the values count. A missing or
// unreadable file, section or key reads as 0.
StoredDeviceSetup readDeviceSetup(const std::string& path);

// Writes "USB Device" (empty), "Work Mode", "Baud Rate" and "Frame Type"
// (frameType - 1) to the write path and keeps every other line of the file;
// the first save away from the file that was read takes that file's other
// lines along. Every line is written with CR LF, also those a user's editor
// ended with LF. An existing file that cannot be read (see IniFile::load) is
// not overwritten. The error text is the reason.
Result<std::monostate> writeDeviceSetup(const SettingsFiles& files, const DeviceSettings& settings);
