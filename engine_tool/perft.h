// Legal-move path counts by standard xiangqi rules, to check the move
// generator against other programs.
#pragma once

#include <cstdint>
#include <vector>

#include "engine.h"

namespace lorvane {

// Every move standard rules give one side on the
// engine's board, into row `row` of the move table; returns the count. These
// are the game's generated moves, in the game's order, followed by the
// sideways steps of pawns on their last rank, to which the game's generator
// gives no move at all (the game's IsLegalMove allows them). A move may still
// leave the mover's general where it can be taken.
std::int16_t GenerateStandardMoves(Engine& engine, std::int16_t row, Side side);

// Whether the side that just moved left its
// general where the opponent can take it, the facing generals included. A
// side without a general is never exposed. Uses row 0 of the move table,
// which Perft never counts.
bool GeneralExposed(Engine& engine, Side mover);

// The standard legal moves of one side on `board`, in the
// order of GenerateStandardMoves: those after which the opponent cannot take
// the mover's general. Leaves engine.board equal to `board`; uses rows 1 and
// 0 of the move table.
std::vector<MoveRecord> LegalStandardMoves(Engine& engine, const Board& board, Side side);

// Counts the legal move paths of the given length from engine.board, with
// sideToMove moving first: standard moves after which the
// opponent cannot take the mover's general (facing generals included).
// depth 1..8; uses the engine's move table rows depth..0.
std::uint64_t Perft(Engine& engine, int depth, Side sideToMove);

}  // namespace lorvane
