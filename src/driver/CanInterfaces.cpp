#include "driver/CanInterfaces.h"

#include "driver/CanNetlink.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace vorelin::driver {

namespace {

constexpr int kCanHardwareType = 280;
constexpr uint32_t kBitsPerKbit = 1000;

std::string interfaceState(const std::string& name) {
    const auto link = readCanLink(name);
    if (!link)
        return "CAN interface";
    std::string text = (link->isController() || link->kind.empty() ? "CAN" : link->kind) + " interface, " +
                       (link->up ? "up" : "down");
    if (link->bitrate > 0)
        text += ", " + std::to_string(link->bitrate / kBitsPerKbit) + " kbit/s";
    if (link->listenOnly)
        text += ", listen-only";
    return text;
}

// can2 before can10, ttyACM2 before ttyACM10.
bool naturalOrder(const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

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
    std::sort(names.begin(), names.end(), naturalOrder);
    return names;
}

std::vector<FoundAdapter> findAdapters(const std::string& classNet, const std::string& devices) {
    std::vector<FoundAdapter> found;
    for (const std::string& name : canInterfaceNames(classNet))
        found.push_back({"socketcan:" + name, interfaceState(name)});
    std::vector<std::string> lines;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(devices, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("ttyACM") || name.starts_with("ttyUSB"))
            lines.push_back(name);
    }
    std::sort(lines.begin(), lines.end(), naturalOrder);
    for (const std::string& line : lines)
        found.push_back({"slcan:" + (std::filesystem::path(devices) / line).string(), "USB serial line"});
    return found;
}

}  // namespace vorelin::driver
