// DeviceSettings.h: how the adapter is set up. Capture needs `configured`;
// the entry dialogs take the identifier width from `frameType`.
#pragma once

#include <cstdint>

struct DeviceSettings {
    int32_t workMode = 0;   // 0 "Monitor ACK mode", 1 "Monitor Non-ACK mode"
    int32_t baudRate = 0;   // kbit/s
    int32_t frameType = 1;  // 1 standard 11-bit, 2 extended 29-bit identifiers
    bool configured = false;  // the adapter accepted these settings
};
