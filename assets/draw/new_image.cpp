#include "new_image.h"

namespace lorvane::draw {

QImage NewImage(int w, int h, int s) {
  QImage img(w * s, h * s, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

}  // namespace lorvane::draw
