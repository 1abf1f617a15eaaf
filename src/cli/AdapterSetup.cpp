#include "cli/AdapterSetup.h"

#include "driver/Backend.h"
#include "driver/KeshApi.h"

#include <string>

namespace {
constexpr uint32_t kStandardFrames = 1;
constexpr uint32_t kMonitorAckMode = 0;
}  // namespace

Result<std::monostate> setUpAdapter(std::shared_ptr<vorelin::driver::Backend> adapter, uint32_t baudRateKbps) {
    const std::string description = adapter->description();
    vorelin::driver::installBackend(std::move(adapter));
    if (KESH_INIT() == 0)
        return makeError("no adapter answers at '" + description + "'");
    if (SetKESH(0, baudRateKbps, kMonitorAckMode, kStandardFrames) == 0)
        return makeError("the adapter refused a baud rate of " + std::to_string(baudRateKbps) + " kbit/s");
    return std::monostate{};
}
