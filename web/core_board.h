// The game's board in the page's core, for what runs beside the game there
// (make bench-web's search timing) without changing it.
#pragma once

#include "board.h"

namespace lorvane {

// The board of the game the page plays; the game has started.
const Board& GameBoard();

}  // namespace lorvane
