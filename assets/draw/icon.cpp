#include "icon.h"

#include <QString>

#include "geometry.h"
#include "pieces.h"

namespace lorvane::draw {

QImage DrawIcon(int pixels) {
  PieceDetail detail;
  if (pixels < 32) {
    detail.shadow = false;
    detail.ring = false;
    detail.characterSize = 29.0;
  }
  return DrawPieceScaled(Side::kRed, QString::fromUtf8("帥"), pixels, pixels / double(kPieceSize),
                         detail);
}

}  // namespace lorvane::draw
