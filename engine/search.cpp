// The computer's fixed-depth negamax search.
//
// Every move of every node counts: the value of each node is the plain
// negamax value over all of its moves, and at the root the first of several
// equally good moves in generation order is the one recorded. To answer at
// once, the search skips lines that provably cannot change a node's value
// (alpha-beta bounds) and tries captures first below the root; neither changes
// the value returned nor the move recorded.
#include "engine.h"

namespace lorvane {

namespace {

constexpr int kInfinity = 32000;

// A move of the turned-over board, turned back.
MoveRecord TurnedBack(MoveRecord m) {
  m.slot[2] = static_cast<std::uint8_t>(kRanks - 1 - m.slot[2]);
  m.slot[4] = static_cast<std::uint8_t>(kRanks - 1 - m.slot[4]);
  return m;
}

}  // namespace

ChosenMove Engine::ChooseMove(const Board& b, Side side, int depth) {
  SearchDepth = static_cast<std::int16_t>(depth);
  board = side == Side::kComputer ? b : TurnedOver(b);
  // The search writes BestMove only when it chooses a move; an empty record
  // beforehand tells a fresh choice from an earlier one.
  BestMove = MoveRecord{};
  ChosenMove chosen;
  chosen.score = Search(SearchDepth);
  // A recorded move always leaves its from-point.
  if (BestMove.FromX() != BestMove.ToX() || BestMove.FromY() != BestMove.ToY())
    chosen.move = side == Side::kComputer ? BestMove : TurnedBack(BestMove);
  return chosen;
}

std::int16_t Engine::ScoreMove(const Board& b, Side side, int depth, const MoveRecord& move) {
  SearchDepth = static_cast<std::int16_t>(depth);
  board = side == Side::kComputer ? b : TurnedOver(b);
  const MoveRecord m = side == Side::kComputer ? move : TurnedBack(move);
  const std::uint8_t captured = MakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4]);
  const std::int16_t score = static_cast<std::int16_t>(-Search(static_cast<std::int16_t>(depth - 1)));
  UnmakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4], captured);
  return score;
}

std::int16_t Engine::Search(std::int16_t depth) { return SearchWindow(depth, -kInfinity, kInfinity); }

std::int16_t Engine::SearchWindow(std::int16_t depth, int alpha, int beta) {
  int best = kWorstScore;
  const std::int16_t decided = CheckGenerals(board, depth);
  if (decided != 0) return decided;
  const Side sideToMove = (SearchDepth - depth) % 2 != 0 ? Side::kPlayer : Side::kComputer;
  if (depth <= 0) {
    ++leavesEvaluated;
    return Evaluate(board, sideToMove);
  }
  const std::int16_t n = GenerateMoves(board, depth, sideToMove);
  const bool root = depth == SearchDepth;
  if (!root) OrderMoves(depth, n);
  for (std::int16_t i = 0; i < n; ++i) {
    const MoveRecord m = MoveTable[depth][i];
    const std::uint8_t captured = MakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4]);
    const int floor = alpha > best ? alpha : best;
    const int s = SearchWindow(static_cast<std::int16_t>(depth - 1), -beta, -floor);
    UnmakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4], captured);
    if (-s > best) {
      best = -s;
      if (root) BestMove = m;
      if (best >= beta) break;  // the parent will not take this line
    }
  }
  return static_cast<std::int16_t>(best);
}

// Captures first, the most valuable victim first, then the other moves in
// generation order.
void Engine::OrderMoves(std::int16_t depth, std::int16_t count) {
  MoveRecord* row = MoveTable[depth];
  auto key = [this](const MoveRecord& m) -> int {
    return PieceValue[board(m.slot[3], m.slot[4])];
  };
  for (int i = 1; i < count; ++i) {
    const MoveRecord m = row[i];
    const int k = key(m);
    if (k == 0) continue;
    int j = i;
    while (j > 0 && key(row[j - 1]) < k) {
      row[j] = row[j - 1];
      --j;
    }
    row[j] = m;
  }
}

}  // namespace lorvane
