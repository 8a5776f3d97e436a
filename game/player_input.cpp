// The player's clicks: selecting an own piece, then a computer's piece or a
// point of the board as the target.
#include "engine.h"
#include "game.h"
#include "geometry.h"
#include "notation.h"
#include "spoken_words.h"

namespace lorvane {

namespace {

const char kGameOver[] = "已经结束!!!";
const char kHistoryFull[] = "本局已满八十一回合，无法继续走棋。请悔棋或重新开局。";

}  // namespace

bool Game::GameOver() const {
  if (engine_->CheckGenerals(board, 0) != 0) return true;
  // The last turn has no reply: the computer had no move at all.
  return PlayerHistory.Count() > engine_->ComputerHistory.Count();
}

void Game::AfterGameEndMessage(std::function<void()> then) {
  if (GameOver())
    ShowMessageThen(kGameOver, std::move(then));
  else
    then();
}

void Game::ClickPiece(bool playersPicture, int file, int rank) {
  if (Refused()) return;
  const Running running(*this);
  AfterGameEndMessage([this, playersPicture, file, rank] {
    if (playersPicture) {
      // The player's own piece: it becomes the selection, whether or not
      // another was selected.
      if (OnBoard(file, rank)) SelectPiece(file, rank);
      return;
    }
    // A computer's piece: a capture if one of the player's pieces is selected.
    if (SelectedPoint.IsSet()) TryTarget(file, rank);
  });
}

void Game::ClickBoard(const std::function<ClickedPoint()>& pointNow) {
  if (Refused()) return;
  const Running running(*this);
  AfterGameEndMessage([this, pointNow] {
    if (!SelectedPoint.IsSet()) return;
    const ClickedPoint point = pointNow();
    TryTarget(point.file, point.rank);
  });
}

void Game::ClickBoardAt(int file, int rank) {
  ClickBoard([file, rank] { return ClickedPoint{file, rank}; });
}

void Game::ClickAt(int clientX, int clientY, const std::function<ClickedPoint()>& pointNow) {
  // The picture of a piece on (x, y) covers kPieceSize pixels from its
  // corner; the points lie kPointPitch apart, so at most one covers a place.
  const int x = FloorDiv(clientX - PointLeft(0), kPointPitch);
  const int y = FloorDiv(clientY - PointTop(0), kPointPitch);
  const bool onPicture = OnBoard(x, y) && clientX - PointLeft(x) < kPieceSize &&
                         clientY - PointTop(y) < kPieceSize && board(x, y) != kEmpty;
  if (onPicture)
    ClickPiece(IsPlayerPiece(board(x, y)), x, y);
  else
    ClickBoard(pointNow);
}

void Game::ClickPoint(int file, int rank) {
  if (!OnBoard(file, rank)) return;
  const std::uint8_t code = board(file, rank);
  if (IsPlayerPiece(code) || IsComputerPiece(code))
    ClickPiece(IsPlayerPiece(code), file, rank);
  else
    ClickBoardAt(file, rank);
}

void Game::SelectPiece(int file, int rank) {
  SelectedPoint.Set(file, rank);
  Place(Marker::kSelection, file, rank);
  Hide(Marker::kTarget);
  view_.Say("选中" + PieceWords(board(file, rank), file, rank));
}

void Game::TryTarget(int file, int rank) {
  if (!OnBoard(file, rank)) {
    // Off the board (the margins of the board picture): refused like an
    // illegal move, and no target marker is shown.
    Hide(Marker::kTarget);
    ClearSelection();
    return;
  }
  TargetPoint.Set(file, rank);
  TryMove();
}

void Game::TryMove() {
  const GamePoint from = SelectedPoint;
  const GamePoint to = TargetPoint;
  Place(Marker::kTarget, to.x, to.y);

  const bool legal = IsPlayerPiece(board(from.x, from.y)) &&
                     IsLegalMove(board, from.x, from.y, to.x, to.y);
  // After the end of a game no move is played: the computer could not answer.
  bool play = legal && !GameOver();
  if (play && PlayerHistory.LowestFree() >= kHistorySlots) {
    ShowMessageThen(kHistoryFull, [this] { ClearSelection(); });
    return;
  }
  if (play) {
    const int turn = PlayerHistory.LowestFree();
    const std::string playerLine = PlayPlayerMove();
    const std::optional<std::string> computerLine = ComputerMove();
    view_.RedrawPieces();
    AnnounceTurn(turn, playerLine, computerLine);
  } else if (!legal) {
    view_.Say("不能这样走，已取消选择");
  }
  ClearSelection();
}

std::string Game::PlayPlayerMove() {
  const GamePoint from = SelectedPoint;
  const GamePoint to = TargetPoint;
  const int i = PlayerHistory.LowestFree();
  PlayerHistory.Store(i, from.x, from.y, to.x, to.y, kEmpty);
  // Whatever stood on the target is recorded, so that take-back restores it.
  PlayerHistory.captured[i] = MovePiece(board, from.x, from.y, to.x, to.y);
  view_.RedrawPieces();
  const std::string line = FormatPlayerMove(board, from.x, from.y, to.x, to.y);
  AddLine(Side::kPlayer, line);
  return line;
}

}  // namespace lorvane
