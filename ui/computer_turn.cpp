// The computer's turn: search the window's position with the engine and play,
// record, mark and list the reply.
#include <QListWidget>
#include <QRadioButton>

#include "main_window.h"
#include "notation.h"

namespace lorvane {

void MainWindow::ComputerMove() {
  Engine& engine = *engine_;
  if (Option1->isChecked()) engine.SearchDepth = 2;
  if (Option2->isChecked()) engine.SearchDepth = 3;
  engine.board = game_.board;

  // The search writes BestMove only when it chooses a move; an empty record
  // beforehand tells a fresh choice from the last turn's.
  engine.BestMove = MoveRecord{};
  engine.Search(engine.SearchDepth);
  const MoveRecord move = engine.BestMove;
  if (move.FromX() == move.ToX() && move.FromY() == move.ToY()) return;  // no move: the game is over

  MoveHistory& history = engine.ComputerHistory;
  const int i = history.LowestFree();
  if (i >= kHistorySlots) return;
  history.Store(i, move.FromX(), move.FromY(), move.ToX(), move.ToY(), kEmpty);
  history.captured[i] = engine.MakeMove(move.slot[1], move.slot[2], move.slot[3], move.slot[4]);

  Image5->Place(PointLeft(move.FromX()), PointTop(move.FromY()));
  Image5->show();
  Image6->Place(PointLeft(move.ToX()), PointTop(move.ToY()));
  Image6->show();

  List2->addItem(FormatComputerMove(engine.board, move.FromX(), move.FromY(), move.ToX(), move.ToY()));
  List2->scrollToBottom();
  game_.board = engine.board;
}

}  // namespace lorvane
