// AdapterDeviceList.h: Device Setup's USB Device list. It names the adapter
// model while the adapter answers, or, for an adapter that can use one of
// several devices (a CAN interface of the kernel), lists those the machine
// has, and OK switches to the one chosen before the settings apply.
#pragma once

#include "base/Result.h"
#include "driver/Backend.h"

#include <string>
#include <variant>
#include <vector>

struct AdapterDeviceList {
    std::vector<std::string> entries;
    int selected = -1;
    bool operator==(const AdapterDeviceList&) const = default;
};

// The list after a poll of the adapter. `shown` is the list as it stands,
// kept as it is while the devices are the same, so that the user's choice
// survives the poll; a changed list keeps that choice where it still exists,
// else selects the device in use.
AdapterDeviceList polledDeviceList(const AdapterDeviceList& shown, bool answers,
                                   const std::vector<vorelin::driver::DeviceChoice>& choices,
                                   const std::string& modelName);

// Makes the adapter use the chosen device when it is another than the one in
// use: the backend of its selector replaces the current one and is opened.
// The error is the reason it could not be; the adapter is then left as it was.
Result<std::monostate> switchToChosenDevice(const std::vector<vorelin::driver::DeviceChoice>& choices,
                                            const std::string& chosen);
