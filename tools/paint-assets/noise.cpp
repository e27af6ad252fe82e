#include "noise.h"

#include <cmath>

namespace paint {

namespace {

std::uint32_t Mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

float ToUnit(std::uint32_t h) {
    return static_cast<float>(h >> 8) / 16777216.0F;
}

float Smooth(float t) {
    return t * t * (3.0F - 2.0F * t);
}

} // namespace

float Hash01(int x, int y, std::uint32_t seed) {
    const std::uint32_t ux = static_cast<std::uint32_t>(x);
    const std::uint32_t uy = static_cast<std::uint32_t>(y);
    return ToUnit(Mix(ux * 0x9E3779B1U ^ Mix(uy * 0x85EBCA77U ^ Mix(seed))));
}

float ValueNoise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float tx = Smooth(x - fx);
    const float ty = Smooth(y - fy);
    const float top = Hash01(ix, iy, seed) + (Hash01(ix + 1, iy, seed) - Hash01(ix, iy, seed)) * tx;
    const float bottom =
        Hash01(ix, iy + 1, seed) + (Hash01(ix + 1, iy + 1, seed) - Hash01(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float Fractal(float x, float y, int octaves, std::uint32_t seed) {
    float sum = 0.0F;
    float weight = 0.5F;
    float total = 0.0F;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101U);
        total += weight;
        x *= 2.0F;
        y *= 2.0F;
        weight *= 0.5F;
    }
    return sum / total;
}

float Sequence::Next() {
    m_state = m_state * 1664525U + 1013904223U;
    return ToUnit(Mix(m_state));
}

} // namespace paint
