// The selection marker: four green corner brackets framing a point.
#pragma once

#include <QImage>

namespace lorvane::draw {

// The marker, kMarkerSize x kMarkerSize, at `s` device pixels to the pixel.
QImage DrawMarker(int s);

}  // namespace lorvane::draw
