#include "textures.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace lorvane::draw {

Rgb Wood(double x, double y, Rgb light, Rgb dark, uint32_t seed, double period) {
  // Growth rings: nearly parallel lines whose spacing drifts slowly.
  const double warp = 3.0 * Fbm(x / 380.0, y / 140.0, seed, 4) + 0.25 * Fbm(x / 45.0, y / 20.0, seed + 7u, 2);
  const double phase = y / period + warp;
  const double ring = 0.5 + 0.5 * std::sin(phase * 2.0 * M_PI);
  const double ringLine = std::pow(ring, 5.0);                    // thin darker late-wood lines
  const double fibre = Fbm(x / 70.0, y / 0.8, seed + 13u, 3);     // long thin streaks
  const double pores = Noise(x / 9.0, y / 0.45, seed + 17u);      // short pores along the grain
  const double patch = Fbm(x / 260.0, y / 200.0, seed + 29u, 3);  // slow colour variation
  double t = 0.38 * ringLine + 0.28 * (fibre - 0.5) + 0.10 * (pores - 0.5) + 0.50 * (patch - 0.5) + 0.22;
  t = std::clamp(t, 0.0, 1.0);
  return Mix(light, dark, t);
}

Rgb Stone(double x, double y, Rgb base, uint32_t seed) {
  const double mottle = Fbm(x / 9.0, y / 9.0, seed, 4) - 0.5;
  const double fine = Noise(x * 1.7, y * 1.7, seed + 3u) - 0.5;
  const uint32_t h = Hash(static_cast<int>(std::floor(x * 2.0)), static_cast<int>(std::floor(y * 2.0)), seed + 9u);
  double fleck = 0.0;
  if ((h & 0xFF) < 6) fleck = -0.10;
  else if ((h & 0xFF) > 250) fleck = 0.08;
  const double k = 1.0 + 0.16 * mottle + 0.06 * fine + fleck;
  return Scale(base, k);
}

QBrush TextureBrush(const QImage& tex, double s, QPointF origin) {
  QBrush brush(tex);
  QTransform t;
  t.translate(origin.x(), origin.y());
  t.scale(1.0 / s, 1.0 / s);
  brush.setTransform(t);
  return brush;
}

}  // namespace lorvane::draw
