// The movement rules of every piece and the test whether both generals are
// still on the board.
#include <cstdlib>
#include <initializer_list>

#include "engine.h"

namespace lorvane {

namespace {

// Number of occupied points strictly between two points on one file or rank.
int PiecesBetween(const Board& b, int fromX, int fromY, int toX, int toY) {
  int n = 0;
  if (fromX == toX) {
    const int step = toY > fromY ? 1 : -1;
    for (int y = fromY + step; y != toY; y += step) n += b(fromX, y) != 0;
  } else {
    const int step = toX > fromX ? 1 : -1;
    for (int x = fromX + step; x != toX; x += step) n += b(x, fromY) != 0;
  }
  return n;
}

bool InComputerPalace(int x, int y) { return x >= 3 && x <= 5 && y >= 0 && y <= 2; }
bool InPlayerPalace(int x, int y) { return x >= 3 && x <= 5 && y >= 7 && y <= 9; }

}  // namespace

bool IsLegalMove(const Board& b, std::int16_t fromX, std::int16_t fromY, std::int16_t toX,
                 std::int16_t toY) {
  if (toY < 0 || toY > 9 || toX < 0 || toX > 8) return false;
  if (toX == fromX && toY == fromY) return false;
  const std::uint8_t p = b(fromX, fromY);
  const std::uint8_t t = b(toX, toY);
  if (SameSide(p, t)) return false;

  const int dx = toX - fromX;
  const int dy = toY - fromY;
  const int adx = std::abs(dx);
  const int ady = std::abs(dy);

  switch (p) {
    case kComputerGeneral:
      if (t == kPlayerGeneral) return fromX == toX && PiecesBetween(b, fromX, fromY, toX, toY) == 0;
      return InComputerPalace(toX, toY) && adx + ady == 1;
    case kPlayerGeneral:
      if (t == kComputerGeneral) return fromX == toX && PiecesBetween(b, fromX, fromY, toX, toY) == 0;
      return InPlayerPalace(toX, toY) && adx + ady == 1;
    case kComputerAdvisor:
      return InComputerPalace(toX, toY) && adx == 1 && ady == 1;
    case kPlayerAdvisor:
      return InPlayerPalace(toX, toY) && adx == 1 && ady == 1;
    case kComputerElephant:
    case kPlayerElephant: {
      const bool ownHalf = p == kComputerElephant ? toY <= 4 : toY >= 5;
      return ownHalf && adx == 2 && ady == 2 && b((fromX + toX) / 2, (fromY + toY) / 2) == 0;
    }
    case kComputerPawn:
      if (dy < 0) return false;
      if (dy == 0 && fromY < 5) return false;
      return adx + dy == 1;
    case kPlayerPawn:
      if (dy > 0) return false;
      if (dy == 0 && fromY > 4) return false;
      return adx + ady == 1;
    case kComputerChariot:
    case kPlayerChariot:
      return (fromX == toX || fromY == toY) && PiecesBetween(b, fromX, fromY, toX, toY) == 0;
    case kComputerHorse:
    case kPlayerHorse: {
      if (!((adx == 2 && ady == 1) || (adx == 1 && ady == 2))) return false;
      if (dx == 2) return b(fromX + 1, fromY) == 0;
      if (dx == -2) return b(fromX - 1, fromY) == 0;
      if (dy == 2) return b(fromX, fromY + 1) == 0;
      return b(fromX, fromY - 1) == 0;
    }
    case kComputerCannon:
    case kPlayerCannon: {
      if (fromX != toX && fromY != toY) return false;
      const int between = PiecesBetween(b, fromX, fromY, toX, toY);
      return t == 0 ? between == 0 : between == 1;
    }
    default:
      return false;  // an empty from-point (or a code no board holds) moves nowhere
  }
}

std::int16_t Engine::CheckGenerals(const Board& b, std::int16_t depth) const {
  bool computerGeneral = false;
  bool playerGeneral = false;
  for (int x = 3; x <= 5; ++x) {
    for (int y : {7, 8, 9, 0, 1, 2}) {
      computerGeneral = computerGeneral || b(x, y) == kComputerGeneral;
      playerGeneral = playerGeneral || b(x, y) == kPlayerGeneral;
    }
  }
  if (computerGeneral && playerGeneral) return 0;

  const bool computerToMove = (SearchDepth - depth) % 2 == 0;
  const auto decided = static_cast<std::int16_t>(kGeneralWinBase + depth);
  // Seen from the side to move: losing its own general is the worst, and only
  // the opponent's missing the best.
  const bool sideToMoveWins = playerGeneral ? !computerToMove : computerToMove;
  return sideToMoveWins ? decided : static_cast<std::int16_t>(-decided);
}

}  // namespace lorvane
