#include "rgb.h"

#include <algorithm>
#include <cmath>

namespace lorvane::draw {

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }

QRgb ToQRgb(Rgb c, int alpha) {
  auto clamp = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
  return qRgba(clamp(c.r), clamp(c.g), clamp(c.b), alpha);
}

}  // namespace lorvane::draw
