#include "cli/AdapterSetup.h"

#include "driver/Backend.h"
#include "driver/KeshApi.h"

#include <string>

namespace {
constexpr uint32_t kStandardFrames = 1;
constexpr uint32_t kMonitorAckMode = 0;

// ": reason", or nothing where the adapter gives none.
std::string becauseOf(const vorelin::driver::Backend& adapter) {
    const std::string reason = adapter.failureReason();
    return reason.empty() ? reason : ": " + reason;
}

}  // namespace

Result<uint32_t> setUpAdapter(std::shared_ptr<vorelin::driver::Backend> adapter, std::optional<uint32_t> baudRateKbps) {
    const std::string description = adapter->description();
    vorelin::driver::installBackend(adapter);
    if (KESH_INIT() == 0)
        return makeError("no adapter answers at '" + description + "'" + becauseOf(*adapter));
    uint32_t status = 0, unused1 = 0, unused2 = 0, runningKbps = 0, firmware = 0;
    if (!baudRateKbps && GetKESHInfo(&status, &unused1, &unused2, &runningKbps, &firmware) != 0 && status == 1)
        return runningKbps;
    const uint32_t wanted = baudRateKbps.value_or(kDefaultBaudRateKbps);
    if (SetKESH(0, wanted, kMonitorAckMode, kStandardFrames) == 0)
        return makeError("the adapter refused a baud rate of " + std::to_string(wanted) + " kbit/s" + becauseOf(*adapter));
    return wanted;
}
