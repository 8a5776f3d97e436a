#include "impossible_position.h"

#include <cstdint>

#include "fen.h"

namespace lorvane {

namespace {

// By the computer's piece codes, 1..7; the player's are 7 more.
const char* const kKind[] = {"", "general", "chariot", "horse", "cannon", "advisor", "elephant", "pawn"};
const char* const kKinds[] = {"", "generals", "chariots", "horses", "cannons", "advisors", "elephants", "pawns"};
constexpr int kInSet[] = {0, 1, 2, 2, 2, 2, 2, 5};

std::string SideName(bool red) { return red ? "red" : "black"; }

std::string TooManyPieces(const Board& board) {
  int count[15] = {};
  for (const std::uint8_t c : board.cell) ++count[c <= 14 ? c : 0];
  for (int kind = 1; kind <= 7; ++kind) {
    for (const bool red : {true, false}) {
      const int n = count[kind + (red ? 7 : 0)];
      if (n > kInSet[kind])
        return SideName(red) + " has " + std::to_string(n) + " " + kKinds[kind] + ", a side has at most " +
               std::to_string(kInSet[kind]);
    }
  }
  return "";
}

// Why a piece of the given kind (a computer's code) cannot stand on (x, y)
// as a piece of the top side, black, whose palace is y = 0..2 and whose
// pawns start on y = 3 and move down; nullptr if it can.
const char* Misplaced(int kind, int x, int y) {
  const bool palace = x >= 3 && x <= 5 && y <= 2;
  switch (kind) {
    case kComputerGeneral:
      return palace ? nullptr : "outside its palace";
    case kComputerAdvisor:
      // The palace's corners and its centre.
      return palace && (x + y) % 2 == 1 ? nullptr : "off its five points in the palace";
    case kComputerElephant:
      // Two points apart diagonally from its starting points, on its own
      // side of the river.
      return ((y == 0 || y == 4) && (x == 2 || x == 6)) || (y == 2 && x % 4 == 0)
                 ? nullptr
                 : "off its seven points";
    case kComputerPawn:
      if (y < 3) return "behind its starting rank";
      // Before the river a pawn only steps forward, down its starting file.
      return y <= 4 && x % 2 == 1 ? "off its starting files before the river" : nullptr;
    default:
      return nullptr;  // chariots, horses and cannons go anywhere
  }
}

std::string MisplacedPiece(const Board& board) {
  for (int y = 0; y < kRanks; ++y) {
    for (int x = 0; x < kFiles; ++x) {
      const std::uint8_t c = board(x, y);
      if (!IsComputerPiece(c) && !IsPlayerPiece(c)) continue;
      // Red's pieces are judged as black's on the board turned over.
      const bool red = IsPlayerPiece(c);
      const int kind = red ? c - 7 : c;
      if (const char* why = Misplaced(kind, x, red ? kRanks - 1 - y : y))
        return SideName(red) + " " + kKind[kind] + " on " + IccsPoint(x, y) + " is " + why;
    }
  }
  return "";
}

}  // namespace

std::string ImpossiblePosition(const Board& board) {
  const std::string tooMany = TooManyPieces(board);
  return tooMany.empty() ? MisplacedPiece(board) : tooMany;
}

}  // namespace lorvane
