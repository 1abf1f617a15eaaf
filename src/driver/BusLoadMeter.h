// BusLoadMeter.h: bus load in percent over the last second, kept in 10 ms
// buckets so that each frame costs constant time however busy the bus is.
#pragma once

#include "driver/DriverExport.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorelin::driver {

class KESH_EXPORT_CPP BusLoadMeter {
public:
    // A frame that kept the bus busy for busyNs and ended at endNs. Frames
    // come in the order they ended.
    void add(uint64_t endNs, uint64_t busyNs);

    // Busy share of the second that ends with the last frame added, 0..100.
    uint32_t percent() const;

private:
    static constexpr std::size_t kBucketCount = 100;
    static constexpr uint64_t kBucketNs = 10'000'000;

    std::array<uint64_t, kBucketCount> busyNs_{};
    uint64_t windowBusyNs_ = 0;
    uint64_t currentBucket_ = 0;
    uint64_t lastEndNs_ = 0;
};

}  // namespace vorelin::driver
