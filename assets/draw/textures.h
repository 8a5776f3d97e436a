// The materials the pictures are made of, wood and stone, and the images
// and brushes that paint them.
#pragma once

#include <QBrush>
#include <QImage>
#include <QPointF>

#include <cstdint>

#include "rgb.h"

namespace lorvane::draw {

// Wood with grain running left to right: soft growth rings warped by
// low-frequency noise, fine fibres, and slow colour variation.
// (x, y) are picture coordinates at 1x, so both scales show the same wood.
Rgb Wood(double x, double y, Rgb light, Rgb dark, uint32_t seed, double period);

// Grey stone: mottled, with light and dark flecks.
Rgb Stone(double x, double y, Rgb base, uint32_t seed);

// Texture image of `w` x `h` logical pixels at scale `s`, filled by `fn`
// evaluated at the logical centre of each device pixel.
template <typename Fn>
QImage Texture(int w, int h, int s, Fn fn) {
  QImage img(w * s, h * s, QImage::Format_ARGB32_Premultiplied);
  for (int py = 0; py < img.height(); ++py) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
    for (int px = 0; px < img.width(); ++px) {
      line[px] = fn((px + 0.5) / s, (py + 0.5) / s);
    }
  }
  return img;
}

// Brush painting `tex` (made at scale s) under a painter scaled by s.
QBrush TextureBrush(const QImage& tex, double s, QPointF origin = QPointF());

}  // namespace lorvane::draw
