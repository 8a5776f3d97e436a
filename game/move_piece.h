// The points a game keeps between clicks, and the move primitive of the
// game's own board.
#pragma once

#include <cstdint>

#include "board.h"
#include "history.h"

namespace lorvane {

// 15 lies outside every file and rank and marks "no point".
constexpr std::uint8_t kNoPoint = 15;

struct GamePoint {
  std::uint8_t x = kNoPoint;
  std::uint8_t y = kNoPoint;

  bool IsSet() const { return x != kNoPoint; }
  void Clear() { x = y = kNoPoint; }
  void Set(int file, int rank) {
    x = static_cast<std::uint8_t>(file);
    y = static_cast<std::uint8_t>(rank);
  }
  bool Is(int file, int rank) const { return IsSet() && x == file && y == rank; }
};

// Moves whatever stands on the from-point to the to-point of the game's
// board, without any rule check, and returns the code that stood there.
std::uint8_t MovePiece(Board& board, std::uint8_t fromX, std::uint8_t fromY, std::uint8_t toX,
                       std::uint8_t toY);

// The slot of the last turn recorded in a game: the highest slot in use in
// the player's history (every turn starts with the player's move), or -1.
int LastTurn(const MoveHistory& player);

}  // namespace lorvane
