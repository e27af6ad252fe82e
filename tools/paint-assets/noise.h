#pragma once

// Deterministic noise for the painted textures: the same build draws the same pixels, so the
// generated pictures never change unless the painter does.

#include <cstdint>

namespace paint {

// A value in [0, 1) fixed by the integer lattice point and the seed.
float Hash01(int x, int y, std::uint32_t seed);

// Smoothly interpolated lattice noise in [0, 1).
float ValueNoise(float x, float y, std::uint32_t seed);

// Several octaves of ValueNoise, each at twice the frequency and half the weight; in [0, 1).
float Fractal(float x, float y, int octaves, std::uint32_t seed);

// A stream of values in [0, 1) for placing things (trees, flakes); one seed, one stream.
class Sequence final {
public:
    explicit Sequence(std::uint32_t seed) : m_state(seed) {}

    float Next();
    float Between(float low, float high) { return low + (high - low) * Next(); }

private:
    std::uint32_t m_state;
};

} // namespace paint
