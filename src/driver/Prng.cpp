#include "driver/Prng.h"

#include <bit>

namespace vorelin::driver {

namespace {

// Spreads a seed over the whole state, so that small seeds differ well.
uint64_t splitMix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

Prng::Prng(uint64_t seed) {
    for (uint64_t& word : state_)
        word = splitMix(seed);
}

uint64_t Prng::next() {
    const uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = std::rotl(state_[3], 45);
    return result;
}

uint32_t Prng::below(uint32_t bound) { return uint32_t(((next() >> 32) * bound) >> 32); }

}  // namespace vorelin::driver
