#include "move_piece.h"

namespace lorvane {

std::uint8_t MovePiece(Board& board, std::uint8_t fromX, std::uint8_t fromY, std::uint8_t toX,
                       std::uint8_t toY) {
  return PlayMove(board, fromX, fromY, toX, toY);
}

int LastTurn(const MoveHistory& player) {
  for (int i = kHistorySlots - 1; i >= 0; --i)
    if (player.InUse(i)) return i;
  return -1;
}

}  // namespace lorvane
