// The computer's turn: search the game's position with the engine and play,
// record, mark and list the reply.
#include "game.h"
#include "notation.h"

namespace lorvane {

std::optional<std::string> Game::ComputerMove() {
  Engine& engine = *engine_;
  const ChosenMove chosen = engine.ChooseMove(board, Side::kComputer, SearchDepthOf(level_));
  if (!chosen.move) return std::nullopt;  // no move: the game is over
  const MoveRecord move = *chosen.move;

  MoveHistory& history = engine.ComputerHistory;
  const int i = history.LowestFree();
  if (i >= kHistorySlots) return std::nullopt;
  history.Store(i, move.FromX(), move.FromY(), move.ToX(), move.ToY(), kEmpty);
  // The search leaves the engine's board as it found it: the game's board.
  history.captured[i] = engine.MakeMove(move.slot[1], move.slot[2], move.slot[3], move.slot[4]);

  Place(Marker::kComputerFrom, move.FromX(), move.FromY());
  Place(Marker::kComputerTo, move.ToX(), move.ToY());
  const std::string line =
      FormatComputerMove(engine.board, move.FromX(), move.FromY(), move.ToX(), move.ToY());
  AddLine(Side::kComputer, line);
  board = engine.board;
  return line;
}

}  // namespace lorvane
