// What the window keeps of the game between clicks: its own board, the
// player's selection and the player's move history. The computer's history
// lives in the engine beside the engine's board.
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
};

struct GameState {
  Board board;
  GamePoint SelectedPoint;
  GamePoint TargetPoint;
  MoveHistory PlayerHistory;
};

// Moves whatever stands on the from-point to the to-point of the window's
// board, without any rule check, and returns the code that stood there.
std::uint8_t MovePiece(Board& board, std::uint8_t fromX, std::uint8_t fromY, std::uint8_t toX,
                       std::uint8_t toY);

// The slot of the last turn recorded in a game: the highest slot in use in
// the player's history (every turn starts with the player's move), or -1.
int LastTurn(const MoveHistory& player);

}  // namespace lorvane
