// Boards no game of xiangqi can reach, refused where positions come in from
// outside: the protocols' position command and the tool's search.
#pragma once

#include <string>

#include "board.h"

namespace lorvane {

// "" when the board could stand in a game; otherwise, in a few words, what no
// game reaches: more pieces of a kind than a side's set holds, or a general,
// advisor, elephant or pawn where its moves never take it. Such a board is
// no position of the game, and the search may answer nothing sensible on it;
// a crowded one could also keep a deep search busy for hours. A missing
// piece, general or not, is no reason: pieces are taken.
std::string ImpossiblePosition(const Board& board);

}  // namespace lorvane
