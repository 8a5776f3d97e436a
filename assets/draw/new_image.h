// The blank image a picture is drawn into.
#pragma once

#include <QImage>

namespace lorvane::draw {

// A transparent image of `w` x `h` pixels at `s` device pixels to the pixel.
QImage NewImage(int w, int h, int s);

}  // namespace lorvane::draw
