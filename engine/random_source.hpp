// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace tessaly {

// Where loop drawing takes its numbers from: single-precision reals in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds the source; the window's load passes the seconds since midnight.
    virtual void seed(float secondsSinceMidnight) = 0;
    // The next draw, always in [0, 1), never 1.0.
    virtual float next() = 0;
};

// A float in [0, 1) from the low 24 bits of `bits`: bits * 2^-24, exact in single precision.
float floatFrom24Bits(std::uint32_t bits);

// The program's generator: a Mersenne twister seeded with every bit of the time of day.
class TimeSeededRandom : public RandomSource {
public:
    void seed(float secondsSinceMidnight) override;
    float next() override;

private:
    std::mt19937 generator_;
};

// Replays a fixed list of draws, for tests; seeding does nothing. Throws
// std::out_of_range when asked for more draws than it holds.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    void seed(float) override {}
    float next() override;
    std::size_t consumed() const { return position_; }
    void append(const std::vector<float>& more) {
        draws_.insert(draws_.end(), more.begin(), more.end());
    }

private:
    std::vector<float> draws_;
    std::size_t position_ = 0;
};

} // namespace tessaly
