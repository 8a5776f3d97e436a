// The player's clicks: selecting an own piece, then a computer's piece or a
// point of the board as the target.
#include <QCursor>
#include <QListWidget>

#include "main_window.h"
#include "notation.h"
#include "spoken_words.h"

namespace lorvane {

namespace {

// Integer division rounding towards minus infinity, so that a click left of
// or above the grid's origin gives a negative file or rank.
int FloorDiv(int a, int b) {
  int q = a / b;
  if (a % b != 0 && ((a < 0) != (b < 0))) --q;
  return q;
}

const char kGameOver[] = "已经结束!!!";
const char kHistoryFull[] = "本局已满八十一回合，无法继续走棋。请悔棋或重新开局。";

}  // namespace

bool MainWindow::GameOver() const {
  if (engine_->CheckGenerals(game_.board, 0) != 0) return true;
  // The last turn has no reply: the computer had no move at all.
  return game_.PlayerHistory.Count() > engine_->ComputerHistory.Count();
}

void MainWindow::Image2_Click(int index) {
  if (index < 0 || index >= 32) return;
  if (GameOver()) ShowMessage(QString::fromUtf8(kGameOver));
  PictureControl* picture = Image2[index];
  const int file = FloorDiv(picture->Left(), 48);
  const int rank = FloorDiv(picture->Top(), 48);
  if (index >= 16) {
    // The player's own piece: it becomes the selection, whether or not
    // another was selected.
    if (!OnBoard(file, rank)) return;
    game_.SelectedPoint.x = static_cast<std::uint8_t>(file);
    game_.SelectedPoint.y = static_cast<std::uint8_t>(rank);
    Image3->Place(PointLeft(file), PointTop(rank));
    Image3->show();
    Image4->hide();
    Announce(QString::fromUtf8("选中") + PieceWords(game_.board(file, rank), file, rank));
    return;
  }
  // A computer's piece: a capture if one of the player's pieces is selected.
  if (!game_.SelectedPoint.IsSet()) return;
  TryTarget(file, rank);
}

void MainWindow::Image1_Click() { BoardClick(std::nullopt); }

void MainWindow::BoardClickAt(int file, int rank) { BoardClick(QPoint(file, rank)); }

void MainWindow::BoardClick(std::optional<QPoint> point) {
  if (GameOver()) ShowMessage(QString::fromUtf8(kGameOver));
  if (!game_.SelectedPoint.IsSet()) return;
  if (!point) {
    // The point under the cursor as it is now; the click cells are 50 pixels
    // wide and high, starting at (4, 14) of the client area.
    const QPoint cursor = client->mapFromGlobal(QCursor::pos());
    point = QPoint(FloorDiv(cursor.x() - 4, 50), FloorDiv(cursor.y() - 14, 50));
  }
  TryTarget(point->x(), point->y());
}

void MainWindow::Image5_Click() { Image1_Click(); }

void MainWindow::TryTarget(int file, int rank) {
  if (!OnBoard(file, rank)) {
    // Off the board (the margins of the board picture): refused like an
    // illegal move, and no target marker is shown.
    Image4->hide();
    game_.SelectedPoint.Clear();
    game_.TargetPoint.Clear();
    return;
  }
  game_.TargetPoint.x = static_cast<std::uint8_t>(file);
  game_.TargetPoint.y = static_cast<std::uint8_t>(rank);
  TryMove();
}

void MainWindow::TryMove() {
  const GamePoint from = game_.SelectedPoint;
  const GamePoint to = game_.TargetPoint;
  Image4->Place(PointLeft(to.x), PointTop(to.y));
  Image4->show();
  Image4->repaint();

  const bool legal = IsPlayerPiece(game_.board(from.x, from.y)) &&
                     IsLegalMove(game_.board, from.x, from.y, to.x, to.y);
  bool play = legal;
  // After the end of a game no move is played: the computer could not answer.
  if (play && GameOver()) play = false;
  if (play && game_.PlayerHistory.LowestFree() >= kHistorySlots) {
    ShowMessage(QString::fromUtf8(kHistoryFull));
    play = false;
  }
  if (play) {
    const int turn = game_.PlayerHistory.LowestFree();
    PlayPlayerMove();
    ComputerMove();
    RedrawPieces();
    AnnounceTurn(turn);
  } else if (!legal) {
    Announce(QString::fromUtf8("不能这样走，已取消选择"));
  }
  game_.SelectedPoint.Clear();
  game_.TargetPoint.Clear();
}

void MainWindow::PlayPlayerMove() {
  const GamePoint from = game_.SelectedPoint;
  const GamePoint to = game_.TargetPoint;
  MoveHistory& history = game_.PlayerHistory;
  const int i = history.LowestFree();
  history.Store(i, from.x, from.y, to.x, to.y, kEmpty);
  // Whatever stood on the target is recorded, so that take-back restores it.
  history.captured[i] = MovePiece(game_.board, from.x, from.y, to.x, to.y);
  RedrawPieces();
  List1->addItem(FormatPlayerMove(game_.board, from.x, from.y, to.x, to.y));
  List1->scrollToBottom();
}

}  // namespace lorvane
