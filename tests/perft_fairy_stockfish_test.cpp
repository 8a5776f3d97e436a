// Standard perft against Fairy-Stockfish, a xiangqi program nobody here wrote,
// over positions from random play with either side to move. Runs only where
// Debian's fairy-stockfish is installed (scripts/install-deps.sh installs it);
// elsewhere it exits with 77, which CTest reports as skipped.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine.h"
#include "fen.h"
#include "perft.h"
#include "played_positions.h"

using namespace lorvane;

namespace {

constexpr int kSkipped = 77;

std::string FindFairyStockfish() {
  std::vector<std::string> candidates;
  if (const char* chosen = std::getenv("LORVANE_FAIRY_STOCKFISH")) {
    candidates.push_back(chosen);
  } else {
    candidates.push_back("/usr/games/fairy-stockfish");
    std::istringstream path(std::getenv("PATH") ? std::getenv("PATH") : "");
    for (std::string dir; std::getline(path, dir, ':');) candidates.push_back(dir + "/fairy-stockfish");
  }
  for (const std::string& candidate : candidates)
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  return "";
}

struct Check {
  std::string fen;
  int depth = 0;
  std::uint64_t ours = 0;
};

bool HasPawnOnLastRank(const Board& b) {
  for (int x = 0; x < kFiles; ++x)
    if (b(x, 0) == kPlayerPawn || b(x, kRanks - 1) == kComputerPawn) return true;
  return false;
}

}  // namespace

int main() {
  const std::string program = FindFairyStockfish();
  if (program.empty()) {
    std::printf("SKIPPED: fairy-stockfish not found (Debian package fairy-stockfish, installed by "
                "scripts/install-deps.sh; or set LORVANE_FAIRY_STOCKFISH)\n");
    return kSkipped;
  }

  // Every seventh position of some long random games, at depth 2, every eighth of
  // those at depth 3; and the two positions where the game's own generator
  // and standard rules part (pawns on their last rank).
  std::vector<Check> checks = {
      {"2b1ka3/9/b3N4/4n4/9/9/9/4C4/2p6/2BK5 w", 3},
      {"1C2ka3/9/C1Nab1n2/p3p3p/6p2/9/P3P3P/3AB4/3p2c2/c1BAK4 w", 3},
  };
  int lastRankPawns = 0;
  int blackToMove = 0;
  const auto played = fixtures::PlayedGames(2024, 8, 300);
  for (std::size_t i = 0; i < played.size(); i += 7) {
    const auto& p = played[i];
    checks.push_back({ToFen(p.board, p.toMove), checks.size() % 8 == 0 ? 3 : 2});
    lastRankPawns += HasPawnOnLastRank(p.board);
    blackToMove += p.toMove == Side::kComputer;
  }

  auto engine = std::make_unique<Engine>();
  const std::string base = "/tmp/lorvane_perft_fsf_" + std::to_string(getpid());
  {
    std::ofstream commands(base + ".in");
    commands << "setoption name UCI_Variant value xiangqi\n";
    for (Check& c : checks) {
      FenPosition pos;
      std::string error;
      if (!ParseFen(c.fen, pos, error)) {
        std::printf("FAIL: %s: %s\n", c.fen.c_str(), error.c_str());
        return 1;
      }
      engine->board = pos.board;
      c.ours = Perft(*engine, c.depth, pos.toMove);
      commands << "position fen " << c.fen << " - - 0 1\ngo perft " << c.depth << "\n";
    }
    commands << "quit\n";
  }
  const std::string run = "'" + program + "' < " + base + ".in > " + base + ".out 2>&1";
  const int status = std::system(run.c_str());

  std::vector<std::uint64_t> theirs;
  std::ifstream output(base + ".out");
  for (std::string line; std::getline(output, line);)
    if (line.rfind("Nodes searched: ", 0) == 0) theirs.push_back(std::stoull(line.substr(16)));
  std::remove((base + ".in").c_str());
  std::remove((base + ".out").c_str());
  if (status != 0 || theirs.size() != checks.size()) {
    std::printf("FAIL: %s gave %zu perft answers for %zu positions (status %d)\n", program.c_str(),
                theirs.size(), checks.size(), status);
    return 1;
  }

  int differences = 0;
  for (std::size_t i = 0; i < checks.size(); ++i) {
    if (checks[i].ours == theirs[i]) continue;
    ++differences;
    std::printf("DIFFERS: %s depth %d: ours %llu, Fairy-Stockfish %llu\n", checks[i].fen.c_str(),
                checks[i].depth, static_cast<unsigned long long>(checks[i].ours),
                static_cast<unsigned long long>(theirs[i]));
  }
  std::printf("%zu positions (%d with black to move, %d with a pawn on its last rank): %d differ\n",
              checks.size(), blackToMove, lastRankPawns, differences);
  if (lastRankPawns == 0) {
    std::printf("FAIL: no played position has a pawn on its last rank\n");
    return 1;
  }
  return differences == 0 ? 0 : 1;
}
