// Legal-move path counts, to check the move generator against other programs.
#pragma once

#include <cstdint>

#include "engine.h"

namespace lorvane {

// Whether the side that just moved (mover: true for the player) left its
// general where the opponent can take it, the facing generals included.
// Uses row 0 of the move table, which the search and Perft never count.
bool GeneralExposed(Engine& engine, bool mover);

// Counts the legal move paths of the given length from engine.board, with
// sideToMove moving first (true: the player). A move is legal when, after it,
// the opponent cannot take the mover's general (facing generals included).
// depth 1..8; uses the engine's move table rows depth..0.
std::uint64_t Perft(Engine& engine, int depth, bool sideToMove);

}  // namespace lorvane
