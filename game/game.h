// A game of Lorvane between moves: the game's own board, the player's
// selection, both move histories and the lines of both move lists, the
// difficulty, and the operations a player asks of the game. Every operation
// tells the view what changed, step by step (game_view.h).
//
// It is always the player's turn while the game waits: the computer answers
// inside the operation that played the player's move. Whether the game has
// ended is read off the board at each click. A message stops an operation
// until the view says its box is closed; meanwhile the game takes nothing
// else. Nor does it take an operation while it runs one: a view that calls
// in from inside a step it is being shown is refused.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board.h"
#include "difficulty.h"
#include "engine.h"
#include "game_view.h"
#include "history.h"
#include "move_piece.h"

namespace lorvane {

// A point a click fell on; it may lie off the board.
struct ClickedPoint {
  int file = 0;
  int rank = 0;
};

class Game {
 public:
  // A game as the program starts: nothing selected, both histories empty,
  // the low level. The board is set up by the first NewGame.
  explicit Game(GameView& view);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The game's position, the selection and the target being tried while one
  // click is handled, and the player's moves of this game.
  Board board;
  GamePoint SelectedPoint;
  GamePoint TargetPoint;
  MoveHistory PlayerHistory;

  // The rules and the computer opponent, with the computer's moves of this
  // game (ComputerHistory) and the depth of its last search (SearchDepth).
  Engine& Rules() { return *engine_; }
  const Engine& Rules() const { return *engine_; }

  Level Difficulty() const { return level_; }
  // Line i of a list belongs to turn i.
  const std::vector<std::string>& Lines(Side list) const;
  // Where a marker stands; no point while it is hidden.
  GamePoint MarkerPoint(Marker marker) const { return markers_[static_cast<int>(marker)]; }
  // A general is missing, or the computer found no reply to the last turn.
  bool GameOver() const;
  // A message is shown and its box is not closed yet, whether or not the
  // rest of an operation waits for it. Until then every operation below is
  // refused: it changes nothing and reports nothing. So is an operation
  // called while another runs, from inside a step it reports.
  bool Waiting() const { return messageShown_; }

  // A new game: the initial position, the markers hidden, both lists and
  // both histories emptied, nothing selected. The difficulty stays.
  void NewGame();
  // A click on a piece picture: one of the player's (playersPicture) or one
  // of the computer's, standing on (file, rank).
  void ClickPiece(bool playersPicture, int file, int rank);
  // A click on the board. The point is asked of `pointNow` when the click
  // is handled, after the end-of-game message if there is one: a mouse click
  // takes the point under the cursor as it is then.
  void ClickBoard(const std::function<ClickedPoint()>& pointNow);
  void ClickBoardAt(int file, int rank);
  // A click at (clientX, clientY) of the window's client area, on what
  // stands there when the game takes it: the picture of the piece on a
  // point (a click on that piece), or else the board (a click on the board,
  // its point asked of `pointNow`). For a view whose pictures may be older
  // than the game's board when the click arrives.
  void ClickAt(int clientX, int clientY, const std::function<ClickedPoint()>& pointNow);
  // The keyboard's click on a point: on the piece standing there, or on the
  // board if it is empty.
  void ClickPoint(int file, int rank);
  // Takes back the last turn: the computer's reply, if it made one, then the
  // player's move.
  void TakeBack();
  // A draw is always refused, with a message.
  void OfferDraw();
  // A message, then a new game.
  void Resign();
  void SetDifficulty(Level level);
  // Escape: the selection is dropped.
  void DropSelection();
  // F2: the whole position is said.
  void ReadPosition();
  // What a point holds, with the selection and the computer's last move on it.
  std::string PointDescription(int file, int rank) const;

  // The box of the message shown last is closed: the operation goes on. The
  // one call taken while a message is shown, from inside ShowMessage too.
  void MessageClosed();

 private:
  // Held from an operation's call to its return, and while the rest of one
  // runs after its message: an operation called meanwhile is refused.
  class Running {
   public:
    explicit Running(Game& game) : game_(game) { ++game_.running_; }
    ~Running() { --game_.running_; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

   private:
    Game& game_;
  };
  // An operation may not start: a message waits for its box, or the call
  // comes from inside a step of an operation still running.
  bool Refused() const { return messageShown_ || running_ > 0; }

  // The initial position, the markers hidden, both lists and histories
  // emptied, nothing selected.
  void SetUpNewGame();
  // The computer's turn: searches the game's board, then plays, records,
  // marks and lists its reply. Nothing when it finds no move. Returns the
  // reply's line, or nothing.
  std::optional<std::string> ComputerMove();
  // Shows a message, and runs `then` once its box is closed.
  void ShowMessageThen(const std::string& text, std::function<void()> then);
  // Runs `then` after "已经结束!!!" when the game has ended, else at once.
  void AfterGameEndMessage(std::function<void()> then);
  void ClearSelection();
  void Place(Marker marker, int x, int y);
  void Hide(Marker marker);
  void AddLine(Side list, const std::string& line);
  // Takes line i out of a list, if the list has it.
  void RemoveLine(Side list, int i);
  void SelectPiece(int file, int rank);
  // Tries a move from the selection to a point not yet known to be on the
  // board.
  void TryTarget(int file, int rank);
  // Tries the move from SelectedPoint to TargetPoint; plays it and the
  // computer's reply if it is legal.
  void TryMove();
  // Plays, records and lists the player's move; returns its line.
  std::string PlayPlayerMove();
  // The two move lines of a turn just played, with captures and the end.
  void AnnounceTurn(int turn, const std::string& playerLine,
                    const std::optional<std::string>& computerLine);

  GameView& view_;
  std::unique_ptr<Engine> engine_;
  Level level_ = Level::kLow;
  std::vector<std::string> lines_[2];
  GamePoint markers_[4];
  std::function<void()> afterMessage_;
  bool messageShown_ = false;
  int running_ = 0;
};

}  // namespace lorvane
