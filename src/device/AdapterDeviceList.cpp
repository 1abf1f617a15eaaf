#include "device/AdapterDeviceList.h"

#include "driver/KeshApi.h"

#include <algorithm>

using vorelin::driver::DeviceChoice;

namespace {

int indexOf(const std::vector<std::string>& entries, const std::string& name) {
    const auto found = std::find(entries.begin(), entries.end(), name);
    return found == entries.end() ? -1 : int(found - entries.begin());
}

}  // namespace

AdapterDeviceList polledDeviceList(const AdapterDeviceList& shown, bool answers,
                                   const std::vector<DeviceChoice>& choices, const std::string& modelName) {
    AdapterDeviceList polled;
    if (!answers)
        return polled;
    if (choices.empty()) {
        polled.entries = {modelName};
        polled.selected = 0;
        return polled;
    }
    std::string inUse;
    for (const DeviceChoice& choice : choices) {
        polled.entries.push_back(choice.name);
        if (choice.inUse)
            inUse = choice.name;
    }
    if (polled.entries == shown.entries)
        return shown;
    const std::string wasChosen =
        shown.selected >= 0 && std::size_t(shown.selected) < shown.entries.size() ? shown.entries[std::size_t(shown.selected)] : "";
    polled.selected = indexOf(polled.entries, wasChosen);
    if (polled.selected < 0)
        polled.selected = indexOf(polled.entries, inUse);
    return polled;
}

Result<std::monostate> switchToChosenDevice(const std::vector<DeviceChoice>& choices, const std::string& chosen) {
    const auto choice =
        std::find_if(choices.begin(), choices.end(), [&](const DeviceChoice& each) { return each.name == chosen; });
    if (choice == choices.end() || choice->inUse)
        return std::monostate{};
    auto backend = vorelin::driver::makeBackend(choice->selector);
    if (!backend)
        return backend.error();
    std::shared_ptr<vorelin::driver::Backend> chosenBackend = std::move(*backend);
    std::shared_ptr<vorelin::driver::Backend> previous = vorelin::driver::currentBackend();
    vorelin::driver::installBackend(chosenBackend);
    if (KESH_INIT() != 0)
        return std::monostate{};
    // A device that does not open leaves the adapter as it was.
    vorelin::driver::installBackend(std::move(previous));
    return makeError(chosenBackend->failureReason());
}
