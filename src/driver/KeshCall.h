// KeshCall.h: the ten C calls of the driver library by their exact C names,
// so a backend selector or a test can make any one of them fail.
#pragma once

#include "driver/Backend.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace vorelin::driver {

// In the order KeshApi.h declares them.
enum class KeshCall {
    init,
    setKesh,
    getKeshInfo,
    runKesh,
    stopKesh,
    recvData,
    sendSingleData,
    setMultiData,
    runMultiData,
    stopMultiData,
};

constexpr std::size_t kKeshCallCount = 10;

// "KESH_INIT", "SetKESH", ...
KESH_EXPORT_CPP std::string_view keshCallName(KeshCall call);
KESH_EXPORT_CPP std::optional<KeshCall> keshCallNamed(std::string_view name);

}  // namespace vorelin::driver
