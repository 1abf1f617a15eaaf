#include "app/StatusPanes.h"

#include "core/StringTable.h"
#include "device/DeviceSettings.h"
#include "protocol/Protocol.h"

namespace {

std::string tableString(int number) { return std::string(strings::text(number)); }

std::string protocolPaneText(Protocol protocol, const std::string& shown) {
    switch (protocol) {
    case Protocol::can:
        return tableString(strings::kProtocolCan);
    case Protocol::deviceNet:
        return tableString(strings::kProtocolDeviceNet);
    case Protocol::canopen:
        return tableString(strings::kProtocolCanopen);
    default:
        return shown;
    }
}

std::string baudRatePaneText(const DeviceSettings& device) {
    if (!device.configured)
        return tableString(strings::kBaudRateUnknown);
    return strings::format(strings::kBaudRateKbps, {std::to_string(device.baudRate)});
}

}  // namespace

StatusPaneTexts initialStatusPaneTexts() {
    return {tableString(strings::kProtocolPane), tableString(strings::kFramePane), tableString(strings::kBaudRatePane)};
}

StatusPaneTexts refreshedStatusPaneTexts(const StatusPaneTexts& shown, Protocol protocol, const DeviceSettings& device) {
    return {protocolPaneText(protocol, shown.protocol),
            tableString(device.frameType == 1 ? strings::kStandardFrames : strings::kExtendedFrames),
            baudRatePaneText(device)};
}
