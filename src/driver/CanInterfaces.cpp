#include "driver/CanInterfaces.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace vorelin::driver {

namespace {

constexpr int kCanHardwareType = 280;

}  // namespace

std::vector<std::string> canInterfaceNames(const std::string& classNet) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(classNet, error)) {
        std::ifstream typeFile(entry.path() / "type");
        int type = 0;
        if (typeFile >> type && type == kCanHardwareType)
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace vorelin::driver
