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

// executableDir + "/Configure.ini" when we may write there; otherwise
// $XDG_CONFIG_HOME/Vorelin/Configure.ini, so that an installed program in a
// read-only folder can still keep its settings.
std::string configureIniPath(const std::string& executableDir);

// Decimal conversion as profile values get it: leading blanks, one sign,
// digits up to the first non-digit; empty or non-numeric text gives 0, and a
// number beyond 32 bits gives the nearest 32-bit value.
int32_t profileNumber(std::string_view text);

// Only the first 2, 7 and 1 characters of the values count. A missing or
// unreadable file, section or key reads as 0.
StoredDeviceSetup readDeviceSetup(const std::string& path);

// Writes "USB Device" (empty), "Work Mode", "Baud Rate" and "Frame Type"
// (frameType - 1) and keeps every other line of the file; every line is
// written with CR LF, also those a user's editor ended with LF. An existing
// file that cannot be read is not overwritten. The error text is the reason.
Result<std::monostate> writeDeviceSetup(const std::string& path, const DeviceSettings& settings);
