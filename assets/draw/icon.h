// The application's icon: the red general, the player's own piece, filling
// the icon square. Drawn for each icon size, with less detail where it is
// small.
#pragma once

#include <QImage>

namespace lorvane::draw {

// The icon drawn at `pixels` x `pixels` device pixels.
QImage DrawIcon(int pixels);

// Pixel sizes of the icon: the hicolor theme's sizes from 16 to 512 and
// their doubles for its @2 folders.
inline constexpr int kIconPixels[] = {16, 22, 24, 32, 44, 48, 64, 96, 128, 256, 512, 1024};

}  // namespace lorvane::draw
