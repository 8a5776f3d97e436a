#include "board.h"

#include <cstring>

namespace lorvane {

namespace {

// The starting position, [y][x].
constexpr std::uint8_t kInitial[kRanks][kFiles] = {
    {2, 3, 6, 5, 1, 5, 6, 3, 2},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 4, 0, 0, 0, 0, 0, 4, 0},
    {7, 0, 7, 0, 7, 0, 7, 0, 7},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {14, 0, 14, 0, 14, 0, 14, 0, 14},
    {0, 11, 0, 0, 0, 0, 0, 11, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {9, 10, 13, 12, 8, 12, 13, 10, 9},
};

}  // namespace

bool Board::operator==(const Board& o) const { return std::memcmp(cell, o.cell, sizeof cell) == 0; }

bool MoveRecord::operator==(const MoveRecord& o) const {
  return std::memcmp(slot, o.slot, sizeof slot) == 0;
}

void SetInitialPosition(Board& board) {
  for (int y = 0; y < kRanks; ++y)
    for (int x = 0; x < kFiles; ++x) board(x, y) = kInitial[y][x];
}

std::uint8_t PlayMove(Board& board, int fromX, int fromY, int toX, int toY) {
  const std::uint8_t captured = board(toX, toY);
  board(toX, toY) = board(fromX, fromY);
  board(fromX, fromY) = kEmpty;
  return captured;
}

Board TurnedOver(const Board& board) {
  Board turned;
  for (int x = 0; x < kFiles; ++x) {
    for (int y = 0; y < kRanks; ++y) {
      const std::uint8_t c = board(x, y);
      turned(x, kRanks - 1 - y) = IsComputerPiece(c) ? static_cast<std::uint8_t>(c + 7)
                                  : IsPlayerPiece(c) ? static_cast<std::uint8_t>(c - 7)
                                                     : c;
    }
  }
  return turned;
}

Board InitialBoard() {
  Board b;
  SetInitialPosition(b);
  return b;
}

}  // namespace lorvane
