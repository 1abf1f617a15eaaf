#include "device/DeviceInfo.h"

#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "driver/KeshApi.h"

#include <cstdint>
#include <cstdio>

namespace {

// Only status 1 means running; the adapter may report other codes.
constexpr uint32_t kStatusRunning = 1;

std::string firmwareText(uint32_t version) {
    // Major in bits 8..15, minor in bits 0..7; higher bits carry no version.
    char text[16];
    std::snprintf(text, sizeof text, "V%u.%02u", (version >> 8) & 0xFFu, version & 0xFFu);
    return text;
}

}  // namespace

DeviceInfoTexts readDeviceInfo(MessageSink& messages) {
    uint32_t status = 0, unused1 = 0, unused2 = 0, baudRateKbps = 0, firmware = 0;
    if (GetKESHInfo(&status, &unused1, &unused2, &baudRateKbps, &firmware) == 0) {
        messages.show(applicationMessage(strings::kDeviceCommunicationError, MessageIcon::None));
        return {};
    }
    return {std::string(strings::text(status == kStatusRunning ? strings::kDeviceRunning : strings::kDeviceStopped)),
            // Unsigned: a rate never reads as negative, however large the adapter reports it.
            std::to_string(baudRateKbps), firmwareText(firmware)};
}
