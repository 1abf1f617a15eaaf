// CanInterfaces.h: the CAN network interfaces this machine has, as the
// kernel lists them under /sys/class/net (hardware type 280, ARPHRD_CAN).
#pragma once

#include "driver/DriverExport.h"

#include <string>
#include <vector>

namespace vorelin::driver {

// Their names in alphabetical order; `classNet` is the folder to look in.
KESH_EXPORT_CPP std::vector<std::string> canInterfaceNames(const std::string& classNet = "/sys/class/net");

}  // namespace vorelin::driver
