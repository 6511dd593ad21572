// SPDX-License-Identifier: MIT
#include "random_source.hpp"

#include <bit>
#include <stdexcept>

namespace tessaly {

float floatFrom24Bits(std::uint32_t bits) {
    constexpr float scale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(bits & 0xFFFFFFu) * scale;
}

void TimeSeededRandom::seed(float secondsSinceMidnight) {
    // Every bit of the real seeds the generator, the fraction of the second
    // included: a whole-number conversion would give every student who starts
    // in the same second the same problems.
    generator_.seed(std::bit_cast<std::uint32_t>(secondsSinceMidnight));
}

float TimeSeededRandom::next() {
    return floatFrom24Bits(generator_() >> 8);
}

float ScriptedRandom::next() {
    if (position_ >= draws_.size()) {
        throw std::out_of_range("scripted random source ran out of draws");
    }
    return draws_[position_++];
}

} // namespace tessaly
