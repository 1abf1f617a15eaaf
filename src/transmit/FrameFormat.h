// FrameFormat.h: whether the frames the two send dialogs build are Standard
// or Extend. Neither dialog lets the user choose: the adapter settings do.
#pragma once

#include "device/DeviceSettings.h"

#include <cstdint>

// The `extended` byte of a built frame: 0 Standard, 1 Extend. Only frameType
// 1 means Standard, as the entry fields and the status bar read it; taking
// frameType - 1 instead would send 0xFF after a Device Setup OK that chose no
// frame type (frameType 0), a frame no adapter accepts.
inline uint8_t frameFormatOf(const DeviceSettings& device) { return device.frameType == 1 ? 0 : 1; }
