// What a game tells the view that shows it. Every operation of the game
// reports its steps here as they happen and in their order, so a view only
// shows them: the window draws each at once, and the page does the same.
// From inside these calls the game takes no operation: a view that calls one
// there is refused. The one call it takes is Game::MessageClosed, from inside
// ShowMessage.
#pragma once

#include <string>

#include "board.h"
#include "difficulty.h"

namespace lorvane {

// The four frames on the board: the player's selected piece, the target just
// tried, and the computer's last move, from and to.
enum class Marker { kSelection, kTarget, kComputerFrom, kComputerTo };

class GameView {
 public:
  virtual ~GameView() = default;

  // The board has changed: every piece is to be drawn again where the
  // game's board has it, at once.
  virtual void RedrawPieces() = 0;
  // A marker framing point (x, y), or hidden. The target marker is drawn at
  // once: it shows the player's try before the computer's search.
  virtual void ShowMarker(Marker marker, int x, int y) = 0;
  virtual void HideMarker(Marker marker) = 0;
  // A line appended to a side's move list, line i taken out of one, or both
  // lists emptied (the player's first). The view keeps its newest line in
  // view.
  virtual void AddLine(Side list, const std::string& line) = 0;
  virtual void RemoveLine(Side list, int i) = 0;
  virtual void ClearLines() = 0;
  // A message in a box with one OK button. The game waits for it: the view
  // calls Game::MessageClosed when the box is closed, inside this call or
  // later, and the rest of the step follows from there.
  virtual void ShowMessage(const std::string& text) = 0;
  // Words for a screen reader, in UTF-8.
  virtual void Say(const std::string& words) = 0;
  // The difficulty is now `level`.
  virtual void ShowDifficulty(Level level) = 0;
};

}  // namespace lorvane
