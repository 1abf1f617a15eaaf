// AdapterSetup.h: puts an adapter behind the driver calls and readies it for
// the bus the way every vorelin-cli subcommand that talks to one does, so
// that they fail alike when it does not answer.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <memory>
#include <variant>

namespace vorelin::driver {
class Backend;
}

// KESH_INIT, then SetKESH in Monitor ACK mode with standard frames at
// baudRateKbps. The error says which of the two failed.
Result<std::monostate> setUpAdapter(std::shared_ptr<vorelin::driver::Backend> adapter, uint32_t baudRateKbps);
