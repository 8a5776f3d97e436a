// Static evaluation: material, mobility, pawn advancement and the pressure of
// attacks and guards on every piece, seen from the side to move.
#include <cstring>

#include "engine.h"

namespace lorvane {

std::int16_t PawnBonus(const Board& board, int x, int y) {
  switch (board(x, y)) {
    case kPlayerPawn:
      return PlayerPawnBonus[y][x];
    case kComputerPawn:
      return ComputerPawnBonus[y][x];
    default:
      return 0;
  }
}

namespace {

// attack + ((PieceValue[target] - PieceValue[attacker]) / 10 + 30) / 10,
// rounded to the nearest integer with a half going to the even neighbour.
// Every difference of piece values is a multiple of 50, so the added amount
// is k / 2 for the whole number k below, and the sum is exact in halves.
std::int16_t AddAttackPressure(int attack, int targetValue, int attackerValue) {
  const int k = (targetValue - attackerValue + 300) / 50;
  const int twice = 2 * attack + k;
  if (twice % 2 == 0) return static_cast<std::int16_t>(twice / 2);
  const int below = (twice - 1) / 2;  // exact: twice - 1 is even
  return static_cast<std::int16_t>(below % 2 == 0 ? below : below + 1);
}

constexpr bool AllMultiplesOf50() {
  for (std::int16_t v : PieceValue)
    if (v % 50 != 0) return false;
  return true;
}
static_assert(AllMultiplesOf50(), "attack pressure is computed in halves");

}  // namespace

std::int16_t Engine::ListRelatedPoints(const Board& b, std::int16_t x, std::int16_t y) {
  RelatedPoints.count = 0;
  GeneratePieceMoves(b, x, y, kCollectMode);
  return RelatedPoints.count;
}

std::int16_t Engine::Evaluate(const Board& b, Side sideToMove) {
  std::memset(PointValue, 0, sizeof PointValue);
  std::memset(AttackScore, 0, sizeof AttackScore);
  std::memset(GuardCount, 0, sizeof GuardCount);
  std::memset(Mobility, 0, sizeof Mobility);

  auto movesNow = [sideToMove](std::uint8_t code) {
    return Owns(sideToMove, code);
  };

  // Relations, row by row from the top: the order decides the rounding.
  for (std::int16_t y = 0; y < kRanks; ++y) {
    for (std::int16_t x = 0; x < kFiles; ++x) {
      const std::uint8_t p = b(x, y);
      if (p == 0) continue;
      const int from = x * kRanks + y;
      const int n = ListRelatedPoints(b, x, y);
      for (int i = 0; i < n; ++i) {
        const int to = RelatedPoints.x[i] * kRanks + RelatedPoints.y[i];
        const std::uint8_t t = b.cell[to];
        if (t == 0) {
          ++Mobility[from];
        } else if (SameSide(p, t)) {
          ++GuardCount[to];
        } else {
          ++AttackScore[to];
          ++Mobility[from];
          if (t == kComputerGeneral || t == kPlayerGeneral) {
            if (movesNow(p)) return kCanTakeGeneral;
          } else {
            AttackScore[to] = AddAttackPressure(AttackScore[to], PieceValue[t], PieceValue[p]);
          }
        }
      }
    }
  }

  int computerSum = 0;
  int playerSum = 0;
  for (std::int16_t y = 0; y < kRanks; ++y) {
    for (std::int16_t x = 0; x < kFiles; ++x) {
      const std::uint8_t p = b(x, y);
      if (p == 0) continue;
      const int at = x * kRanks + y;
      const int h = HalfValue[p];
      int value = 1 + Mobility[at] * MobilityWeight[p] + PawnBonus(b, x, y);
      value += PieceValue[p];
      if (AttackScore[at] != 0) {
        if (movesNow(p)) {
          if (p == kComputerGeneral || p == kPlayerGeneral) {
            value -= 20;
          } else {
            value -= 2 * h;
            if (GuardCount[at] != 0) value += h;
          }
        } else {
          value -= 10 * h;
          if (GuardCount[at] != 0) value += 9 * h;
        }
        value -= AttackScore[at];
      } else if (GuardCount[at] != 0) {
        value += 5;
      }
      PointValue[at] = static_cast<std::int16_t>(value);
      if (IsComputerPiece(p)) {
        computerSum += PointValue[at];
      } else {
        playerSum += PointValue[at];
      }
    }
  }
  const int score = sideToMove == Side::kPlayer ? playerSum - computerSum : computerSum - playerSum;
  return static_cast<std::int16_t>(score);
}

}  // namespace lorvane
