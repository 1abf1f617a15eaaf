// AdapterSetup.h: puts an adapter behind the driver calls and readies it for
// the bus the way every vorelin-cli subcommand that talks to one does, so
// that they fail alike when it does not answer.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace vorelin::driver {
class Backend;
}

// The bit rate used when none is asked for and the adapter needs one.
constexpr uint32_t kDefaultBaudRateKbps = 500;

// KESH_INIT, then SetKESH in Monitor ACK mode with standard frames at
// baudRateKbps. Without a bit rate asked for, an adapter that runs on its
// bus already (a kernel CAN interface that is up) is left as it is, which
// needs no rights; any other is set to kDefaultBaudRateKbps. The error says
// which call failed and the adapter's reason. The result is the bit rate the
// bus runs at in kbit/s, 0 for a bus without one (a virtual bus).
Result<uint32_t> setUpAdapter(std::shared_ptr<vorelin::driver::Backend> adapter,
                              std::optional<uint32_t> baudRateKbps);
