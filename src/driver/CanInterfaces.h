// CanInterfaces.h: the CAN adapters this machine has: the CAN network
// interfaces the kernel lists under /sys/class/net (hardware type 280), and
// the USB serial lines an slcan adapter could be on.
#pragma once

#include "driver/DriverExport.h"

#include <string>
#include <vector>

namespace vorelin::driver {

// Their names, shorter first (can2 before can10), else alphabetically; `classNet` is the folder to look in.
KESH_EXPORT_CPP std::vector<std::string> canInterfaceNames(const std::string& classNet = "/sys/class/net");

struct FoundAdapter {
    std::string selector;     // "socketcan:can0", "slcan:/dev/ttyACM0"
    std::string description;  // its kind and state in a few words
};

// The CAN interfaces with their state (up or down, bit rate, listen-only),
// then the USB serial lines (ttyACM*, ttyUSB*) in `devices`, which may or
// may not have an slcan adapter on them: only opening one tells.
KESH_EXPORT_CPP std::vector<FoundAdapter> findAdapters(const std::string& classNet = "/sys/class/net",
                                                       const std::string& devices = "/dev");

}  // namespace vorelin::driver
