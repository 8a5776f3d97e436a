// The game between clicks: program start, a new game and taking back a turn.
#include "game_state.h"

#include <QListWidget>

#include "main_window.h"

namespace lorvane {

std::uint8_t MovePiece(Board& board, std::uint8_t fromX, std::uint8_t fromY, std::uint8_t toX,
                       std::uint8_t toY) {
  const std::uint8_t captured = board(toX, toY);
  board(toX, toY) = board(fromX, fromY);
  board(fromX, fromY) = kEmpty;
  return captured;
}

int LastTurn(const MoveHistory& player) {
  for (int i = kHistorySlots - 1; i >= 0; --i)
    if (player.InUse(i)) return i;
  return -1;
}

namespace {

// Puts the piece of one recorded move back on its from-point and restores
// what it took.
void UndoMove(Board& board, MoveHistory& history, int i) {
  MovePiece(board, history.toX[i], history.toY[i], history.fromX[i], history.fromY[i]);
  if (history.captured[i] != kEmpty) {
    board(history.toX[i], history.toY[i]) = history.captured[i];
    history.captured[i] = kEmpty;
  }
}

}  // namespace

void MainWindow::Form_Load() {
  game_.SelectedPoint.Clear();
  game_.TargetPoint.Clear();
  game_.PlayerHistory.Clear();
  engine_->ComputerHistory.Clear();
}

void MainWindow::Form_Activate() {
  SetInitialPosition(game_.board);
  RedrawPieces();
  Image3->hide();
  Image4->hide();
  Image5->hide();
  Image6->hide();
  List1->clear();
  List2->clear();
  game_.PlayerHistory.Clear();
  engine_->ComputerHistory.Clear();
  // No selection survives into the new game: the selected point may no
  // longer hold the player's piece.
  game_.SelectedPoint.Clear();
  game_.TargetPoint.Clear();
  Announce(QString::fromUtf8("新局开始"));
}

// Takes back the last turn: the computer's reply, if it made one, then the
// player's move.
void MainWindow::Image9_Click() {
  // Every turn begins with the player's move; the computer's reply is missing
  // when the player's move ended the game.
  const int i = LastTurn(game_.PlayerHistory);
  if (i < 0) {
    Announce(QString::fromUtf8("没有可以悔的棋"));
    return;
  }
  QString takenBack = QString::fromUtf8("悔棋：收回玩家");
  if (i < List1->count()) takenBack += QLatin1Char(' ') + List1->item(i)->text();
  if (i < List2->count()) takenBack += QString::fromUtf8("，电脑 ") + List2->item(i)->text();
  MoveHistory& computer = engine_->ComputerHistory;
  if (computer.InUse(i)) UndoMove(game_.board, computer, i);
  UndoMove(game_.board, game_.PlayerHistory, i);
  game_.PlayerHistory.ClearSlot(i);
  computer.ClearSlot(i);
  RedrawPieces();
  if (i < List1->count()) delete List1->takeItem(i);
  if (i < List2->count()) delete List2->takeItem(i);
  List1->scrollToBottom();
  Image3->hide();
  Image4->hide();
  Image5->hide();
  Image6->hide();
  game_.SelectedPoint.Clear();
  game_.TargetPoint.Clear();
  Announce(takenBack);
}

}  // namespace lorvane
