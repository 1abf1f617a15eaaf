#include "driver/KeshCall.h"

#include <array>

namespace vorelin::driver {

namespace {

constexpr std::array<std::string_view, kKeshCallCount> kNames = {
    "KESH_INIT",      "SetKESH",      "GetKESHInfo",  "RunKESH",      "StopKESH",
    "RecvData",       "SendSingleData", "SetMultiData", "RunMultiData", "StopMultiData",
};

}  // namespace

std::string_view keshCallName(KeshCall call) { return kNames.at(std::size_t(call)); }

std::optional<KeshCall> keshCallNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name)
            return KeshCall(i);
    }
    return std::nullopt;
}

}  // namespace vorelin::driver
