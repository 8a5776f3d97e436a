// The game between clicks: program start, a new game, taking back a turn,
// the draw offer and resignation, the difficulty and the messages.
#include "game.h"

#include "spoken_words.h"

namespace lorvane {

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

constexpr Marker kAllMarkers[4] = {Marker::kSelection, Marker::kTarget, Marker::kComputerFrom,
                                   Marker::kComputerTo};

}  // namespace

Game::Game(GameView& view) : view_(view), engine_(std::make_unique<Engine>()) {
  SelectedPoint.Clear();
  TargetPoint.Clear();
  PlayerHistory.Clear();
  engine_->ComputerHistory.Clear();
}

Game::~Game() = default;

const std::vector<std::string>& Game::Lines(Side list) const {
  return lines_[static_cast<int>(list)];
}

void Game::ShowMessageThen(const std::string& text, std::function<void()> then) {
  messageShown_ = true;
  afterMessage_ = std::move(then);
  view_.ShowMessage(text);
}

// The window closes its box inside ShowMessage, while the operation still
// runs; the page closes it later. Either way the rest of the operation runs
// as part of it, and takes no other operation from the view.
void Game::MessageClosed() {
  if (!messageShown_) return;
  messageShown_ = false;
  std::function<void()> then = std::move(afterMessage_);
  afterMessage_ = nullptr;
  if (!then) return;
  const Running running(*this);
  then();
}

void Game::ClearSelection() {
  SelectedPoint.Clear();
  TargetPoint.Clear();
}

void Game::Place(Marker marker, int x, int y) {
  markers_[static_cast<int>(marker)].Set(x, y);
  view_.ShowMarker(marker, x, y);
}

void Game::Hide(Marker marker) {
  markers_[static_cast<int>(marker)].Clear();
  view_.HideMarker(marker);
}

void Game::AddLine(Side list, const std::string& line) {
  lines_[static_cast<int>(list)].push_back(line);
  view_.AddLine(list, line);
}

void Game::RemoveLine(Side list, int i) {
  std::vector<std::string>& lines = lines_[static_cast<int>(list)];
  if (i >= static_cast<int>(lines.size())) return;
  lines.erase(lines.begin() + i);
  view_.RemoveLine(list, i);
}

void Game::NewGame() {
  if (Refused()) return;
  const Running running(*this);
  SetUpNewGame();
}

void Game::SetUpNewGame() {
  SetInitialPosition(board);
  view_.RedrawPieces();
  for (Marker marker : kAllMarkers) Hide(marker);
  for (std::vector<std::string>& lines : lines_) lines.clear();
  view_.ClearLines();
  PlayerHistory.Clear();
  engine_->ComputerHistory.Clear();
  // No selection survives into the new game: the selected point may no
  // longer hold the player's piece.
  ClearSelection();
  view_.Say("新局开始");
}

void Game::TakeBack() {
  if (Refused()) return;
  const Running running(*this);
  // Every turn begins with the player's move; the computer's reply is missing
  // when the player's move ended the game.
  const int i = LastTurn(PlayerHistory);
  if (i < 0) {
    view_.Say("没有可以悔的棋");
    return;
  }
  const std::vector<std::string>& playerLines = Lines(Side::kPlayer);
  const std::vector<std::string>& computerLines = Lines(Side::kComputer);
  std::string takenBack = "悔棋：收回玩家";
  if (i < static_cast<int>(playerLines.size())) takenBack += " " + playerLines[i];
  if (i < static_cast<int>(computerLines.size())) takenBack += "，电脑 " + computerLines[i];
  MoveHistory& computer = engine_->ComputerHistory;
  if (computer.InUse(i)) UndoMove(board, computer, i);
  UndoMove(board, PlayerHistory, i);
  PlayerHistory.ClearSlot(i);
  computer.ClearSlot(i);
  view_.RedrawPieces();
  RemoveLine(Side::kPlayer, i);
  RemoveLine(Side::kComputer, i);
  for (Marker marker : kAllMarkers) Hide(marker);
  ClearSelection();
  view_.Say(takenBack);
}

void Game::OfferDraw() {
  if (Refused()) return;
  const Running running(*this);
  ShowMessageThen("不和！", nullptr);
}

void Game::Resign() {
  if (Refused()) return;
  const Running running(*this);
  ShowMessageThen("呵呵！算你还识相！", [this] { SetUpNewGame(); });
}

void Game::SetDifficulty(Level level) {
  if (Refused()) return;
  const Running running(*this);
  level_ = level;
  engine_->SearchDepth = static_cast<std::int16_t>(SearchDepthOf(level));
  view_.ShowDifficulty(level);
}

void Game::DropSelection() {
  if (Refused()) return;
  const Running running(*this);
  if (!SelectedPoint.IsSet()) {
    view_.Say("没有选中的棋子");
    return;
  }
  ClearSelection();
  Hide(Marker::kSelection);
  Hide(Marker::kTarget);
  view_.Say("取消选择");
}

void Game::ReadPosition() {
  if (Refused()) return;
  const Running running(*this);
  view_.Say(PositionWords(board));
}

std::string Game::PointDescription(int file, int rank) const {
  std::string words = PointWords(board, file, rank);
  if (SelectedPoint.Is(file, rank)) words += "，已选中";
  if (MarkerPoint(Marker::kComputerTo).Is(file, rank)) words += "，电脑刚走到这里";
  return words;
}

}  // namespace lorvane
