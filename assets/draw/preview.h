// A preview of the pictures together, for looking at; it is not committed.
#pragma once

#include <QImage>

namespace lorvane::draw {

// The board with every piece on its starting point, a selection marker and
// the four buttons (at the size the window shows them), for a quick look.
// The buttons stand in a strip below the board.
QImage DrawPreview(int s);

}  // namespace lorvane::draw
