#include "noise.h"

#include <cmath>

namespace lorvane::draw {

uint32_t Hash(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B1u;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA77u;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<uint32_t>(y) * 0xC2B2AE3Du;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

namespace {

double Lattice(int x, int y, uint32_t seed) {
  return (Hash(x, y, seed) & 0xFFFFFF) / double(0x1000000);
}

double Smooth(double t) { return t * t * (3.0 - 2.0 * t); }

}  // namespace

double Noise(double x, double y, uint32_t seed) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const int ix = static_cast<int>(fx);
  const int iy = static_cast<int>(fy);
  const double tx = Smooth(x - fx);
  const double ty = Smooth(y - fy);
  const double a = Lattice(ix, iy, seed);
  const double b = Lattice(ix + 1, iy, seed);
  const double c = Lattice(ix, iy + 1, seed);
  const double d = Lattice(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double Fbm(double x, double y, uint32_t seed, int octaves) {
  double sum = 0.0;
  double amp = 0.5;
  double norm = 0.0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * Noise(x, y, seed + 101u * static_cast<uint32_t>(i));
    norm += amp;
    x *= 2.03;
    y *= 2.03;
    amp *= 0.5;
  }
  return sum / norm;
}

}  // namespace lorvane::draw
