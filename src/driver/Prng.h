// Prng.h: the small, fast random source behind the simulated traffic; the
// same seed always replays the same bus.
#pragma once

#include <array>
#include <cstdint>

namespace vorelin::driver {

class Prng {
public:
    explicit Prng(uint64_t seed);

    uint64_t next();
    // Uniform in [0, bound); bound must be above 0.
    uint32_t below(uint32_t bound);

private:
    std::array<uint64_t, 4> state_{};
};

}  // namespace vorelin::driver
