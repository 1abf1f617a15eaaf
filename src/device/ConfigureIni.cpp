#include "device/ConfigureIni.h"

#include "device/DeviceSettings.h"
#include "device/IniFile.h"

#include <cerrno>
#include <algorithm>
#include <cstdlib>
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

bool isDirectoryWritable(const std::string& dir) {
    struct stat info {};
    if (::stat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || ::access(dir.c_str(), W_OK | X_OK) != 0)
        return false;
    const std::string file = dir + "/" + std::string(kFileName);
    if (::stat(file.c_str(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode) && ::access(file.c_str(), W_OK) == 0;
}

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

std::string configureIniPath(const std::string& executableDir) {
    const std::string beside = executableDir + "/" + std::string(kFileName);
    if (isDirectoryWritable(executableDir))
        return beside;
    const std::string configDir = userConfigDir();
    // Without any home the save fails and says so, rather than writing elsewhere.
    return configDir.empty() ? beside : configDir + "/Vorelin/" + std::string(kFileName);
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

Result<std::monostate> writeDeviceSetup(const std::string& path, const DeviceSettings& settings) {
    auto file = IniFile::load(path);
    if (!file)
        return file.error();
    file->setValue(kSection, kUsbDeviceKey, "");
    file->setValue(kSection, kWorkModeKey, std::to_string(settings.workMode));
    file->setValue(kSection, kBaudRateKey, std::to_string(settings.baudRate));
    // Stored as an index; frameType 0 (no selection) is written as -1.
    file->setValue(kSection, kFrameTypeKey, std::to_string(int64_t(settings.frameType) - 1));
    return file->save(path);
}
