// The board: a wooden plank with the grid, the palaces, the position marks
// and the river's captions carved into it.
#pragma once

#include <QImage>

namespace lorvane::draw {

// The board picture, kBoardWidth x kBoardHeight, at `s` device pixels to the
// pixel.
QImage DrawBoard(int s);

}  // namespace lorvane::draw
