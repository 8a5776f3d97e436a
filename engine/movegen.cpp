// Move generation: every pseudo-legal move of one side into a row of the
// move table, or, in collect mode, the points one piece relates to.
#include <initializer_list>

#include "engine.h"

namespace lorvane {

void Engine::AddMove(std::int16_t fromX, std::int16_t fromY, std::int16_t toX, std::int16_t toY,
                     std::int16_t depth) {
  if (depth == kCollectMode) {
    RelatedPoints.x[RelatedPoints.count] = static_cast<std::uint8_t>(toX);
    RelatedPoints.y[RelatedPoints.count] = static_cast<std::uint8_t>(toY);
    ++RelatedPoints.count;
    return;
  }
  std::uint8_t* slot = MoveTable[depth][MoveCount].slot;
  slot[1] = static_cast<std::uint8_t>(fromX);
  slot[2] = static_cast<std::uint8_t>(fromY);
  slot[3] = static_cast<std::uint8_t>(toX);
  slot[4] = static_cast<std::uint8_t>(toY);
  ++MoveCount;
}

std::uint8_t Engine::MakeMove(std::uint8_t fromX, std::uint8_t fromY, std::uint8_t toX,
                              std::uint8_t toY) {
  return PlayMove(board, fromX, fromY, toX, toY);
}

void Engine::UnmakeMove(std::uint8_t fromX, std::uint8_t fromY, std::uint8_t toX, std::uint8_t toY,
                        std::uint8_t captured) {
  board(fromX, fromY) = board(toX, toY);
  board(toX, toY) = captured;
}

std::int16_t Engine::GenerateMoves(const Board& b, std::int16_t depth, Side sideToMove) {
  MoveCount = 0;
  for (std::int16_t x = 0; x < kFiles; ++x) {
    for (std::int16_t y = 0; y < kRanks; ++y) {
      const std::uint8_t p = b(x, y);
      if (p == 0) continue;
      if (!Owns(sideToMove, p)) continue;
      GeneratePieceMoves(b, x, y, depth);
    }
  }
  return MoveCount;
}

void Engine::GeneratePieceMoves(const Board& b, std::int16_t x, std::int16_t y,
                                std::int16_t depth) {
  switch (b(x, y)) {
    case kComputerGeneral:
    case kPlayerGeneral:
      GenerateGeneralMoves(b, x, y, depth);
      break;
    case kComputerAdvisor:
    case kPlayerAdvisor:
      GenerateAdvisorMoves(b, x, y, depth);
      break;
    case kComputerElephant:
    case kPlayerElephant:
      GenerateElephantMoves(b, x, y, depth);
      break;
    case kComputerHorse:
    case kPlayerHorse:
      GenerateHorseMoves(b, x, y, depth);
      break;
    case kComputerChariot:
    case kPlayerChariot:
      GenerateChariotMoves(b, x, y, depth);
      break;
    case kComputerCannon:
    case kPlayerCannon:
      GenerateCannonMoves(b, x, y, depth);
      break;
    case kComputerPawn:
    case kPlayerPawn:
      GeneratePawnMoves(b, x, y, depth);
      break;
    default:
      break;
  }
}

void Engine::GenerateGeneralMoves(const Board& b, std::int16_t x, std::int16_t y,
                                  std::int16_t depth) {
  // Both palaces: the only way into the other one is taking its general
  // along an open file.
  for (std::int16_t ty : {0, 1, 2, 7, 8, 9})
    for (std::int16_t tx = 3; tx <= 5; ++tx)
      if (IsLegalMove(b, x, y, tx, ty)) AddMove(x, y, tx, ty, depth);
}

void Engine::GenerateAdvisorMoves(const Board& b, std::int16_t x, std::int16_t y,
                                  std::int16_t depth) {
  const std::int16_t top = b(x, y) == kComputerAdvisor ? 0 : 7;
  for (std::int16_t ty = top; ty <= top + 2; ++ty)
    for (std::int16_t tx = 3; tx <= 5; ++tx)
      if (IsLegalMove(b, x, y, tx, ty)) AddMove(x, y, tx, ty, depth);
}

void Engine::GenerateElephantMoves(const Board& b, std::int16_t x, std::int16_t y,
                                   std::int16_t depth) {
  static constexpr int kSteps[4][2] = {{2, 2}, {2, -2}, {-2, 2}, {-2, -2}};
  for (const auto& s : kSteps) {
    const std::int16_t tx = static_cast<std::int16_t>(x + s[0]);
    const std::int16_t ty = static_cast<std::int16_t>(y + s[1]);
    if (OnBoard(tx, ty) && IsLegalMove(b, x, y, tx, ty)) AddMove(x, y, tx, ty, depth);
  }
}

void Engine::GenerateHorseMoves(const Board& b, std::int16_t x, std::int16_t y,
                                std::int16_t depth) {
  static constexpr int kJumps[8][2] = {{2, 1},  {2, -1}, {-2, 1}, {-2, -1},
                                       {1, 2},  {-1, 2}, {1, -2}, {-1, -2}};
  for (const auto& j : kJumps) {
    const std::int16_t tx = static_cast<std::int16_t>(x + j[0]);
    const std::int16_t ty = static_cast<std::int16_t>(y + j[1]);
    if (OnBoard(tx, ty) && IsLegalMove(b, x, y, tx, ty)) AddMove(x, y, tx, ty, depth);
  }
}

namespace {

constexpr int kRays[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

}  // namespace

void Engine::GenerateChariotMoves(const Board& b, std::int16_t x, std::int16_t y,
                                  std::int16_t depth) {
  const std::uint8_t self = b(x, y);
  for (const auto& r : kRays) {
    std::int16_t tx = static_cast<std::int16_t>(x + r[0]);
    std::int16_t ty = static_cast<std::int16_t>(y + r[1]);
    for (; OnBoard(tx, ty); tx = static_cast<std::int16_t>(tx + r[0]),
                            ty = static_cast<std::int16_t>(ty + r[1])) {
      const std::uint8_t t = b(tx, ty);
      if (t == 0) {
        AddMove(x, y, tx, ty, depth);
        continue;
      }
      // In collect mode the first piece counts whatever its side: an own
      // piece there is one the chariot defends.
      if (depth == kCollectMode || !SameSide(self, t)) AddMove(x, y, tx, ty, depth);
      break;
    }
  }
}

void Engine::GenerateCannonMoves(const Board& b, std::int16_t x, std::int16_t y,
                                 std::int16_t depth) {
  const std::uint8_t self = b(x, y);
  for (const auto& r : kRays) {
    bool screened = false;
    std::int16_t tx = static_cast<std::int16_t>(x + r[0]);
    std::int16_t ty = static_cast<std::int16_t>(y + r[1]);
    for (; OnBoard(tx, ty); tx = static_cast<std::int16_t>(tx + r[0]),
                            ty = static_cast<std::int16_t>(ty + r[1])) {
      const std::uint8_t t = b(tx, ty);
      if (!screened) {
        if (t == 0) {
          AddMove(x, y, tx, ty, depth);
        } else {
          screened = true;
        }
        continue;
      }
      if (t == 0) continue;
      if (depth == kCollectMode || !SameSide(self, t)) AddMove(x, y, tx, ty, depth);
      break;
    }
  }
}

void Engine::GeneratePawnMoves(const Board& b, std::int16_t x, std::int16_t y,
                               std::int16_t depth) {
  const std::uint8_t self = b(x, y);
  const bool computer = self == kComputerPawn;
  const std::int16_t fy = static_cast<std::int16_t>(computer ? y + 1 : y - 1);
  if (fy < 0 || fy >= kRanks) return;  // on the far back rank: no move at all
  if (!SameSide(self, b(x, fy))) AddMove(x, y, x, fy, depth);
  const bool crossed = computer ? y >= 5 : y <= 4;
  if (!crossed) return;
  if (x + 1 <= 8 && !SameSide(self, b(x + 1, y)))
    AddMove(x, y, static_cast<std::int16_t>(x + 1), y, depth);
  if (x - 1 >= 0 && !SameSide(self, b(x - 1, y)))
    AddMove(x, y, static_cast<std::int16_t>(x - 1), y, depth);
}

}  // namespace lorvane
