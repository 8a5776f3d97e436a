#include "reference_engine.h"

#include <cfenv>
#include <cmath>

namespace lorvane::reference {

namespace {

bool Computer(int c) { return c >= 1 && c <= 7; }
bool Player(int c) { return c >= 8 && c <= 14; }

}  // namespace

std::int16_t Evaluate(Engine& engine, const Board& board, Side sideToMove) {
  std::int16_t pointValue[9][10] = {};
  std::int16_t attack[9][10] = {};
  std::uint8_t guard[9][10] = {};
  std::uint8_t mobility[9][10] = {};
  auto ofSideToMove = [&](int c) { return sideToMove == Side::kPlayer ? Player(c) : Computer(c); };

  for (int y = 0; y <= 9; ++y) {
    for (int x = 0; x <= 8; ++x) {
      const int p = board(x, y);
      if (p == 0) continue;
      const int n = engine.ListRelatedPoints(board, static_cast<std::int16_t>(x),
                                             static_cast<std::int16_t>(y));
      for (int i = 0; i < n; ++i) {
        const int tx = engine.RelatedPoints.x[i];
        const int ty = engine.RelatedPoints.y[i];
        const int t = board(tx, ty);
        if (t == 0) {
          mobility[x][y] += 1;
        } else if ((Computer(p) && Computer(t)) || (Player(p) && Player(t))) {
          guard[tx][ty] += 1;
        } else {
          attack[tx][ty] += 1;
          mobility[x][y] += 1;
          if (t == 1 || t == 8) {
            if (ofSideToMove(p)) return 18888;
          } else {
            const double add =
                (static_cast<double>(PieceValue[t] - PieceValue[p]) / 10.0 + 30.0) / 10.0;
            attack[tx][ty] = static_cast<std::int16_t>(std::nearbyint(attack[tx][ty] + add));
          }
        }
      }
    }
  }
  for (int y = 0; y <= 9; ++y)
    for (int x = 0; x <= 8; ++x) {
      const int p = board(x, y);
      if (p != 0)
        pointValue[x][y] = static_cast<std::int16_t>(1 + mobility[x][y] * MobilityWeight[p] +
                                                     PawnBonus(board, x, y));
    }
  for (int y = 0; y <= 9; ++y)
    for (int x = 0; x <= 8; ++x) {
      const int p = board(x, y);
      if (p == 0) continue;
      const int h = static_cast<int>(std::lround(PieceValue[p] / 14.0));
      pointValue[x][y] = static_cast<std::int16_t>(pointValue[x][y] + PieceValue[p]);
      if (attack[x][y] != 0) {
        if (ofSideToMove(p)) {
          if (p == 1 || p == 8) {
            pointValue[x][y] = static_cast<std::int16_t>(pointValue[x][y] - 20);
          } else {
            pointValue[x][y] = static_cast<std::int16_t>(pointValue[x][y] - 2 * h);
            if (guard[x][y] != 0) pointValue[x][y] = static_cast<std::int16_t>(pointValue[x][y] + h);
          }
        } else {
          pointValue[x][y] = static_cast<std::int16_t>(pointValue[x][y] - 10 * h);
          if (guard[x][y] != 0) pointValue[x][y] = static_cast<std::int16_t>(pointValue[x][y] + 9 * h);
        }
        pointValue[x][y] = static_cast<std::int16_t>(pointValue[x][y] - attack[x][y]);
      } else if (guard[x][y] != 0) {
        pointValue[x][y] = static_cast<std::int16_t>(pointValue[x][y] + 5);
      }
    }
  std::int16_t computerSum = 0;
  std::int16_t playerSum = 0;
  for (int y = 0; y <= 9; ++y)
    for (int x = 0; x <= 8; ++x) {
      const int p = board(x, y);
      if (Computer(p)) computerSum = static_cast<std::int16_t>(computerSum + pointValue[x][y]);
      if (Player(p)) playerSum = static_cast<std::int16_t>(playerSum + pointValue[x][y]);
    }
  return static_cast<std::int16_t>(sideToMove == Side::kPlayer ? playerSum - computerSum : computerSum - playerSum);
}

namespace {

std::int16_t Negamax(Engine& engine, std::int16_t depth, SearchResult& result) {
  std::int16_t best = -20000;
  const std::int16_t r = engine.CheckGenerals(engine.board, depth);
  if (r != 0) return r;
  const Side side = (engine.SearchDepth - depth) % 2 != 0 ? Side::kPlayer : Side::kComputer;
  if (depth <= 0) return Evaluate(engine, engine.board, side);
  const std::int16_t n = engine.GenerateMoves(engine.board, depth, side);
  for (std::int16_t i = 0; i < n; ++i) {
    const MoveRecord m = engine.MoveTable[depth][i];
    const std::uint8_t captured = engine.MakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4]);
    const std::int16_t s = Negamax(engine, static_cast<std::int16_t>(depth - 1), result);
    engine.UnmakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4], captured);
    if (-s > best) {
      best = static_cast<std::int16_t>(-s);
      if (depth == engine.SearchDepth) {
        result.best = m;
        result.recorded = true;
      }
    }
  }
  return best;
}

}  // namespace

SearchResult Search(Engine& engine, std::int16_t depth) {
  SearchResult result;
  engine.SearchDepth = depth;
  result.score = Negamax(engine, depth, result);
  return result;
}

}  // namespace lorvane::reference
