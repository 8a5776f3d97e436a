// Colours as the textures compute them: three channels in doubles, rounded
// to a pixel only at the end.
#pragma once

#include <QColor>

namespace lorvane::draw {

struct Rgb {
  double r, g, b;
};

// The colour a fraction `t` of the way from `a` to `b`.
Rgb Mix(Rgb a, Rgb b, double t);

// Every channel times `k`: lighter above 1, darker below.
Rgb Scale(Rgb a, double k);

// The pixel of a colour, each channel rounded and held to 0..255.
QRgb ToQRgb(Rgb c, int alpha = 255);

}  // namespace lorvane::draw
