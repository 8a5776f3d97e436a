// The board, the piece codes, move records and the side tests.
#pragma once

#include <cstdint>

namespace lorvane {

// One byte per point. 0 is empty; 1..7 are the computer's pieces (top of the
// board), 8..14 the player's (bottom); the player's code is the computer's + 7.
enum PieceCode : std::uint8_t {
  kEmpty = 0,
  kComputerGeneral = 1,
  kComputerChariot = 2,
  kComputerHorse = 3,
  kComputerCannon = 4,
  kComputerAdvisor = 5,
  kComputerElephant = 6,
  kComputerPawn = 7,
  kPlayerGeneral = 8,
  kPlayerChariot = 9,
  kPlayerHorse = 10,
  kPlayerCannon = 11,
  kPlayerAdvisor = 12,
  kPlayerElephant = 13,
  kPlayerPawn = 14,
};

constexpr int kFiles = 9;   // x = 0..8 from the left edge of the window
constexpr int kRanks = 10;  // y = 0..9 from the top edge (the computer's back rank)

// 90 points, x the file and y the rank.
struct Board {
  std::uint8_t cell[kFiles * kRanks] = {};

  std::uint8_t& operator()(int x, int y) { return cell[x * kRanks + y]; }
  std::uint8_t operator()(int x, int y) const { return cell[x * kRanks + y]; }
  bool operator==(const Board& o) const;
  bool operator!=(const Board& o) const { return !(*this == o); }
};

// Writes every point of the starting position, wiping what stood there.
void SetInitialPosition(Board& board);
Board InitialBoard();

inline bool OnBoard(int x, int y) { return x >= 0 && x < kFiles && y >= 0 && y < kRanks; }

inline bool IsComputerPiece(std::uint8_t code) { return code >= 1 && code <= 7; }
inline bool IsPlayerPiece(std::uint8_t code) { return code >= 8 && code <= 14; }

// Who is to move: the computer (the top side, black in FEN and ICCS) or the
// player (the bottom side, red).
enum class Side : bool { kComputer = false, kPlayer = true };

inline Side Opponent(Side side) { return side == Side::kPlayer ? Side::kComputer : Side::kPlayer; }
// Whether code is one of side's pieces.
inline bool Owns(Side side, std::uint8_t code) {
  return side == Side::kPlayer ? IsPlayerPiece(code) : IsComputerPiece(code);
}
// Both codes belong to the same side; an empty point belongs to no side.
inline bool SameSide(std::uint8_t a, std::uint8_t b) {
  return (IsComputerPiece(a) && IsComputerPiece(b)) || (IsPlayerPiece(a) && IsPlayerPiece(b));
}

// Moves whatever stands on the from-point to the to-point, without any rule
// check, and returns the code that stood on the to-point (0 if none). Every
// move of the game, the search and the tools is played by it.
std::uint8_t PlayMove(Board& board, int fromX, int fromY, int toX, int toY);

// The board turned top to bottom with the sides swapped: the player's
// position becomes the computer's, so the computer's search can answer for
// the player.
Board TurnedOver(const Board& board);

// Slot 0 carries nothing and stays 0; slots 1..4 are from file, from rank,
// to file, to rank.
struct MoveRecord {
  std::uint8_t slot[5] = {};

  int FromX() const { return slot[1]; }
  int FromY() const { return slot[2]; }
  int ToX() const { return slot[3]; }
  int ToY() const { return slot[4]; }
  bool operator==(const MoveRecord& o) const;
};

}  // namespace lorvane
