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

std::string groupedByThousands(uint64_t number) {
    std::string digits = std::to_string(number);
    for (auto at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return digits;
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

std::string messagePaneText(uint64_t framesLost) {
    if (framesLost == 0)
        return tableString(strings::kIdlePrompt);
    return strings::format(framesLost == 1 ? strings::kOneFrameLost : strings::kFramesLost,
                           {groupedByThousands(framesLost)});
}
