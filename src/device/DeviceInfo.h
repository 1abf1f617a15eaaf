// DeviceInfo.h: what the Device Information dialog shows: the adapter's own
// report of its state, baud rate and firmware (GetKESHInfo), as field texts.
// The report comes from the adapter, not from DeviceSettings; the two can differ.
#pragma once

#include <string>

class MessageSink;

struct DeviceInfoTexts {
    std::string status;    // "Run" or "Stop"
    std::string baudRate;  // kbit/s
    std::string firmware;  // "V1.05"
};

// Asks the adapter. When it does not answer, tells the user (message 5025,
// an application box) and answers three empty texts.
DeviceInfoTexts readDeviceInfo(MessageSink& messages);
