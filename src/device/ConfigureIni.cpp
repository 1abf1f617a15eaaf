#include "device/ConfigureIni.h"

#include "device/DeviceSettings.h"
#include "device/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <limits>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kSection = "DeviceSetup";
constexpr std::string_view kUsbDeviceKey = "USB Device";
constexpr std::string_view kWorkModeKey = "Work Mode";
constexpr std::string_view kBaudRateKey = "Baud Rate";
constexpr std::string_view kFrameTypeKey = "Frame Type";
constexpr std::string_view kFileName = "Configure.ini";

// Only this many leading characters of each value are read; the rest of a
// longer value is ignored, so "12345678" reads as 1234567.
constexpr std::size_t kWorkModeChars = 2;
constexpr std::size_t kBaudRateChars = 7;
constexpr std::size_t kFrameTypeChars = 1;

std::string userConfigDir() {
    // Relative paths in XDG variables are to be ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0')
        return std::string(home) + "/.config";
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && user->pw_dir[0] != '\0')
        return std::string(user->pw_dir) + "/.config";
    return {};
}

int32_t readNumber(const IniFile& file, std::string_view key, std::size_t chars) {
    const auto value = file.value(kSection, key);
    return value ? profileNumber(std::string_view(*value).substr(0, chars)) : 0;
}

}  // namespace

std::string configureIniPath(const std::string& executableDir) { return executableDir + "/" + std::string(kFileName); }

bool isSettingsFileWritable(const std::string& path) {
    const std::string dir = std::filesystem::path(path).parent_path().string();
    struct stat info {};
    if (::stat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || ::access(dir.c_str(), W_OK | X_OK) != 0)
        return false;
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode) && ::access(path.c_str(), W_OK) == 0;
}

SettingsFiles settingsFiles(const std::string& besidePath, bool besideWritable) {
    const std::string configDir = userConfigDir();
    if (besideWritable || configDir.empty())
        return {besidePath, besidePath};
    const std::string userPath = configDir + "/Vorelin/" + std::string(kFileName);
    struct stat info {};
    const bool readBeside = ::stat(userPath.c_str(), &info) != 0 && ::stat(besidePath.c_str(), &info) == 0;
    return {readBeside ? besidePath : userPath, userPath};
}

int32_t profileNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    constexpr int64_t kLimit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    int64_t magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        magnitude = std::min(kLimit, magnitude * 10 + (text[at] - '0'));
    if (negative)
        return int32_t(-magnitude);
    return int32_t(std::min(magnitude, kLimit - 1));
}

StoredDeviceSetup readDeviceSetup(const std::string& path) {
    const auto file = IniFile::load(path);
    if (!file)
        return {};
    return {readNumber(*file, kWorkModeKey, kWorkModeChars), readNumber(*file, kBaudRateKey, kBaudRateChars),
            readNumber(*file, kFrameTypeKey, kFrameTypeChars)};
}

Result<std::monostate> writeDeviceSetup(const SettingsFiles& files, const DeviceSettings& settings) {
    auto file = IniFile::load(files.writePath);
    if (!file)
        return file.error();
    if (files.readPath != files.writePath) {
        // An unreadable source is left behind: only its values are lost, and
        // the dialog showed the defaults in their place.
        if (auto source = IniFile::load(files.readPath))
            file = std::move(source);
    }
    file->setValue(kSection, kUsbDeviceKey, "");
    file->setValue(kSection, kWorkModeKey, std::to_string(settings.workMode));
    file->setValue(kSection, kBaudRateKey, std::to_string(settings.baudRate));
    // Stored as an index; frameType 0 (no selection) is written as -1.
    file->setValue(kSection, kFrameTypeKey, std::to_string(int64_t(settings.frameType) - 1));
    return file->save(files.writePath);
}
