// IniFileFuzz: feeds arbitrary text to the settings-file reader, then sets a
// key the way Device Setup does: the key must read back, also after the
// changed text is read again, whatever else the file held.
#include "device/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IniFile file = IniFile::parse(text);
    file.value("DeviceSetup", "Baud Rate");
    file.setValue("DeviceSetup", "Baud Rate", "333");
    if (file.value("DeviceSetup", "Baud Rate") != "333")
        std::abort();
    if (IniFile::parse(file.text()).value("DeviceSetup", "Baud Rate") != "333")
        std::abort();
    return 0;
}
