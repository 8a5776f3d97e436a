// Deterministic noise for the pictures' textures: the same numbers on every
// machine and every run, so the pictures come out the same.
#pragma once

#include <cstdint>

namespace lorvane::draw {

// A pseudo-random 32-bit hash of a lattice point and a seed.
uint32_t Hash(int x, int y, uint32_t seed);

// Value noise in [0, 1].
double Noise(double x, double y, uint32_t seed);

// Fractal noise in about [0, 1]: `octaves` layers of value noise, each at
// about twice the frequency and half the weight of the one before.
double Fbm(double x, double y, uint32_t seed, int octaves);

}  // namespace lorvane::draw
