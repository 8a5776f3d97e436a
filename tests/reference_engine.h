// A second, deliberately plain reading of the evaluation and the search, used
// to check the engine's faster routines move for move: the attack step in
// double precision with the machine's round-half-to-even, every node searched
// to full width, 16-bit arithmetic throughout.
#pragma once

#include <cstdint>

#include "engine.h"

namespace lorvane::reference {

std::int16_t Evaluate(Engine& engine, const Board& board, Side sideToMove);

struct SearchResult {
  std::int16_t score = 0;
  MoveRecord best;
  bool recorded = false;
};

// Full-width negamax from engine.board with engine.SearchDepth = depth.
SearchResult Search(Engine& engine, std::int16_t depth);

}  // namespace lorvane::reference
