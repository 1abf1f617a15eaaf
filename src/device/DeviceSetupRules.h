// DeviceSetupRules.h: what the Device Setup dialog shows and what its OK
// does, as plain functions: the lists preset from the settings file, the
// settings the lists give at OK, and applying them to the adapter and file.
#pragma once

#include "base/Result.h"
#include "device/ConfigureIni.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class MessageSink;
struct Message;
struct DeviceSettings;

// Entries and selections of the Work Mode, Baud Rate and Frame Type lists
// (both fixed entry lists of Work Mode and Frame Type have two entries).
struct SetupListsPreset {
    std::optional<int> workModeIndex;
    std::vector<std::string> baudRateEntries;  // nine fixed, plus one for a value not among them
    int baudRateIndex = 0;
    std::optional<int> frameTypeIndex;
};

SetupListsPreset presetSetupLists(const StoredDeviceSetup& stored);

// What the lists hold when OK is pressed; an index of -1 means no selection.
struct SetupSelection {
    int workModeIndex = -1;
    int baudRateIndex = -1;
    std::string baudRateText;  // the Baud Rate list's displayed text
    int frameTypeIndex = -1;
};

// The settings OK applies. Work mode falls back to the value read at
// opening; a baud rate outside the fixed entries is the displayed text as a
// number; frame type is the index plus one, so no selection gives 0.
// `configured` is left false: only the adapter can grant it.
DeviceSettings chosenSettings(const SetupSelection& selection, const StoredDeviceSetup& stored);

// Calls SetKESH with the settings. A refusal's text is the adapter's reason,
// empty where it cannot tell one.
using ConfigureAdapter = std::function<Result<std::monostate>(const DeviceSettings& settings)>;

// The box of an adapter that refused: strings::kSetupFailed, or
// strings::kSetupRefused with the adapter's reason where it gives one.
Message setupRefusedMessage(const void* owner, const std::string& reason);

// OK: clears autoDataLoaded (downloaded automation frames count as lost),
// stores `chosen` in `device`, configures the adapter (a refusal shows
// setupRefusedMessage), and writes the file
// whether or not the adapter accepted. A file that cannot be written, or
// must not be (see writeDeviceSetup), is reported (strings::kSettingsNotSaved)
// and left alone; settings saved elsewhere than where they were read say
// where (strings::kSettingsSavedElsewhere). Messages are owned by `owner`,
// the dialog. True when the dialog closes, that is when the adapter
// accepted; `configured` is set only then and never cleared here.
bool applyDeviceSetup(const DeviceSettings& chosen, DeviceSettings& device, bool& autoDataLoaded,
                      const ConfigureAdapter& configureAdapter, const SettingsFiles& files, MessageSink& messages,
                      const void* owner);
