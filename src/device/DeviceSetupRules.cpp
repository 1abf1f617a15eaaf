#include "device/DeviceSetupRules.h"

#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "device/DeviceSettings.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int32_t, 9> kBaudRatesKbps = {10, 20, 50, 100, 125, 250, 500, 800, 1000};
constexpr int32_t kDefaultBaudRateKbps = 500;  // what a file without a baud rate selects
constexpr int kListChoices = 2;                // entries of Work Mode and of Frame Type

std::optional<int> fixedIndex(int32_t value) {
    if (value < 0 || value >= kListChoices)
        return std::nullopt;
    return int(value);
}

}  // namespace

SetupListsPreset presetSetupLists(const StoredDeviceSetup& stored) {
    SetupListsPreset preset;
    preset.workModeIndex = fixedIndex(stored.workMode);
    preset.frameTypeIndex = fixedIndex(stored.frameTypeIndex);
    for (int32_t rate : kBaudRatesKbps)
        preset.baudRateEntries.push_back(std::to_string(rate));
    const int32_t wanted = stored.baudRateKbps == 0 ? kDefaultBaudRateKbps : stored.baudRateKbps;
    const auto fixed = std::find(kBaudRatesKbps.begin(), kBaudRatesKbps.end(), wanted);
    if (fixed != kBaudRatesKbps.end()) {
        preset.baudRateIndex = int(fixed - kBaudRatesKbps.begin());
    } else {
        preset.baudRateEntries.push_back(std::to_string(wanted));
        preset.baudRateIndex = int(kBaudRatesKbps.size());
    }
    return preset;
}

DeviceSettings chosenSettings(const SetupSelection& selection, const StoredDeviceSetup& stored) {
    DeviceSettings settings;
    settings.workMode = selection.workModeIndex >= 0 ? selection.workModeIndex : stored.workMode;
    const bool fixedRate = selection.baudRateIndex >= 0 && selection.baudRateIndex < int(kBaudRatesKbps.size());
    settings.baudRate = fixedRate ? kBaudRatesKbps[std::size_t(selection.baudRateIndex)]
                                  : profileNumber(selection.baudRateText);
    settings.frameType = selection.frameTypeIndex + 1;
    return settings;
}

Message setupRefusedMessage(const void* owner, const std::string& reason) {
    const std::string caption(strings::text(strings::kSetupCaption));
    if (reason.empty())
        return dialogMessage(owner, strings::kSetupFailed, MessageIcon::Stop, caption);
    Message refused = dialogMessage(owner, strings::kSetupRefused, MessageIcon::Stop, caption);
    refused.text = strings::format(strings::kSetupRefused, {reason});
    return refused;
}

bool applyDeviceSetup(const DeviceSettings& chosen, DeviceSettings& device, bool& autoDataLoaded,
                      const ConfigureAdapter& configureAdapter, const SettingsFiles& files, MessageSink& messages,
                      const void* owner) {
    autoDataLoaded = false;
    device.workMode = chosen.workMode;
    device.baudRate = chosen.baudRate;
    device.frameType = chosen.frameType;

    const std::string caption(strings::text(strings::kSetupCaption));
    const auto configured = configureAdapter(device);
    const bool accepted = configured.hasValue();
    if (accepted) {
        device.configured = true;
    } else {
        messages.show(setupRefusedMessage(owner, configured.error().text));
    }

    // Written even when the adapter refused, so the next opening shows this choice.
    const auto written = writeDeviceSetup(files, device);
    if (!written) {
        Message notSaved = dialogMessage(owner, strings::kSettingsNotSaved, MessageIcon::Stop, caption);
        notSaved.text = strings::format(strings::kSettingsNotSaved, {files.writePath, written.error().text});
        messages.show(notSaved);
    } else if (files.writePath != files.readPath) {
        // The file the dialog was preset from stays as it was; say where its successor is.
        Message savedElsewhere =
            dialogMessage(owner, strings::kSettingsSavedElsewhere, MessageIcon::Information, caption);
        savedElsewhere.text = strings::format(strings::kSettingsSavedElsewhere, {files.writePath, files.readPath});
        messages.show(savedElsewhere);
    }
    return accepted;
}
