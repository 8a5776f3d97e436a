#include "played_positions.h"

#include <memory>
#include <random>
#include <string>

#include "bench_positions.h"
#include "engine.h"
#include "fen.h"
#include "perft.h"

namespace lorvane::fixtures {

std::vector<PlayedPosition> PlayedGames(unsigned seed, int games, int maxPlies) {
  std::mt19937 random(seed);
  auto engine = std::make_unique<Engine>();
  std::vector<PlayedPosition> positions;
  for (int g = 0; g < games; ++g) {
    SetInitialPosition(engine->board);
    Side player = Side::kPlayer;
    for (int ply = 0; ply < maxPlies; ++ply) {
      positions.push_back({engine->board, player});
      const std::vector<MoveRecord> legal = LegalStandardMoves(*engine, engine->board, player);
      if (legal.empty()) break;
      const MoveRecord& m = legal[random() % legal.size()];
      engine->MakeMove(m.slot[1], m.slot[2], m.slot[3], m.slot[4]);
      player = Opponent(player);
    }
  }
  return positions;
}

std::vector<Board> PlayedPositions(unsigned seed, int games, int maxPlies) {
  std::vector<Board> boards;
  for (const PlayedPosition& p : PlayedGames(seed, games, maxPlies)) boards.push_back(p.board);
  return boards;
}

std::vector<Board> BenchBoards() {
  std::vector<Board> boards;
  for (int i = 0; i < kBenchPositionCount; ++i) {
    FenPosition pos;
    std::string error;
    if (ParseFen(kBenchPositions[i], pos, error)) boards.push_back(pos.board);
  }
  return boards;
}

}  // namespace lorvane::fixtures
