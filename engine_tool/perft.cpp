#include "perft.h"

#include <initializer_list>

namespace lorvane {

std::int16_t GenerateStandardMoves(Engine& engine, std::int16_t row, Side side) {
  engine.MoveCount = engine.GenerateMoves(engine.board, row, side);
  const bool player = side == Side::kPlayer;
  const std::uint8_t pawn = player ? kPlayerPawn : kComputerPawn;
  const std::int16_t lastRank = player ? 0 : kRanks - 1;
  for (std::int16_t x = 0; x < kFiles; ++x) {
    if (engine.board(x, lastRank) != pawn) continue;
    for (const int dx : {1, -1}) {
      const auto toX = static_cast<std::int16_t>(x + dx);
      if (IsLegalMove(engine.board, x, lastRank, toX, lastRank))
        engine.AddMove(x, lastRank, toX, lastRank, row);
    }
  }
  return engine.MoveCount;
}

bool GeneralExposed(Engine& engine, Side mover) {
  const std::uint8_t general = mover == Side::kPlayer ? kPlayerGeneral : kComputerGeneral;
  const std::int16_t n = GenerateStandardMoves(engine, 0, Opponent(mover));
  for (std::int16_t i = 0; i < n; ++i) {
    const MoveRecord& m = engine.MoveTable[0][i];
    if (engine.board(m.ToX(), m.ToY()) == general) return true;
  }
  return false;
}

std::vector<MoveRecord> LegalStandardMoves(Engine& engine, const Board& board, Side side) {
  engine.board = board;
  std::vector<MoveRecord> legal;
  const std::int16_t n = GenerateStandardMoves(engine, 1, side);
  for (std::int16_t i = 0; i < n; ++i) {
    const MoveRecord m = engine.MoveTable[1][i];
    const std::uint8_t captured = engine.MakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4]);
    if (!GeneralExposed(engine, side)) legal.push_back(m);
    engine.UnmakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4], captured);
  }
  return legal;
}

std::uint64_t Perft(Engine& engine, int depth, Side sideToMove) {
  const auto row = static_cast<std::int16_t>(depth);
  const std::int16_t n = GenerateStandardMoves(engine, row, sideToMove);
  std::uint64_t total = 0;
  for (std::int16_t i = 0; i < n; ++i) {
    const MoveRecord m = engine.MoveTable[row][i];
    const std::uint8_t captured = engine.MakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4]);
    if (!GeneralExposed(engine, sideToMove))
      total += depth == 1 ? 1 : Perft(engine, depth - 1, Opponent(sideToMove));
    engine.UnmakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4], captured);
  }
  return total;
}

}  // namespace lorvane
